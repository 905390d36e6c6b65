#include "team/qt_team_pusher.h"

#include "team/qt_team_push_worker.h"

namespace eqbond {

QtTeamPusher::QtTeamPusher(const QString& archive_file, const TeamServerAddress& address,
                           std::chrono::milliseconds retry_base, QObject* parent)
    : QObject(parent),
      thread_(std::make_unique<QThread>()),
      worker_(std::make_unique<TeamPushWorker>(archive_file, with_connect_timeout(address),
                                               retry_base)) {
    qRegisterMetaType<TeamPushStatus>();
    qRegisterMetaType<TeamFault>();
    thread_->setObjectName(QStringLiteral("eqbond-team-push"));
    worker_->moveToThread(thread_.get());
    connect(worker_.get(), &TeamPushWorker::status_changed, this, &QtTeamPusher::status_changed,
            Qt::QueuedConnection);
    connect(worker_.get(), &TeamPushWorker::fault_reported, this, &QtTeamPusher::fault_reported,
            Qt::QueuedConnection);
}

QtTeamPusher::~QtTeamPusher() {
    if (!thread_->isRunning()) return;
    // A push is one transaction, cut short it would only be done again: a round under way may
    // finish, for a moment. The worker ends its thread once it has shut down.
    QMetaObject::invokeMethod(worker_.get(), &TeamPushWorker::shut_down, Qt::QueuedConnection);
    if (thread_->wait(QDeadlineTimer(kCloseWait))) return;
    // Still on the network: the thread ends by the connection's own time limits, and takes the
    // worker and itself along; the window closes now.
    disconnect(worker_.get(), nullptr, this, nullptr);
    QThread* const thread = thread_.release();
    TeamPushWorker* const worker = worker_.release();
    connect(thread, &QThread::finished, worker, &QObject::deleteLater, Qt::DirectConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void QtTeamPusher::start() {
    thread_->start();
    push_now();
}

void QtTeamPusher::push_now() {
    QMetaObject::invokeMethod(worker_.get(), &TeamPushWorker::push_now, Qt::QueuedConnection);
}

void QtTeamPusher::push_soon() {
    QMetaObject::invokeMethod(worker_.get(), &TeamPushWorker::push_soon, Qt::QueuedConnection);
}

}  // namespace eqbond
