#pragma once
// The team archive's ports, as narrow as their users: the local archive's push queue (the pusher),
// the copy of the team archive (the team view's round), and the server as each round sees it.
// qt_sqlite_push_queue.cpp and qt_sqlite_team_copy.cpp keep the local side in the archive's
// SQLite file, qt_team_store.cpp is the server; tests may use fakes.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "team/team_download.h"
#include "team/team_fault.h"
#include "team/team_merge.h"

namespace eqbond {

// A download that changed since its last push, with how many changes it had when read: marking
// it pushed with that count leaves it waiting when it changed again during the push.
struct WaitingDownload {
    int64_t id = 0;
    QString uuid;
    int64_t changes = 0;
};

// A download the server has had from this computer, with the server's revision this computer last
// had of it.
struct HadDownload {
    int64_t id = 0;
    QString uuid;
    int64_t revision = 0;
};

// What marking a download pushed came to.
enum class Marking {
    Marked,
    ChangedMeanwhile,  // it changed after it was read: it keeps waiting
    Failed,            // the local archive could not be written: it keeps waiting
};

// The local archive's downloads that wait for the team archive.
class PushQueue {
  public:
    virtual ~PushQueue() = default;

    // The downloads waiting, oldest first; nothing on a fault.
    virtual std::optional<std::vector<WaitingDownload>> waiting() = 0;
    // The download as the team archive takes it; nothing on a fault or an unknown id.
    virtual std::optional<TeamDownload> team_download(int64_t download_id) = 0;
    // Marks it pushed at `when` unless it changed after `download` was read.
    virtual Marking mark_pushed(const WaitingDownload& download, const QDateTime& when) = 0;
    // The server's revision this computer now has of the download, with the fields the server
    // changed meanwhile (`taken`, when any) taken here too, without marking it changed; its
    // conflicts are settled. A queue that merges nothing keeps nothing.
    virtual bool keep_server_side(int64_t /*download_id*/, int64_t /*revision*/,
                                  const TeamDownload* /*taken*/) {
        return true;
    }
    // Marks the download's fields in conflict, in place of its earlier marks (kept server-side
    // above clears them). A queue that merges nothing keeps nothing.
    virtual bool keep_conflicts(int64_t /*download_id*/,
                                const std::vector<TeamConflict>& /*conflicts*/) {
        return true;
    }
    // Marks the download deleted on the server: it stays here, out of every later push and
    // pull. A queue that merges nothing keeps nothing.
    virtual bool mark_deleted_there(int64_t /*download_id*/) { return true; }
    // When a download was last pushed; nothing before the first push or on a fault.
    virtual std::optional<QDateTime> last_push() = 0;
    // The downloads the server has had from here, for a pull; nothing on a fault. A queue that
    // merges nothing has none.
    virtual std::optional<std::vector<HadDownload>> had_by_server() {
        return std::vector<HadDownload>{};
    }
};

// A copy of a team download: the server's time of its push, and whether it was changed here
// since (a change in the team view not yet taken by the server).
struct TeamCopyState {
    int64_t pushed_ms = 0;
    bool changed_here = false;
    bool whole = true;  // its groups are held too, not its summary alone
};

// A download as the team view lists it before anyone opens it: everything but its groups.
struct TeamCopySummary {
    StoredTeamDownload stored;  // without groups or labels
    int32_t groups_held = 0;
    int32_t lowest_milliohm = 0;
    int32_t highest_milliohm = 0;
};

// The team view's copy of the team archive: its changes wait to be pushed as this computer's
// downloads do, and the server's downloads are copied into it.
class TeamCopyStore : public PushQueue {
  public:
    // The copies held, by UUID; nothing on a fault.
    virtual std::optional<std::map<QString, TeamCopyState>> team_copies() = 0;
    // One copied again whole, in one transaction, keeping its id; false on a fault.
    virtual bool keep_team_copy(const StoredTeamDownload& stored) = 0;
    // Each one's summary in place of the one held, in one transaction; one held whole meanwhile
    // stays as it is. False on a fault.
    virtual bool keep_team_summaries(const std::vector<TeamCopySummary>& summaries) = 0;
    virtual bool drop_team_copy(const QString& uuid) = 0;
    // The team's plans, in place of those the copy held; false on a fault.
    virtual bool keep_team_plans(const std::vector<TeamPlan>& plans) = 0;
};

// The server as a push sees it: it takes a download whole, or says why not.
class TeamPushing {
  public:
    virtual ~TeamPushing() = default;
    // The last operation's fault, or nothing after it succeeded.
    virtual const std::optional<TeamFault>& fault() const = 0;
    virtual bool push(const TeamDownload& download) = 0;
    // After a push that went: the download's revision on the server, and how it was merged with
    // the changes made there since its base revision (nothing when there were none).
    virtual int64_t pushed_revision() const { return 0; }
    virtual const TeamMerge* pushed_merge() const { return nullptr; }
};

// The server as a pull sees it: which revision of each download it holds, one download, and
// what changed in it since a revision.
class TeamPulling {
  public:
    virtual ~TeamPulling() = default;
    // The last operation's fault, or nothing after it succeeded.
    virtual const std::optional<TeamFault>& fault() const = 0;
    // The revision of each of these downloads the server holds, by UUID; nothing on a fault.
    virtual std::optional<std::map<QString, int64_t>> revisions(
        const std::vector<QString>& uuids) = 0;
    // Nothing on a fault or for a UUID the archive does not hold (then without a fault).
    virtual std::optional<StoredTeamDownload> load(const QString& uuid) = 0;
    // Each field changed since `revision`, with its value then; nothing on a fault.
    virtual std::optional<std::map<QString, QString>> changes_since(const QString& uuid,
                                                                    int64_t revision) = 0;
};

// The server as the copy's round sees it: what it holds, and one download of it.
class TeamCopying : public TeamPushing {
  public:
    // Every download without its groups, newest first, handed to `page` a page at a time. False
    // on a fault (fault() set), or once `page` returned false (no fault then).
    virtual bool summaries(
        const std::function<bool(const std::vector<TeamCopySummary>&)>& page) = 0;
    // Nothing on a fault or for a UUID the archive does not hold (then without a fault).
    virtual std::optional<StoredTeamDownload> load(const QString& uuid) = 0;
    // Keeps a plan for the team, replacing the one of its site and location.
    virtual bool keep_plan(const TeamPlan& plan) = 0;
    // Every plan the team keeps; nothing on a fault.
    virtual std::optional<std::vector<TeamPlan>> plans() = 0;
};

}  // namespace eqbond
