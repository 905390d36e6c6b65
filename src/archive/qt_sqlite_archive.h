#pragma once
// The archive's downloads in its SQLite file: one transaction per download, listed newest first
// with the lowest, highest and failing values read from the rank index. The free functions let
// the stores of the other sides of the file work on downloads inside their own statements.
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <optional>

#include "archive/archive_port.h"
#include "archive/qt_sqlite_file.h"

class QSqlQuery;

namespace eqbond {

class QtSqliteArchive : public Archive {
  public:
    explicit QtSqliteArchive(QtSqliteFile& file) : file_(file) {}

    QString file() const override { return file_.file(); }
    std::optional<ArchiveFault> fault() const override { return file_.fault(); }
    std::optional<int64_t> save_download(const Download& download,
                                         const std::vector<Group>& groups) override;
    std::vector<DownloadSummary> list(std::optional<BondingLimit> limit) override;
    std::optional<ArchivedDownload> load(int64_t id) override;
    bool delete_download(int64_t id) override;

  private:
    QtSqliteFile& file_;
};

// Inside a transaction: a download and its groups, under `id_wanted` unless it is NULL, known by
// `uuid` (a new one when empty); its id, or nothing on a fault.
std::optional<int64_t> insert_download(QtSqliteFile& file, QSqlQuery& query,
                                       const Download& download, const std::vector<Group>& groups,
                                       const QVariant& id_wanted = {},
                                       const QString& uuid = QString());

// The rows of a listing, newest first: each download's summary, read with `more_columns` (from
// schema::kFirstMoreColumn on) from `from` (the downloads table as d, joins and a condition whose
// parameters are `values`). False on a fault.
using ListedRow = std::function<void(const QSqlQuery& row, DownloadSummary summary)>;
bool list_downloads(QtSqliteFile& file, std::optional<BondingLimit> limit,
                    const QString& more_columns, const QString& from, const QVariantList& values,
                    const ListedRow& listed);

// One download with its groups in group order; nothing on a fault or an unknown id.
std::optional<ArchivedDownload> load_download(QtSqliteFile& file, int64_t id);

}  // namespace eqbond
