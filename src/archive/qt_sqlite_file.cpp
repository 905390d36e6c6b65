#include "archive/qt_sqlite_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUuid>
#include <QVariant>
#include <atomic>

#include "archive/archive_schema.h"
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
// How long a statement waits for another program's transaction, and how often a transaction is
// tried before the operation gives up for now.
constexpr int kBusyTimeoutMs = 1000;
constexpr int kTransactionAttempts = 3;
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

}  // namespace

QtSqliteFile::QtSqliteFile(QObject* parent)
    : QObject(parent), connection_(next_connection_name()) {}

QtSqliteFile::~QtSqliteFile() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid()) db.close();
    }
    if (QSqlDatabase::contains(connection_)) QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase QtSqliteFile::database() const {
    return QSqlDatabase::database(connection_, false);
}

QSqlQuery QtSqliteFile::query() const {
    QSqlQuery q(database());
    q.setForwardOnly(true);
    return q;
}

bool QtSqliteFile::fail(const QSqlError& error) {
    // The primary code is the low byte of an extended one.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    ArchiveFaultKind kind = kind_of(code);
    // A log file that cannot grow on a full disk shows as an I/O error.
    if (code == kSqliteIoError &&
        QStorageInfo(QFileInfo(file_).absolutePath()).bytesAvailable() < kNearlyFullBytes)
        kind = ArchiveFaultKind::DiskFull;
    return fail(kind, error.databaseText().isEmpty() ? error.driverText() : error.databaseText());
}

bool QtSqliteFile::fail(ArchiveFaultKind kind, const QString& detail) {
    // A file another program holds at the moment is busy, not broken, once it was opened.
    if (settled_ && kind == ArchiveFaultKind::Locked) {
        passing_ = ArchiveFault{kind, detail, true};
        return false;
    }
    if (!fault_) fault_ = ArchiveFault{kind, detail};
    return false;
}

bool QtSqliteFile::run(QSqlQuery& query) {
    if (!query.exec()) return fail(query.lastError());
    passing_.reset();
    return true;
}

bool QtSqliteFile::run(QSqlQuery& query, const QString& sql) {
    if (!query.exec(sql)) return fail(query.lastError());
    passing_.reset();
    return true;
}

bool QtSqliteFile::run_with(QSqlQuery& query, const QString& sql, const QVariantList& values) {
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
    return run(query);
}

bool QtSqliteFile::read_through(QSqlQuery& query) {
    return !query.lastError().isValid() || fail(query.lastError());
}

bool QtSqliteFile::open(const QString& file) {
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
    if (version != kSchemaVersion &&
        !in_transaction([&](QSqlQuery& q) { return bring_forward(q, version); }))
        return false;
    settled_ = true;
    return true;
}

bool QtSqliteFile::check_layout(int* version) {
    QSqlQuery query(database());
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

bool QtSqliteFile::bring_forward(QSqlQuery& query, int from_version) {
    for (int version = from_version; version < kSchemaVersion; ++version) {
        for (const QString& sql : schema::steps_from(version))
            if (!run(query, sql)) return false;
        if (version == 1 && !(fill_ranks(query) && run(query, schema::kIndexRanks))) return false;
        if (version == 2 && !fill_uuids(query)) return false;
    }
    return run(query, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
}

// Version 2 judges and sorts by the shown value: rank the groups version 1 stored.
bool QtSqliteFile::fill_ranks(QSqlQuery& query) {
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
bool QtSqliteFile::fill_uuids(QSqlQuery& query) {
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

bool QtSqliteFile::in_transaction(const std::function<bool(QSqlQuery&)>& work) {
    for (int attempt = 1;; ++attempt) {
        if (attempt_transaction(work)) return true;
        if (!passing_ || attempt == kTransactionAttempts) return false;
    }
}

bool QtSqliteFile::attempt_transaction(const std::function<bool(QSqlQuery&)>& work) {
    QSqlQuery query(database());
    // IMMEDIATE takes the write lock at once, so a locked file fails before any work is done.
    if (!run(query, QStringLiteral("BEGIN IMMEDIATE"))) return false;
    if (work(query) && run(query, QStringLiteral("COMMIT"))) return true;
    // A transaction SQLite ended itself after an error needs no rollback; one that cannot be
    // rolled back would leave every later statement inside it: the file is not used again.
    if (!query.exec(QStringLiteral("ROLLBACK")) &&
        !query.lastError().databaseText().contains(QLatin1String("no transaction is active")))
        fail(ArchiveFaultKind::Failed, query.lastError().databaseText());
    return false;
}

}  // namespace eqbond
