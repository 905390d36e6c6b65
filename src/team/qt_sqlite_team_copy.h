#pragma once
// A copy of the team archive in an SQLite file of the archive's layout: the team view browses,
// compares, exports and reports on it as on this computer's archive, and it stays readable off
// the network. Its changes wait to be pushed as this computer's own downloads do.
#include <QString>
#include <map>
#include <optional>

#include "team/qt_sqlite_push_queue.h"

namespace eqbond {

// A copy of a team download: the server's time of its push, and whether it was changed here
// since (a change in the team view not yet taken by the server).
struct TeamCopyState {
    int64_t pushed_ms = 0;
    bool changed_here = false;
};

// Where the team view keeps its copy of the team archive: beside this computer's archive.
QString team_copy_file(const QString& archive_file);

class QtSqliteTeamCopy : public QtSqlitePushQueue {
  public:
    using QtSqlitePushQueue::QtSqlitePushQueue;

    // The copies held, by UUID; nothing on a fault.
    std::optional<std::map<QString, TeamCopyState>> team_copies();
    // One copied again whole, in one transaction, keeping its id.
    bool keep_team_copy(const StoredTeamDownload& stored);
    bool drop_team_copy(const QString& uuid);
};

}  // namespace eqbond
