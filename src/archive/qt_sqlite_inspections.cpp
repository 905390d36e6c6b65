// The SQLite archive's inspection records: sites, details, test-point labels, plans and the
// values of earlier inspections.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "archive/archive_schema.h"
#include "archive/qt_sqlite_archive.h"
#include "archive/qt_sqlite_rows.h"

namespace eqbond {

namespace {
QVariant optional_id(const std::optional<int64_t>& id) {
    return id ? QVariant(qlonglong(*id)) : QVariant(QMetaType::fromType<qlonglong>());
}

// A label cleared to blanks is no label.
QVariant label_value(const std::optional<QString>& label) {
    if (!label || label->trimmed().isEmpty()) return QVariant(QMetaType::fromType<QString>());
    return *label;
}
}  // namespace

std::vector<Site> QtSqliteArchive::sites() {
    std::vector<Site> out;
    if (!usable()) return out;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectSites, {})) return out;
    while (q.next()) out.push_back(rows::site_of(q));
    if (!read_through(q)) out.clear();
    return out;
}

std::optional<Site> QtSqliteArchive::site_named(const QString& name) {
    if (!usable()) return std::nullopt;
    std::optional<Site> site;
    bool made = false;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        if (!run_with(q, schema::kSelectSiteNamed, {name})) return false;
        if (q.next()) {
            site = rows::site_of(q);
            return true;
        }
        if (!run_with(q, schema::kInsertSite, {name})) return false;
        site = Site{q.lastInsertId().toLongLong(), name, QString(), QString()};
        made = true;
        return true;
    });
    if (!done) return std::nullopt;
    if (made) emit changed();
    return site;
}

bool QtSqliteArchive::update_site(const Site& site) {
    if (!usable()) return false;
    int updated = 0;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        if (!run_with(q, schema::kUpdateSite,
                      {rows::text_value(site.address), rows::text_value(site.customer),
                       qlonglong(site.id)}))
            return false;
        updated = q.numRowsAffected();
        return run_with(q, schema::kMarkSiteChanged, {qlonglong(site.id)});
    });
    if (done && updated > 0) emit changed();
    return done && updated > 0;
}

SiteDeletion QtSqliteArchive::delete_site(int64_t site_id) {
    if (!usable()) return SiteDeletion::Failed;
    SiteDeletion outcome = SiteDeletion::Failed;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        if (!run_with(q, schema::kSiteInUse, {qlonglong(site_id)}) || !q.next()) return false;
        if (q.value(0).toBool()) {
            outcome = SiteDeletion::InUse;
            return true;
        }
        if (!run_with(q, schema::kDeleteSitePlans, {qlonglong(site_id)}) ||
            !run_with(q, schema::kDeleteSite, {qlonglong(site_id)}))
            return false;
        outcome = q.numRowsAffected() > 0 ? SiteDeletion::Deleted : SiteDeletion::Unknown;
        return true;
    });
    if (!done) return SiteDeletion::Failed;
    if (outcome == SiteDeletion::Deleted) emit changed();
    return outcome;
}

std::optional<InspectionDetails> QtSqliteArchive::details(int64_t download_id) {
    if (!usable()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectDetails, {qlonglong(download_id)}) || !q.next())
        return std::nullopt;
    return rows::details_of(q, 0);
}

bool QtSqliteArchive::set_details(int64_t download_id, const InspectionDetails& details) {
    if (!usable()) return false;
    int updated = 0;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        // A site that is not there is refused here rather than as a database fault that stays.
        if (details.site_id) {
            if (!run_with(q, schema::kSiteExists, {qlonglong(*details.site_id)}) || !q.next())
                return false;
            if (!q.value(0).toBool()) return false;
        }
        if (!run_with(
                q, schema::kUpdateDetails,
                {optional_id(details.site_id), rows::text_value(details.location),
                 rows::text_value(details.inspector), rows::text_value(details.instrument_serial),
                 rows::text_value(details.notes), qlonglong(download_id)}))
            return false;
        updated = q.numRowsAffected();
        // An unknown download: nothing was changed.
        return updated > 0;
    });
    if (done) emit changed();
    return done;
}

