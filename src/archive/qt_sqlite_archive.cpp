#include "archive/qt_sqlite_archive.h"

#include <QSqlQuery>
#include <QUuid>

#include "archive/archive_schema.h"
#include "archive/qt_sqlite_rows.h"
#include "base/value_format.h"

namespace eqbond {

std::optional<int64_t> QtSqliteArchive::save_download(const Download& download,
                                                      const std::vector<Group>& groups) {
    if (!file_.usable()) return std::nullopt;
    std::optional<int64_t> id;
    const bool saved = file_.in_transaction([&](QSqlQuery& q) {
        id = insert_download(file_, q, download, groups);
        return id.has_value();
    });
    if (!saved) return std::nullopt;
    file_.tell_changed();
    return id;
}

std::optional<int64_t> insert_download(QtSqliteFile& file, QSqlQuery& q, const Download& download,
                                       const std::vector<Group>& groups, const QVariant& id_wanted,
                                       const QString& uuid) {
    q.prepare(schema::kInsertDownload);
    const QVariant fields[] = {
        id_wanted.isValid() ? id_wanted : QVariant(QMetaType::fromType<qlonglong>()),
        download.started.toMSecsSinceEpoch(),
        download.finished.toMSecsSinceEpoch(),
        download.port_number,
        rows::text_value(download.device),  // a port whose device is not known
        download.reported_total,
        download.groups_read,
        download.end == DownloadEnd::Complete ? 1 : 0,
        qlonglong(groups.size()),
        uuid.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : uuid};
    for (int i = 0; i < int(std::size(fields)); ++i) q.bindValue(i, fields[i]);
    if (!file.run(q)) return std::nullopt;
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
        if (!file.run(q)) return std::nullopt;
    }
    return id;
}

std::vector<DownloadSummary> QtSqliteArchive::list(std::optional<BondingLimit> limit) {
    std::vector<DownloadSummary> out;
    const bool listed =
        list_downloads(file_, limit, QString(), schema::kListFrom, {},
                       [&](const QSqlQuery&, DownloadSummary s) { out.push_back(std::move(s)); });
    if (!listed) out.clear();
    return out;
}

bool list_downloads(QtSqliteFile& file, std::optional<BondingLimit> limit,
                    const QString& more_columns, const QString& from, const QVariantList& values,
                    const ListedRow& listed) {
    if (!file.usable()) return false;
    QSqlQuery q = file.query();
    QVariantList bound;
    // Ranks of a milliohm value run from ten times it to nine more: above the last rank of the
    // limit's milliohm is above the limit.
    if (limit)
        bound << judged_limit(*limit).milliohm * 10 + 9 << judged_limit(*limit).milliohm * 10 + 9;
    bound << values;
    const QString sql = schema::kListColumns +
                        (limit ? schema::kFailingColumn : schema::kNoFailingColumn) + more_columns +
                        from + schema::kNewestFirst;
    if (!file.run_with(q, sql, bound)) return false;
    while (q.next()) {
        DownloadSummary s;
        s.id = q.value(0).toLongLong();
        s.download = rows::download_of(q, 1);
        s.groups_held = q.value(8).toInt();
        s.lowest_milliohm = q.value(9).toInt();
        s.highest_milliohm = q.value(10).toInt();
        s.owner = q.value(11).toString();
        if (limit) s.failing = q.value(12).toInt();
        listed(q, std::move(s));
    }
    return file.read_through(q);
}

std::optional<ArchivedDownload> QtSqliteArchive::load(int64_t id) {
    return load_download(file_, id);
}

std::optional<ArchivedDownload> load_download(QtSqliteFile& file, int64_t id) {
    if (!file.usable()) return std::nullopt;
    QSqlQuery q = file.query();
    if (!file.run_with(q, schema::kSelectDownload, {qlonglong(id)}) || !q.next())
        return std::nullopt;
    ArchivedDownload out;
    out.id = id;
    out.download = rows::download_of(q, 0);
    out.uuid = q.value(7).toString();
    if (!file.run_with(q, schema::kSelectGroups, {qlonglong(id)})) return std::nullopt;
    while (q.next()) out.groups.push_back(rows::group_of(q));
    if (!file.read_through(q)) return std::nullopt;
    if (!file.run_with(q, schema::kSelectOwnLimits, {qlonglong(id)})) return std::nullopt;
    while (q.next()) out.own_limits[q.value(0).toInt()] = JudgedLimit{q.value(1).toInt()};
    if (!file.read_through(q)) return std::nullopt;
    return out;
}

bool QtSqliteArchive::delete_download(int64_t id) {
    if (!file_.usable()) return false;
    int deleted = 0;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, schema::kDeleteDownload, {qlonglong(id)})) return false;
        deleted = q.numRowsAffected();
        return true;
    });
    if (done && deleted > 0) file_.tell_changed();
    return done && deleted > 0;
}

}  // namespace eqbond
