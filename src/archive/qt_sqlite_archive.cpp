#include "archive/qt_sqlite_archive.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUuid>
#include <QVariant>
#include <atomic>

#include "archive/archive_schema.h"
#include "archive/qt_sqlite_rows.h"
#include "base/value_format.h"

namespace eqbond {

namespace {

// SQLite's primary result codes, as Qt's driver reports them.
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADatabase = 26;
// How long a write waits for another program's transaction before the archive gives up.
constexpr int kBusyTimeoutMs = 1000;
// Free space below which an I/O error is taken for a full disk.
constexpr qint64 kNearlyFullBytes = 1 << 20;

ArchiveFaultKind kind_of(int sqlite_code) {
    switch (sqlite_code) {
        case kSqliteBusy:
        case kSqliteLocked:
            return ArchiveFaultKind::Locked;
        case kSqlitePerm:
        case kSqliteReadOnly:
            return ArchiveFaultKind::ReadOnly;
        case kSqliteCorrupt:
        case kSqliteNotADatabase:
            return ArchiveFaultKind::NotArchive;
        case kSqliteFull:
            return ArchiveFaultKind::DiskFull;
        case kSqliteCantOpen:
            return ArchiveFaultKind::CannotOpen;
        default:
            return ArchiveFaultKind::Failed;
    }
}

QString next_connection_name() {
    static std::atomic<int> count{0};
    return QStringLiteral("eqbond-archive-%1").arg(++count);
}

// Columns 0..6 of a downloads row as schema::kSelectDownload lists them.
Download download_of(const QSqlQuery& q, int first_column) {
    Download d;
    d.started = rows::time_of(q.value(first_column));
    d.finished = rows::time_of(q.value(first_column + 1));
    d.port_number = int16_t(q.value(first_column + 2).toInt());
    d.device = q.value(first_column + 3).toString();
    d.reported_total = q.value(first_column + 4).toInt();
    d.groups_read = q.value(first_column + 5).toInt();
    d.end = q.value(first_column + 6).toInt() == 1 ? DownloadEnd::Complete : DownloadEnd::Abandoned;
    return d;
}

}  // namespace

QtSqliteArchive::QtSqliteArchive(QObject* parent)
    : QObject(parent), connection_(next_connection_name()) {}

QtSqliteArchive::~QtSqliteArchive() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid()) db.close();
    }
    if (QSqlDatabase::contains(connection_)) QSqlDatabase::removeDatabase(connection_);
}

bool QtSqliteArchive::fail(const QSqlError& error) {
    // The primary code is the low byte of an extended one.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    ArchiveFaultKind kind = kind_of(code);
    // A log file that cannot grow on a full disk shows as an I/O error.
    if (code == kSqliteIoError &&
        QStorageInfo(QFileInfo(file_).absolutePath()).bytesAvailable() < kNearlyFullBytes)
        kind = ArchiveFaultKind::DiskFull;
    return fail(kind, error.databaseText().isEmpty() ? error.driverText() : error.databaseText());
}

bool QtSqliteArchive::fail(ArchiveFaultKind kind, const QString& detail) {
    if (!fault_) fault_ = ArchiveFault{kind, detail};
    return false;
}

bool QtSqliteArchive::run(QSqlQuery& query) {
    return query.exec() || fail(query.lastError());
}

bool QtSqliteArchive::run(QSqlQuery& query, const QString& sql) {
    return query.exec(sql) || fail(query.lastError());
}

bool QtSqliteArchive::open(const QString& file) {
    file_ = file;
    const QFileInfo info(file);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(ArchiveFaultKind::CannotOpen,
                    QStringLiteral("no folder %1").arg(info.absolutePath()));
    if (!info.exists() && !QFileInfo(info.absolutePath()).isWritable())
        return fail(ArchiveFaultKind::ReadOnly, QString());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) return fail(db.lastError());
    opened_ = true;
    int version = 0;
    if (!check_layout(&version)) return false;
    QSqlQuery query(db);
    // Write-ahead log: a transaction cut short by a crash is simply not there on the next open.
    if (!run(query, QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !run(query, QStringLiteral("PRAGMA synchronous = FULL")) ||
        !run(query, QStringLiteral("PRAGMA foreign_keys = ON")))
        return false;
    if (version == kSchemaVersion) return true;
    return run_in_transaction([&](QSqlQuery& q) { return bring_forward(q, version); });
}

