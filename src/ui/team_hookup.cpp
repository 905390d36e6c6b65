#include "ui/team_hookup.h"

#include <QBoxLayout>
#include <QWidget>

#include "archive/qt_sqlite_file.h"
#include "base/program_settings.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/qt_team_pusher.h"
#include "ui/archive_window.h"
#include "ui/team_archive_view.h"
#include "ui/team_dialog.h"
#include "ui/team_status.h"

namespace eqbond::ui {

TeamHookup::TeamHookup(Program& program, QtSqliteFile& archive, bool enabled, QObject* parent)
    : QObject(parent), program_(program), archive_(archive), enabled_(enabled) {
    restart();
}

TeamHookup::~TeamHookup() = default;

TeamStatusLine* TeamHookup::status_line() const {
    return line_;
}

TeamArchiveView* TeamHookup::team_view() const {
    return view_;
}

void TeamHookup::restart() {
    pusher_.reset();
    status_.reset();
    address_.reset();
    const QString server = ProgramSettings().value(kTeamServerSetting).toString().trimmed();
    if (enabled_ && !server.isEmpty() && !archive_.fault()) {
        QString why;
        std::optional<TeamServerAddress> address = read_team_server_address(server, &why);
        if (address) {
            if (address->password.isEmpty()) address->password = password_;
            address_ = address;
            pusher_ = std::make_unique<QtTeamPusher>(archive_.file(), *address);
            connect(pusher_.get(), &QtTeamPusher::status_changed, this,
                    [this](const TeamPushStatus& status) {
                        // What was just pushed shows in an open team view too.
                        const bool pushed = status.last_push &&
                                            (!status_ || status_->last_push != status.last_push);
                        // The server answers again, found on the pusher's pauses: the team view
                        // catches up without a storm of its own.
                        const bool back =
                            status_ && status_->fault && !status.fault && view_ && view_->stale();
                        status_ = status;
                        show_status();
                        if ((pushed || back) && view_ && view_->isVisible())
                            view_->bring_up_to_date();
                        // Written by the pusher's own connection, which tells no window: the
                        // archive window reads what was pulled and the conflicts found.
                        if (status.pulled > 0 || status.conflicts > 0)
                            if (auto* window = qobject_cast<ArchiveWindow*>(
                                    line_ ? line_->parentWidget() : nullptr))
                                window->refresh();
                    });
            connect(&archive_, &QtSqliteFile::changed, pusher_.get(), &QtTeamPusher::push_soon);
            pusher_->start();
        } else {
            TeamPushStatus unreadable;
            unreadable.fault = TeamFault{TeamFaultKind::BadAddress, why};
            status_ = unreadable;
        }
    }
    if (view_) view_->set_server(address_);
    show_status();
}

void TeamHookup::show_status() {
    if (line_) line_->show_status(enabled_ && (pusher_ || status_), status_);
}

void TeamHookup::attach(QWidget& archive_window) {
    line_ = new TeamStatusLine(&archive_window);
    if (auto* column = qobject_cast<QBoxLayout*>(archive_window.layout())) {
        for (int i = 0; i < column->count(); ++i)
            if (QWidget* own = column->itemAt(i)->widget()) local_view_ << own;
        column->addWidget(line_);
    }
    connect(line_, &TeamStatusLine::view_asked, this, &TeamHookup::show_view);
    connect(line_, &TeamStatusLine::push_asked, this, [this] {
        if (pusher_) pusher_->push_now();
    });
    connect(line_, &TeamStatusLine::setup_asked, this, &TeamHookup::show_dialog);
    show_status();
}

void TeamHookup::show_view(bool team) {
    if (team && !view_ && line_) {
        // Made when first asked for: its copy of the team archive is a file beside this one.
        QWidget* archive_window = line_->parentWidget();
        view_ = new TeamArchiveView(program_, team_copy_file(archive_.file()), archive_window);
        view_->set_server(address_);
        // The pusher's next round finds out when the server answers again.
        connect(view_, &TeamArchiveView::server_lost, this, [this] {
            if (pusher_) pusher_->push_soon();
        });
        if (auto* column = qobject_cast<QBoxLayout*>(archive_window->layout()))
            column->insertWidget(column->indexOf(line_), view_, 1);
    }
    if (!view_) return;
    for (const QPointer<QWidget>& own : local_view_)
        if (own) own->setVisible(!team);
    view_->setVisible(team);
    if (team) view_->bring_up_to_date();
}

void TeamHookup::show_dialog() {
    TeamDialog dialog(ProgramSettings().value(kTeamServerSetting).toString(), password_,
                      line_ ? line_->window() : nullptr);
    if (dialog.exec() != QDialog::Accepted) return;
    // The settings keep the address only: a password typed into the field itself is dropped.
    QString why;
    const std::optional<TeamServerAddress> address =
        read_team_server_address(dialog.server(), &why);
    const QString kept =
        address && !address->password.isEmpty() ? address->shown() : dialog.server();
    ProgramSettings().setValue(kTeamServerSetting, kept);
    if (address && !address->password.isEmpty())
        password_ = address->password;
    else
        password_ = dialog.password();
    restart();
}

}  // namespace eqbond::ui
