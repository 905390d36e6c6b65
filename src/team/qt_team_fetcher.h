#pragma once
// Reads the groups of downloads opened in the team view into its copy, on a thread of its own
// with one connection kept between reads: opening a download costs no new connection. Reports
// back by a queued signal, so the window never waits for the network.
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

#include "team/team_server_address.h"

namespace eqbond {

class QtSqliteFile;
class QtTeamStore;

// Lives on the fetcher's thread.
class TeamFetchWorker : public QObject {
    Q_OBJECT
  public:
    TeamFetchWorker(const QString& copy_file, const TeamServerAddress& address);
    ~TeamFetchWorker() override;

  public slots:
    // Opens the copy and connects, so that the first download opened waits for neither.
    bool get_ready();
    // The download whole, or those before it at its site and location when `earlier`.
    void fetch(qint64 download_id, const QString& uuid, bool earlier);
    void shut_down();

  signals:
    // `fetched` downloads now held whole; `failed` when the copy or the server could not be used.
    void done(qint64 download_id, bool earlier, int fetched, bool failed);

  private:
    QString copy_file_;
    TeamServerAddress address_;
    std::unique_ptr<QtSqliteFile> copy_;
    std::unique_ptr<QtTeamStore> store_;
    bool connected_ = false;
};

class QtTeamFetcher : public QObject {
    Q_OBJECT
  public:
    QtTeamFetcher(const QString& copy_file, const TeamServerAddress& address,
                  QObject* parent = nullptr);
    // Waits for a read under way until `deadline`; one still on the network after it ends by
    // the connection's own time limits, and takes the thread along.
    void stop(QDeadlineTimer deadline);
    ~QtTeamFetcher() override { stop(QDeadlineTimer(0)); }

    void fetch(int64_t download_id, const QString& uuid, bool earlier);

  signals:
    void done(qint64 download_id, bool earlier, int fetched, bool failed);

  private:
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<TeamFetchWorker> worker_;  // lives on thread_, deleted after it ended
};

}  // namespace eqbond
