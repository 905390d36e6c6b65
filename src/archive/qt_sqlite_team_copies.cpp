// A copy of the team archive in an SQLite file of this layout: the team view browses, compares,
// exports and reports on it as on this computer's archive, and it stays readable off the network.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "archive/archive_schema.h"
#include "archive/qt_sqlite_archive.h"
#include "archive/qt_sqlite_rows.h"

namespace eqbond {

std::optional<std::map<QString, TeamCopyState>> QtSqliteArchive::team_copies() {
    if (!usable()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectCopies, {})) return std::nullopt;
    std::map<QString, TeamCopyState> out;
    while (q.next()) out[q.value(0).toString()] = {q.value(1).toLongLong(), q.value(2).toBool()};
    if (!read_through(q)) return std::nullopt;
    return out;
}

bool QtSqliteArchive::keep_team_copy(const StoredTeamDownload& stored) {
    if (!usable()) return false;
    const TeamDownload& d = stored.download;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        QVariant id = QVariant(QMetaType::fromType<qlonglong>());
        if (!run_with(q, schema::kCopyIdByUuid, {d.uuid})) return false;
        if (q.next()) id = q.value(0);
        if (!run_with(q, schema::kDeleteByUuid, {d.uuid})) return false;
        const std::optional<int64_t> kept = insert_download(q, d.download, d.groups, id, d.uuid);
        if (!kept || !write_labels(q, *kept, labels_by_number(d))) return false;
        QVariant site = QVariant(QMetaType::fromType<qlonglong>());
        if (!d.site.name.isEmpty()) {
            if (!run_with(q, schema::kKeepCopySite,
                          {d.site.name, rows::text_value(d.site.address),
                           rows::text_value(d.site.customer)}) ||
                !q.next())
                return false;
            site = q.value(0);
        }
        // Last: the details clear the change mark that writing the labels set.
        return run_with(
            q, schema::kCopyDetails,
            {site, rows::text_value(d.location), rows::text_value(d.inspector),
             rows::text_value(d.instrument_serial), rows::text_value(d.notes),
             rows::text_value(stored.owner), stored.pushed.toMSecsSinceEpoch(), qlonglong(*kept)});
    });
    return done;
}

bool QtSqliteArchive::drop_team_copy(const QString& uuid) {
    if (!usable()) return false;
    return run_in_transaction(
        [&](QSqlQuery& q) { return run_with(q, schema::kDeleteByUuid, {uuid}); });
}

}  // namespace eqbond
