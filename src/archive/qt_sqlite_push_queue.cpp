// The SQLite archive's side of the team archive: the downloads waiting to be pushed, what one
// push carries, and the mark that it went.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "archive/archive_schema.h"
#include "archive/qt_sqlite_archive.h"

namespace eqbond {

std::optional<QString> QtSqliteArchive::uuid(int64_t download_id) {
    if (!usable()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectUuid, {qlonglong(download_id)}) || !q.next())
        return std::nullopt;
    return q.value(0).toString();
}

std::optional<std::vector<WaitingDownload>> QtSqliteArchive::waiting() {
    if (!usable()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectWaiting, {})) return std::nullopt;
    std::vector<WaitingDownload> out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toLongLong()});
    if (!read_through(q)) return std::nullopt;
    return out;
}

std::optional<TeamDownload> QtSqliteArchive::team_download(int64_t download_id) {
    const std::optional<QString> id = uuid(download_id);
    if (!id) return std::nullopt;
    std::optional<ArchivedDownload> local = load(download_id);
    if (!local) return std::nullopt;
    TeamDownload out;
    out.uuid = *id;
    out.download = local->download;
    out.location = local->details.location;
    out.inspector = local->details.inspector;
    out.instrument_serial = local->details.instrument_serial;
    out.notes = local->details.notes;
    if (local->details.site_id) {
        for (const Site& site : sites())
            if (site.id == *local->details.site_id)
                out.site = TeamSite{site.name, site.address, site.customer};
        if (fault_) return std::nullopt;
    }
    // One label per group, in group order: load() returns the groups sorted.
    if (!local->labels.empty()) {
        out.labels.reserve(local->groups.size());
        for (const Group& g : local->groups) {
            const auto label = local->labels.find(g.number);
            out.labels.push_back(label == local->labels.end()
                                     ? std::nullopt
                                     : std::optional<QString>(label->second));
        }
    }
    out.groups = std::move(local->groups);
    return out;
}

bool QtSqliteArchive::mark_pushed(const WaitingDownload& download, const QDateTime& when) {
    if (!usable()) return false;
    int marked = 0;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        if (!run_with(
                q, schema::kMarkPushed,
                {when.toMSecsSinceEpoch(), qlonglong(download.id), qlonglong(download.changes)}))
            return false;
        marked = q.numRowsAffected();
        return true;
    });
    return done && marked > 0;
}

std::optional<QDateTime> QtSqliteArchive::last_push() {
    if (!usable()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectLastPush, {}) || !q.next() || q.value(0).isNull())
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong());
}

}  // namespace eqbond
