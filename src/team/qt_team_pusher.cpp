#include "team/qt_team_pusher.h"

#include "team/qt_team_push_worker.h"

namespace eqbond {

QtTeamPusher::QtTeamPusher(const QString& archive_file, const TeamServerAddress& address,
                           std::chrono::milliseconds retry_base, QObject* parent)
    : QObject(parent),
      worker_(std::make_unique<TeamPushWorker>(archive_file, with_connect_timeout(address),
                                               retry_base)) {
    qRegisterMetaType<TeamPushStatus>();
    qRegisterMetaType<TeamFault>();
    thread_.setObjectName(QStringLiteral("eqbond-team-push"));
    worker_->moveToThread(&thread_);
    connect(worker_.get(), &TeamPushWorker::status_changed, this, &QtTeamPusher::status_changed,
            Qt::QueuedConnection);
    connect(worker_.get(), &TeamPushWorker::fault_reported, this, &QtTeamPusher::fault_reported,
            Qt::QueuedConnection);
}

QtTeamPusher::~QtTeamPusher() {
    if (thread_.isRunning()) {
        // Waits for a round under way: a push is one transaction, cut short it would only be
        // done again.
        QMetaObject::invokeMethod(worker_.get(), &TeamPushWorker::shut_down,
                                  Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
}

void QtTeamPusher::start() {
    thread_.start();
    push_now();
}

void QtTeamPusher::push_now() {
    QMetaObject::invokeMethod(worker_.get(), &TeamPushWorker::push_now, Qt::QueuedConnection);
}

void QtTeamPusher::push_soon() {
    QMetaObject::invokeMethod(worker_.get(), &TeamPushWorker::push_soon, Qt::QueuedConnection);
}

}  // namespace eqbond
