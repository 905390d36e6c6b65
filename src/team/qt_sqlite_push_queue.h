#pragma once
// The local archive's side of the team archive, in its SQLite file: which downloads wait to be
// pushed, what a push of one carries (with the server's revision it was last merged with), and
// the mark that it went.
#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "team/team_ports.h"

namespace eqbond {

class QtSqlitePushQueue : public PushQueue {
  public:
    explicit QtSqlitePushQueue(QtSqliteFile& file) : file_(file), inspections_(file) {}

    std::optional<std::vector<WaitingDownload>> waiting() override;
    std::optional<TeamDownload> team_download(int64_t download_id) override;
    Marking mark_pushed(const WaitingDownload& download, const QDateTime& when) override;
    bool keep_server_side(int64_t download_id, int64_t revision,
                          const TeamDownload* taken) override;
    bool keep_conflicts(int64_t download_id, const std::vector<TeamConflict>& conflicts) override;
    bool mark_deleted_there(int64_t download_id) override;
    std::optional<QDateTime> last_push() override;
    std::optional<std::vector<HadDownload>> had_by_server() override;

  private:
    QtSqliteFile& file_;
    QtSqliteInspections inspections_;
};

}  // namespace eqbond
