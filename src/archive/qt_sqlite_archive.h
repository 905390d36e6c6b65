#pragma once
// The archive in one SQLite file through Qt SQL: write-ahead log, so a download being written
// never spoils the earlier ones; the layout's version in user_version, brought forward on open;
// one transaction per download; values always bound, never written into the SQL text.
#include <QObject>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <functional>
#include <map>

#include "archive/archive_port.h"
#include "archive/push_queue.h"

class QSqlQuery;

namespace eqbond {

// A copy of a team download: the server's time of its push, and whether it was changed here
// since (a change in the team view not yet taken by the server).
struct TeamCopyState {
    int64_t pushed_ms = 0;
    bool changed_here = false;
};

class QtSqliteArchive : public QObject, public Archive, public PushQueue {
    Q_OBJECT
  public:
    // The layout this program writes; older ones are brought forward when opened.
    static constexpr int kSchemaVersion = 5;

    explicit QtSqliteArchive(QObject* parent = nullptr);
    ~QtSqliteArchive() override;

    // Opens the archive at `file`, making it and its folder when missing. False with fault() set.
    bool open(const QString& file);

    QString file() const override { return file_; }
    std::optional<ArchiveFault> fault() const override { return fault_; }
    std::optional<int64_t> save_download(const Download& download,
                                         const std::vector<Group>& groups) override;
    std::vector<DownloadSummary> list(std::optional<BondingLimit> limit) override;
    std::optional<ArchivedDownload> load(int64_t id) override;
    bool delete_download(int64_t id) override;

    std::vector<Site> sites() override;
    std::optional<Site> site_named(const QString& name) override;
    bool update_site(const Site& site) override;
    SiteDeletion delete_site(int64_t site_id) override;
    std::optional<InspectionDetails> details(int64_t download_id) override;
    bool set_details(int64_t download_id, const InspectionDetails& details) override;
    bool set_label(int64_t download_id, int32_t number,
                   const std::optional<QString>& label) override;
    bool set_labels(int64_t download_id, const PointLabels& labels) override;
    bool save_plan(int64_t site_id, const QString& location, const QStringList& labels) override;
    QStringList plan(int64_t site_id, const QString& location) override;
    std::vector<DownloadSummary> list_site(int64_t site_id,
                                           std::optional<BondingLimit> limit) override;
    QStringList locations(int64_t site_id) override;
    std::vector<PointValue> point_history(int64_t site_id, const QString& location,
                                          const QString& label) override;
    PreviousValues previous_values(int64_t download_id) override;

    std::optional<QString> uuid(int64_t download_id) override;
    std::optional<std::vector<WaitingDownload>> waiting() override;
    std::optional<TeamDownload> team_download(int64_t download_id) override;
    bool mark_pushed(const WaitingDownload& download, const QDateTime& when) override;
    std::optional<QDateTime> last_push() override;

    // A copy of the team archive kept in this file (qt_sqlite_team_copies.cpp): the copies held,
    // by UUID; one copied again whole, in one transaction, keeping its id; one dropped.
    std::optional<std::map<QString, TeamCopyState>> team_copies();
    bool keep_team_copy(const StoredTeamDownload& stored);
    bool drop_team_copy(const QString& uuid);

  signals:
    // A download was added, deleted or given details or labels; a site was added or changed.
    void changed();

  private:
    bool usable() const { return opened_ && !fault_; }
    // Records the fault (the first one stays) and returns false.
    bool fail(const QSqlError& error);
    bool fail(ArchiveFaultKind kind, const QString& detail);
    bool run(QSqlQuery& query);
    bool run(QSqlQuery& query, const QString& sql);
    bool run_in_transaction(const std::function<bool(QSqlQuery&)>& work);
    bool check_layout(int* version);
    bool bring_forward(QSqlQuery& query, int from_version);
    bool fill_ranks(QSqlQuery& query);
    bool fill_uuids(QSqlQuery& query);
    std::vector<DownloadSummary> list_where(std::optional<int64_t> site_id,
                                            std::optional<BondingLimit> limit);
    // A prepared query with `values` bound in order, run; false on a fault.
    bool run_with(QSqlQuery& query, const QString& sql, const QVariantList& values);
    // The rows of a read that ended: false, after recording it, when the read failed midway.
    bool read_through(QSqlQuery& query);
    // Inserts a download and its groups, under `id_wanted` unless it is NULL; its id.
    std::optional<int64_t> insert_download(QSqlQuery& query, const Download& download,
                                           const std::vector<Group>& groups,
                                           const QVariant& id_wanted, const QString& uuid);
    bool write_labels(QSqlQuery& query, int64_t download_id, const PointLabels& labels);

    QString connection_;
    QString file_;
    bool opened_ = false;
    std::optional<ArchiveFault> fault_;
};

}  // namespace eqbond
