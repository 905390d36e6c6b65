#include "ui/team_history_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QThread>
#include <QVBoxLayout>

#include "program/team_status_view.h"
#include "team/qt_team_store.h"
#include "team/team_push_status.h"
#include "team/team_texts.h"

namespace eqbond::ui {

namespace {
// How long closing waits for a read on the network, as for the team view's round.
constexpr int kCloseWait = 2000;

struct HistoryOutcome {
    QStringList lines;
    std::optional<TeamFault> fault;
};
}  // namespace

TeamHistoryPanel::TeamHistoryPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TeamHistory"));
    lines_ = new QPlainTextEdit(this);
    lines_->setObjectName(QStringLiteral("TeamHistoryLines"));
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setMaximumHeight(140);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(text::kTeamHistoryHeading, this));
    column->addWidget(lines_);
}

TeamHistoryPanel::~TeamHistoryPanel() {
    stop(QDeadlineTimer(kCloseWait));
}

void TeamHistoryPanel::stop(QDeadlineTimer deadline) {
    address_.reset();
    wanted_.reset();
    if (!thread_ || thread_->wait(deadline)) return;
    // A read still on the network holds nothing of this panel: it ends by the connection's own
    // time limits and takes its thread along.
    thread_->disconnect(this);
    QThread* const thread = thread_.release();
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    running_ = false;
}

void TeamHistoryPanel::set_server(const std::optional<TeamServerAddress>& address) {
    address_ = address;
}

void TeamHistoryPanel::show_download(const std::optional<QString>& uuid) {
    if (running_) {
        wanted_ = uuid;
        return;
    }
    read(uuid);
}

void TeamHistoryPanel::read(const std::optional<QString>& uuid) {
    wanted_.reset();
    if (!uuid || !address_) {
        lines_->clear();
        emit read_finished();
        return;
    }
    if (thread_) thread_->wait();
    auto outcome = std::make_shared<HistoryOutcome>();
    const TeamServerAddress address = with_connect_timeout(*address_);
    const QString wanted = *uuid;
    thread_.reset(QThread::create([outcome, address, wanted] {
        QtTeamStore store;
        std::optional<std::vector<TeamHistoryEntry>> entries;
        if (store.connect(address)) entries = store.history(wanted);
        if (!entries) {
            outcome->fault = store.fault().value_or(TeamFault{});
            return;
        }
        for (const TeamHistoryEntry& entry : *entries) outcome->lines << team_history_line(entry);
    }));
    connect(thread_.get(), &QThread::finished, this, [this, outcome] {
        running_ = false;
        lines_->setPlainText(
            outcome->fault ? text::kTeamHistoryUnreadable.arg(team_fault_text(outcome->fault->kind))
                           : outcome->lines.join(QLatin1Char('\n')));
        if (wanted_) {
            read(*wanted_);
            return;
        }
        emit read_finished();
    });
    running_ = true;
    thread_->start();
}

}  // namespace eqbond::ui
