#pragma once
// A copy of the team archive in an SQLite file of the archive's layout: the team view browses,
// compares, exports and reports on it as on this computer's archive, and it stays readable off
// the network. Its changes wait to be pushed as this computer's own downloads do.
#include <QString>
#include <map>
#include <optional>

#include "team/qt_sqlite_push_queue.h"

namespace eqbond {

// Where the team view keeps its copy of the team archive: beside this computer's archive.
QString team_copy_file(const QString& archive_file);

class QtSqliteTeamCopy : public TeamCopyStore {
  public:
    explicit QtSqliteTeamCopy(QtSqliteFile& file) : file_(file), queue_(file) {}

    std::optional<std::vector<WaitingDownload>> waiting() override { return queue_.waiting(); }
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

  private:
    QtSqliteFile& file_;
    QtSqlitePushQueue queue_;
};

}  // namespace eqbond
