#include "team/qt_team_fetcher.h"

#include "archive/qt_sqlite_file.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/qt_team_fetch.h"
#include "team/qt_team_store.h"
#include "team/team_push_status.h"

namespace eqbond {

TeamFetchWorker::TeamFetchWorker(const QString& copy_file, const TeamServerAddress& address)
    : copy_file_(copy_file), address_(address) {}

TeamFetchWorker::~TeamFetchWorker() = default;

bool TeamFetchWorker::get_ready() {
    // Made on this thread, which alone uses them.
    if (!copy_) {
        copy_ = std::make_unique<QtSqliteFile>();
        copy_->open(copy_file_);
    }
    if (!store_) store_ = std::make_unique<QtTeamStore>();
    // Once connected, the store connects again by itself after the server was out of reach.
    if (!connected_) connected_ = store_->connect(address_);
    return connected_;
}

void TeamFetchWorker::fetch(qint64 download_id, const QString& uuid, bool earlier) {
    if (!get_ready()) {
        emit done(download_id, earlier, 0, true);
        return;
    }
    QtSqliteTeamCopy copy(*copy_);
    const TeamFetch fetched = earlier ? fetch_earlier(copy, *store_, download_id)
                                      : fetch_opened(copy, *store_, download_id, uuid);
    emit done(download_id, earlier, fetched.fetched,
              fetched.fault.has_value() || fetched.local_fault);
}

void TeamFetchWorker::shut_down() {
    store_.reset();
    copy_.reset();
    thread()->quit();
}

QtTeamFetcher::QtTeamFetcher(const QString& copy_file, const TeamServerAddress& address,
                             QObject* parent)
    : QObject(parent),
      thread_(std::make_unique<QThread>()),
      worker_(std::make_unique<TeamFetchWorker>(copy_file, with_connect_timeout(address))) {
    thread_->setObjectName(QStringLiteral("eqbond-team-fetch"));
    worker_->moveToThread(thread_.get());
    connect(worker_.get(), &TeamFetchWorker::done, this, &QtTeamFetcher::done,
            Qt::QueuedConnection);
    thread_->start();
    QMetaObject::invokeMethod(worker_.get(), &TeamFetchWorker::get_ready, Qt::QueuedConnection);
}

void QtTeamFetcher::stop(QDeadlineTimer deadline) {
    if (!thread_ || !thread_->isRunning()) return;
    QMetaObject::invokeMethod(worker_.get(), &TeamFetchWorker::shut_down, Qt::QueuedConnection);
    if (thread_->wait(deadline)) return;
    disconnect(worker_.get(), nullptr, this, nullptr);
    QThread* const thread = thread_.release();
    TeamFetchWorker* const worker = worker_.release();
    connect(thread, &QThread::finished, worker, &QObject::deleteLater, Qt::DirectConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void QtTeamFetcher::fetch(int64_t download_id, const QString& uuid, bool earlier) {
    QMetaObject::invokeMethod(
        worker_.get(),
        [worker = worker_.get(), download_id, uuid, earlier] {
            worker->fetch(download_id, uuid, earlier);
        },
        Qt::QueuedConnection);
}

}  // namespace eqbond
