#pragma once
// A copy of the team archive in an SQLite file of the archive's layout: the team view browses,
// compares, exports and reports on it as on this computer's archive, and it stays readable off
// the network. It holds every download's summary, and the groups of those opened here (and of
// those they are compared with). Its changes wait to be pushed as this computer's own downloads
// do; a download held by its summary alone cannot change here.
#include <QString>
#include <map>
#include <optional>

#include "team/qt_sqlite_push_queue.h"

namespace eqbond {

// Where the team view keeps its copy of the team archive: beside this computer's archive.
QString team_copy_file(const QString& archive_file);

// Whether the download is held by its summary alone in the copy `file`; nothing on a fault.
std::optional<bool> held_by_summary(QtSqliteFile& file, int64_t download_id);

class QtSqliteTeamCopy : public TeamCopyStore {
  public:
    // Makes the copy's own table in `file` when it lacks it: a fault shows in the first use.
    explicit QtSqliteTeamCopy(QtSqliteFile& file) : file_(file), queue_(file) { prepare(file); }

    // Makes the copy's own table in `file` when it lacks it; false on a fault.
    static bool prepare(QtSqliteFile& file);

    // Held whole only: a summary has nothing to push.
    std::optional<std::vector<WaitingDownload>> waiting() override;
    std::optional<TeamDownload> team_download(int64_t download_id) override {
        return queue_.team_download(download_id);
    }
    Marking mark_pushed(const WaitingDownload& download, const QDateTime& when) override {
        return queue_.mark_pushed(download, when);
    }
    bool keep_server_side(int64_t download_id, int64_t revision,
                          const TeamDownload* taken) override {
        return queue_.keep_server_side(download_id, revision, taken);
    }
    std::optional<QDateTime> last_push() override { return queue_.last_push(); }

    std::optional<std::map<QString, TeamCopyState>> team_copies() override;
    bool keep_team_copy(const StoredTeamDownload& stored) override;
    bool drop_team_copy(const QString& uuid) override;
    bool keep_team_plans(const std::vector<TeamPlan>& plans) override;
    bool keep_team_summaries(const std::vector<TeamCopySummary>& summaries) override;

    // Whether the download is held by its summary alone; nothing on a fault.
    std::optional<bool> summary_only(int64_t download_id) {
        return held_by_summary(file_, download_id);
    }
    // Those held by summary alone that came before the download at its site and location, by
    // UUID, newest first; nothing on a fault.
    std::optional<std::vector<QString>> summaries_before(int64_t download_id);

  private:
    QtSqliteFile& file_;
    QtSqlitePushQueue queue_;
};

}  // namespace eqbond
