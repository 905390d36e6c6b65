#pragma once
// The archive in one SQLite file through Qt SQL: write-ahead log, so a download being written
// never spoils the earlier ones; the layout's version in user_version, brought forward on open;
// one transaction per download; values always bound, never written into the SQL text.
#include <QObject>
#include <QSqlError>
#include <QString>
#include <functional>

#include "archive/archive_port.h"

class QSqlQuery;

namespace eqbond {

class QtSqliteArchive : public QObject, public Archive {
    Q_OBJECT
  public:
    // The layout this program writes; older ones are brought forward when opened.
    static constexpr int kSchemaVersion = 2;

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

  signals:
    // A download was added or deleted.
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

    QString connection_;
    QString file_;
    bool opened_ = false;
    std::optional<ArchiveFault> fault_;
};

}  // namespace eqbond
