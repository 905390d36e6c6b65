#pragma once
// Pushes the local archive's waiting downloads to the team archive in the background: its own
// thread with its own connections to the archive file and the server, reporting back by queued
// signals, so the window never waits for the network. It pushes when started, when told the
// archive changed and when asked; a server that cannot be used is tried again after growing
// pauses, and each fault is reported once until it changes or goes.
#include <QObject>
#include <QString>
#include <QThread>
#include <chrono>
#include <memory>

#include "team/team_push_status.h"
#include "team/team_server_address.h"

namespace eqbond {

class TeamPushWorker;

class QtTeamPusher : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kRetryBase{5000};
    // How long closing waits for a round on the network; a longer one ends on its own after.
    static constexpr std::chrono::milliseconds kCloseWait{2000};

    // Pushes from the archive in `archive_file` to the server at `address`; nothing happens
    // before start().
    QtTeamPusher(const QString& archive_file, const TeamServerAddress& address,
                 std::chrono::milliseconds retry_base = kRetryBase, QObject* parent = nullptr);
    ~QtTeamPusher() override;

    void start();

  public slots:
    // The user asks: at once, even during a pause after a fault.
    void push_now();
    // The archive changed: at once, unless a pause after a fault is running.
    void push_soon();

  signals:
    // After every round.
    void status_changed(const eqbond::TeamPushStatus& status);
    // A fault other than the last one reported; the same fault again stays quiet.
    void fault_reported(const eqbond::TeamFault& fault);

  private:
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<TeamPushWorker> worker_;  // lives on thread_, deleted after it ended
};

}  // namespace eqbond