bool QtSqliteArchive::check_layout(int* version) {
    QSqlQuery query(QSqlDatabase::database(connection_));
    if (!run(query, QStringLiteral("PRAGMA user_version"))) return false;
    if (!query.next()) return fail(ArchiveFaultKind::NotArchive, QString());
    *version = query.value(0).toInt();
    if (*version > kSchemaVersion) return fail(ArchiveFaultKind::Newer, QString());
    if (*version > 0) return true;
    // Version 0 is a new, empty file; anything else in it belongs to some other program.
    if (!run(query, QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !query.next())
        return false;
    if (query.value(0).toInt() != 0) return fail(ArchiveFaultKind::NotArchive, QString());
    return true;
}

bool QtSqliteArchive::bring_forward(QSqlQuery& query, int from_version) {
    for (int version = from_version; version < kSchemaVersion; ++version) {
        for (const QString& sql : schema::steps_from(version))
            if (!run(query, sql)) return false;
        if (version == 1 && !(fill_ranks(query) && run(query, schema::kIndexRanks))) return false;
        if (version == 2 && !fill_uuids(query)) return false;
    }
    return run(query, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
}

// Version 2 judges and sorts by the shown value: rank the groups version 1 stored.
bool QtSqliteArchive::fill_ranks(QSqlQuery& query) {
    struct Row {
        QVariant download_id, group_no;
        int32_t rank;
    };
    std::vector<Row> rows;
    if (!run(query, schema::kSelectValues)) return false;
    while (query.next())
        rows.push_back({query.value(0), query.value(1), shown_rank(query.value(2).toInt())});
    query.prepare(schema::kSetRank);
    for (const Row& row : rows) {
        query.bindValue(0, row.rank);
        query.bindValue(1, row.download_id);
        query.bindValue(2, row.group_no);
        if (!run(query)) return false;
    }
    return run(query, schema::kCountHeld);
}

// Version 3 gives every download a uuid: those stored before get theirs now.
bool QtSqliteArchive::fill_uuids(QSqlQuery& query) {
    std::vector<qlonglong> ids;
    if (!run(query, schema::kSelectWithoutUuid)) return false;
    while (query.next()) ids.push_back(query.value(0).toLongLong());
    query.prepare(schema::kSetUuid);
    for (qlonglong id : ids) {
        query.bindValue(0, QUuid::createUuid().toString(QUuid::WithoutBraces));
        query.bindValue(1, id);
        if (!run(query)) return false;
    }
    return true;
}

bool QtSqliteArchive::run_with(QSqlQuery& query, const QString& sql, const QVariantList& values) {
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
    return run(query);
}

bool QtSqliteArchive::read_through(QSqlQuery& query) {
    return !query.lastError().isValid() || fail(query.lastError());
}

bool QtSqliteArchive::run_in_transaction(const std::function<bool(QSqlQuery&)>& work) {
    QSqlQuery query(QSqlDatabase::database(connection_));
    // IMMEDIATE takes the write lock at once, so a locked file fails before any work is done.
    if (!run(query, QStringLiteral("BEGIN IMMEDIATE"))) return false;
    if (work(query) && run(query, QStringLiteral("COMMIT"))) return true;
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
}

std::optional<int64_t> QtSqliteArchive::save_download(const Download& download,
                                                      const std::vector<Group>& groups) {
    if (!usable()) return std::nullopt;
    int64_t id = 0;
    const bool saved = run_in_transaction([&](QSqlQuery& q) {
        const std::optional<int64_t> made =
            insert_download(q, download, groups, QVariant(QMetaType::fromType<qlonglong>()),
                            QUuid::createUuid().toString(QUuid::WithoutBraces));
        if (made) id = *made;
        return made.has_value();
    });
    if (!saved) return std::nullopt;
    emit changed();
    return id;
}

std::optional<int64_t> QtSqliteArchive::insert_download(QSqlQuery& q, const Download& download,
                                                        const std::vector<Group>& groups,
                                                        const QVariant& id_wanted,
                                                        const QString& uuid) {
    q.prepare(schema::kInsertDownload);
    const QVariant fields[] = {
        id_wanted,
        download.started.toMSecsSinceEpoch(),
        download.finished.toMSecsSinceEpoch(),
        download.port_number,
        rows::text_value(download.device),  // a port whose device is not known
        download.reported_total,
        download.groups_read,
        download.end == DownloadEnd::Complete ? 1 : 0,
        qlonglong(groups.size()),
        uuid};
    for (int i = 0; i < int(std::size(fields)); ++i) q.bindValue(i, fields[i]);
    if (!run(q)) return std::nullopt;
    const int64_t id = q.lastInsertId().toLongLong();
    q.prepare(schema::kInsertGroup);
    for (const Group& g : groups) {
        // The shown text stays in the layout for the files earlier versions read.
        const QVariant values[] = {qlonglong(id),
                                   g.number,
                                   g.milliohm,
                                   g.overload() ? 1 : 0,
                                   format_resistance(g.milliohm),
                                   int(g.battery),
                                   g.year,
                                   g.month,
                                   g.day,
                                   g.hour,
                                   g.minute,
                                   shown_rank(g.milliohm)};
        for (int i = 0; i < int(std::size(values)); ++i) q.bindValue(i, values[i]);
        if (!run(q)) return std::nullopt;
    }
    return id;
}

std::vector<DownloadSummary> QtSqliteArchive::list(std::optional<BondingLimit> limit) {
    return list_where(std::nullopt, limit);
}

std::vector<DownloadSummary> QtSqliteArchive::list_site(int64_t site_id,
                                                        std::optional<BondingLimit> limit) {
    return list_where(site_id, limit);
}

std::vector<DownloadSummary> QtSqliteArchive::list_where(std::optional<int64_t> site_id,
                                                         std::optional<BondingLimit> limit) {
    std::vector<DownloadSummary> out;
    if (!usable()) return out;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    QString sql = schema::kListColumns;
    QVariantList values;
    if (limit) {
        sql += schema::kFailingColumn;
        values << limit->tenths_of_milliohm;
    }
    sql += schema::kListFrom;
    if (site_id) {
        sql += schema::kOfSite;
        values << qlonglong(*site_id);
    }
    if (!run_with(q, sql + schema::kNewestFirst, values)) return out;
    while (q.next()) {
        DownloadSummary s;
        s.id = q.value(0).toLongLong();
        s.download = download_of(q, 1);
        s.groups_held = q.value(8).toInt();
        s.lowest_milliohm = q.value(9).toInt();
        s.highest_milliohm = q.value(10).toInt();
        if (!q.value(11).isNull()) s.site_id = q.value(11).toLongLong();
        s.site_name = q.value(12).toString();
        s.location = q.value(13).toString();
        s.owner = q.value(14).toString();
        if (limit) s.failing = q.value(15).toInt();
        out.push_back(std::move(s));
    }
    if (!read_through(q)) out.clear();
    return out;
}

std::optional<ArchivedDownload> QtSqliteArchive::load(int64_t id) {
    if (!usable()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    q.prepare(schema::kSelectDownload);
    q.bindValue(0, qlonglong(id));
    if (!run(q) || !q.next()) return std::nullopt;
    ArchivedDownload out;
    out.id = id;
    out.download = download_of(q, 0);
    out.details = rows::details_of(q, 7);
    q.prepare(schema::kSelectGroups);
    q.bindValue(0, qlonglong(id));
    if (!run(q)) return std::nullopt;
    while (q.next()) {
        out.groups.push_back(rows::group_of(q));
        if (!q.value(8).isNull()) out.labels[out.groups.back().number] = q.value(8).toString();
    }
    if (q.lastError().isValid()) {
        fail(q.lastError());
        return std::nullopt;
    }
    return out;
}

bool QtSqliteArchive::delete_download(int64_t id) {
    if (!usable()) return false;
    int deleted = 0;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        q.prepare(schema::kDeleteDownload);
        q.bindValue(0, qlonglong(id));
        if (!run(q)) return false;
        deleted = q.numRowsAffected();
        return true;
    });
    if (done && deleted > 0) emit changed();
    return done && deleted > 0;
}

}  // namespace eqbond
