#pragma once
// The background pusher's half on its own thread. Everything it holds is made, used and
// destroyed there: database connections belong to their thread.
#include <QObject>
#include <QTimer>
#include <memory>

#include "archive/qt_sqlite_file.h"
#include "team/qt_sqlite_push_queue.h"
#include "team/qt_team_store.h"
#include "team/team_push_status.h"

namespace eqbond {

class TeamPushWorker : public QObject {
    Q_OBJECT
  public:
    TeamPushWorker(const QString& archive_file, const TeamServerAddress& address,
                   std::chrono::milliseconds retry_base);

  public slots:
    void push_now();
    void push_soon();
    // Closes the connections and ends the thread; the last call on it.
    void shut_down();

  signals:
    void status_changed(const eqbond::TeamPushStatus& status);
    void fault_reported(const eqbond::TeamFault& fault);

  private:
    void round();
    bool connected();
    void failed(const TeamFault& fault, bool retry);
    void retry_after(std::chrono::milliseconds pause);

    QString archive_file_;
    TeamServerAddress address_;
    std::chrono::milliseconds retry_base_;
    std::unique_ptr<QtSqliteFile> archive_;
    std::unique_ptr<QtSqlitePushQueue> queue_;
    std::unique_ptr<QtTeamStore> store_;
    std::unique_ptr<QTimer> retry_;
    TeamPushStatus status_;
    int failures_ = 0;            // failed rounds in a row
    bool login_refused_ = false;  // no more rounds until push_now()
    std::optional<TeamFault> reported_;
};

}  // namespace eqbond