bool QtSqliteArchive::write_labels(QSqlQuery& q, int64_t download_id, const PointLabels& labels) {
    q.prepare(schema::kSetLabel);
    for (const auto& [number, label] : labels) {
        q.bindValue(0, label_value(label));
        q.bindValue(1, qlonglong(download_id));
        q.bindValue(2, number);
        if (!run(q)) return false;
        if (q.numRowsAffected() == 0) return false;  // no such group: the whole set is refused
    }
    return run_with(q, schema::kMarkChanged, {qlonglong(download_id)});
}

bool QtSqliteArchive::set_label(int64_t download_id, int32_t number,
                                const std::optional<QString>& label) {
    if (!usable()) return false;
    const bool done = run_in_transaction([&](QSqlQuery& q) {
        q.prepare(schema::kSetLabel);
        q.bindValue(0, label_value(label));
        q.bindValue(1, qlonglong(download_id));
        q.bindValue(2, number);
        return run(q) && q.numRowsAffected() > 0 &&
               run_with(q, schema::kMarkChanged, {qlonglong(download_id)});
    });
    if (done) emit changed();
    return done;
}

bool QtSqliteArchive::set_labels(int64_t download_id, const PointLabels& labels) {
    if (!usable()) return false;
    const bool done =
        run_in_transaction([&](QSqlQuery& q) { return write_labels(q, download_id, labels); });
    if (done) emit changed();
    return done;
}

bool QtSqliteArchive::save_plan(int64_t site_id, const QString& location,
                                const QStringList& labels) {
    if (!usable()) return false;
    return run_in_transaction([&](QSqlQuery& q) {
        if (!run_with(q, schema::kDeletePlan, {qlonglong(site_id), rows::text_value(location)}))
            return false;
        q.prepare(schema::kInsertPlanLabel);
        for (int i = 0; i < labels.size(); ++i) {
            q.bindValue(0, qlonglong(site_id));
            q.bindValue(1, rows::text_value(location));
            q.bindValue(2, i + 1);
            q.bindValue(3, labels[i]);
            if (!run(q)) return false;
        }
        return true;
    });
}

QStringList QtSqliteArchive::plan(int64_t site_id, const QString& location) {
    QStringList out;
    if (!usable()) return out;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectPlan, {qlonglong(site_id), rows::text_value(location)}))
        return out;
    while (q.next()) out << q.value(0).toString();
    if (!read_through(q)) out.clear();
    return out;
}

QStringList QtSqliteArchive::locations(int64_t site_id) {
    QStringList out;
    if (!usable()) return out;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectLocations, {qlonglong(site_id)})) return out;
    while (q.next()) out << q.value(0).toString();
    if (!read_through(q)) out.clear();
    return out;
}

std::vector<PointValue> QtSqliteArchive::point_history(int64_t site_id, const QString& location,
                                                       const QString& label) {
    std::vector<PointValue> out;
    if (!usable()) return out;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectPointHistory,
                  {qlonglong(site_id), rows::text_value(location), label}))
        return out;
    while (q.next())
        out.push_back({q.value(8).toLongLong(), rows::time_of(q.value(9)), rows::group_of(q)});
    if (!read_through(q)) out.clear();
    return out;
}

PreviousValues QtSqliteArchive::previous_values(int64_t download_id) {
    PreviousValues out;
    if (!usable()) return out;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!run_with(q, schema::kSelectPrevious, {qlonglong(download_id), qlonglong(download_id)}))
        return out;
    while (q.next())
        out[q.value(10).toString()] = {q.value(8).toLongLong(), rows::time_of(q.value(9)),
                                       rows::group_of(q)};
    if (!read_through(q)) out.clear();
    return out;
}

}  // namespace eqbond
