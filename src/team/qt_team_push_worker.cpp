#include "team/qt_team_push_worker.h"

#include <QThread>

#include "team/issued_push_round.h"
#include "team/qt_sqlite_issued_queue.h"
#include "team/qt_team_register_round.h"
#include "team/team_pull_round.h"
#include "team/team_push_round.h"

namespace eqbond {

TeamPushWorker::TeamPushWorker(const QString& archive_file, const TeamServerAddress& address,
                               std::chrono::milliseconds retry_base)
    : archive_file_(archive_file), address_(address), retry_base_(retry_base) {}

void TeamPushWorker::push_now() {
    if (retry_) retry_->stop();
    login_refused_ = false;
    round();
}

void TeamPushWorker::push_soon() {
    // During a pause after a fault the change waits for the pause to end; after a refused login
    // it waits for the user or new settings.
    if ((retry_ && retry_->isActive()) || login_refused_) return;
    round();
}

void TeamPushWorker::shut_down() {
    retry_.reset();
    store_.reset();
    queue_.reset();
    archive_.reset();
    QThread::currentThread()->quit();
}

bool TeamPushWorker::connected() {
    if (store_) return true;
    auto store = std::make_unique<QtTeamStore>();
    if (!store->connect(address_)) {
        const TeamFault fault = store->fault().value_or(
            TeamFault{TeamFaultKind::Unreachable, QStringLiteral("no word from the server")});
        // Only a server out of reach or busy may answer otherwise later: a refused login, a
        // missing permission or layout stays until the user asks or the settings change.
        login_refused_ =
            fault.kind != TeamFaultKind::Unreachable && fault.kind != TeamFaultKind::Busy;
        failed(fault, !login_refused_);
        return false;
    }
    store_ = std::move(store);
    return true;
}

void TeamPushWorker::round() {
    ++status_.attempts;
    if (!archive_) {
        archive_ = std::make_unique<QtSqliteFile>();
        archive_->open(archive_file_);
        queue_ = std::make_unique<QtSqlitePushQueue>(*archive_);
    }
    // A local archive that cannot be used has nothing to push; the window says why.
    if (!archive_->usable()) return;
    if (!connected()) return;
    const PushRound pushed = push_waiting(*queue_, *store_);
    if (pushed.local_fault) {
        // Another program held the file for a moment: the round is tried again after a pause.
        if (archive_->usable()) retry_after(team_retry_pause(1, retry_base_));
        return;
    }
    status_.last_push = queue_->last_push();
    status_.pulled = 0;
    status_.conflicts = 0;
    if (pushed.fault && !refuses_one_download(pushed.fault->kind)) {
        failed(*pushed.fault, true);
        return;
    }
    // The reports issued here go after the downloads they tell of.
    QtSqliteIssuedQueue issued_queue(*archive_);
    const IssuedPushRound issued = push_issued_waiting(issued_queue, *store_);
    if (issued.local_fault) {
        if (archive_->usable()) retry_after(team_retry_pause(1, retry_base_));
        return;
    }
    // What waits is downloads and reports alike: "all pushed" means both.
    status_.waiting = pushed.waiting + issued.waiting;
    if (issued.fault) {
        failed(*issued.fault, true);
        return;
    }
    // What the office changed comes here after each push, as `team pull` brings it.
    const PullRound pulled = pull_changed(*queue_, *store_);
    status_.pulled = pulled.pulled;
    status_.conflicts = int(pushed.conflicts.size() + pulled.conflicts.size());
    if (pulled.local_fault) {
        if (archive_->usable()) retry_after(team_retry_pause(1, retry_base_));
        emit status_changed(status_);
        return;
    }
    if (pulled.fault) {
        failed(*pulled.fault, true);
        return;
    }
    if (pushed.fault) {
        // A refusal by the server's rules is no reason to try again soon: nothing would change.
        failed(*pushed.fault, false);
        return;
    }
    if (!issued.refused.empty()) {
        // Nor is a report the server refused, or another laptop's report of the same number.
        failed(issued_refusal(issued.refused.front()), false);
        return;
    }
    // The instrument register goes with every round, as with `team push`; a local fault leaves
    // it for the next round. Reading it also tells that the server still answers, so "all
    // pushed" is never said when nothing went to a server that is gone.
    QtSqlitePlanning planning(*archive_);
    const RegisterRound instruments = exchange_register(*store_, planning);
    if (instruments.fault) {
        failed(*instruments.fault, !refuses_one_download(instruments.fault->kind));
        return;
    }
    failures_ = 0;
    reported_.reset();
    status_.fault.reset();
    status_.fault_since.reset();
    status_.retry_in = std::chrono::milliseconds(0);
    emit status_changed(status_);
}

void TeamPushWorker::failed(const TeamFault& fault, bool retry) {
    if (queue_)
        if (const auto waiting = queue_->waiting()) {
            const auto issued = QtSqliteIssuedQueue(*archive_).waiting_issued();
            status_.waiting = int(waiting->size() + (issued ? issued->size() : 0));
        }
    if (!status_.fault) status_.fault_since = QDateTime::currentDateTime();
    status_.fault = fault;
    status_.retry_in = std::chrono::milliseconds(0);
    if (retry) {
        status_.retry_in = team_retry_pause(++failures_, retry_base_);
        retry_after(status_.retry_in);
    }
    if (!reported_ || reported_->kind != fault.kind) {
        reported_ = fault;
        emit fault_reported(fault);
    }
    emit status_changed(status_);
}

void TeamPushWorker::retry_after(std::chrono::milliseconds pause) {
    if (!retry_) {
        retry_ = std::make_unique<QTimer>();
        retry_->setSingleShot(true);
        connect(retry_.get(), &QTimer::timeout, this, &TeamPushWorker::round);
    }
    retry_->start(pause);
}

}  // namespace eqbond
