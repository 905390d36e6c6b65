#pragma once
// The team archive in the running program: with a server in the settings, the background pusher
// of the local archive, its status line in the archive window and the server's dialog. Without
// one the program works as it always did.
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "team/team_push_status.h"
#include "team/team_server_address.h"

class QWidget;

namespace eqbond {
class QtSqliteFile;
class QtTeamPusher;
struct Program;
}  // namespace eqbond

namespace eqbond::ui {

class TeamArchiveView;
class TeamStatusLine;

class TeamHookup : public QObject {
    Q_OBJECT
  public:
    // `enabled` is false for the demo, whose downloads are no one's.
    TeamHookup(Program& program, QtSqliteFile& archive, bool enabled, QObject* parent = nullptr);
    ~TeamHookup() override;

    // Puts the status line at the bottom of the archive window, and the team view in it.
    void attach(QWidget& archive_window);
    QtTeamPusher* pusher() const { return pusher_.get(); }
    TeamStatusLine* status_line() const;
    TeamArchiveView* team_view() const;
    // Opens the server's dialog; what it accepts is saved and used at once.
    void show_dialog();

  private:
    // Starts the pusher again with the server in the settings, or stops it without one.
    void restart();
    void show_status();
    // Shows the team's downloads in place of the window's own, or the window's own again.
    void show_view(bool team);

    Program& program_;
    QtSqliteFile& archive_;
    bool enabled_;
    QString password_;  // typed this run; never written anywhere
    std::unique_ptr<QtTeamPusher> pusher_;
    std::optional<TeamPushStatus> status_;
    std::optional<TeamServerAddress> address_;  // of the running pusher, password included
    QPointer<TeamStatusLine> line_;
    QPointer<TeamArchiveView> view_;
    QList<QPointer<QWidget>> local_view_;  // the archive window's own widgets
};

}  // namespace eqbond::ui
