// The SQLite archive's inspection records: sites, details, test-point labels, plans and the
// values of earlier inspections.
#include "inspection/qt_sqlite_inspections.h"

#include <QVariant>

#include "archive/archive_schema.h"
#include "archive/qt_sqlite_rows.h"
#include "inspection/inspection_schema.h"
#include "inspection/test_plan.h"

namespace eqbond {

namespace {
// A label cleared to blanks is no label.
QVariant label_value(const std::optional<QString>& label) {
    if (!label || label->trimmed().isEmpty()) return QVariant(QMetaType::fromType<QString>());
    return *label;
}
Site site_of(const QSqlQuery& q) {
    return Site{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                q.value(3).toString()};
}
}  // namespace

InspectionDetails details_of(const QSqlQuery& q, int first) {
    InspectionDetails d;
    if (!q.value(first).isNull()) d.site_id = q.value(first).toLongLong();
    d.location = q.value(first + 1).toString();
    d.inspector = q.value(first + 2).toString();
    d.instrument_serial = q.value(first + 3).toString();
    d.notes = q.value(first + 4).toString();
    return d;
}

std::optional<int64_t> QtSqliteInspections::save_download(const Download& download,
                                                          const std::vector<Group>& groups) {
    return downloads_.save_download(download, groups);
}

std::optional<int64_t> QtSqliteInspections::save_download(const Download& download,
                                                          const std::vector<Group>& groups,
                                                          const NewInspection& given) {
    if (!file_.usable()) return std::nullopt;
    std::optional<int64_t> id;
    const bool saved = file_.in_transaction([&](QSqlQuery& q) {
        id = insert_download(file_, q, download, groups);
        return id && describe_in(q, *id, given.site, given.details) &&
               (given.plan.isEmpty() ||
                label_from_plan_in(q, *id, planned_points(given.plan, groups, given.plan_from),
                                   given.plan));
    });
    if (!saved) return std::nullopt;
    file_.tell_changed();
    return id;
}

bool QtSqliteInspections::delete_download(int64_t id) {
    return downloads_.delete_download(id);
}

std::vector<ListedInspection> QtSqliteInspections::list(std::optional<BondingLimit> limit) {
    return list_where(QString(), {}, limit);
}

std::vector<ListedInspection> QtSqliteInspections::list_site(int64_t site_id,
                                                             std::optional<BondingLimit> limit) {
    return list_where(inspection_schema::kOfSite, {qlonglong(site_id)}, limit);
}

std::vector<ListedInspection> QtSqliteInspections::list_newest(std::optional<BondingLimit> limit,
                                                               int count) {
    return list_where(inspection_schema::kNewest, {count}, limit);
}

std::vector<ListedInspection> QtSqliteInspections::list_where(const QString& where,
                                                              const QVariantList& values,
                                                              std::optional<BondingLimit> limit) {
    using namespace inspection_schema;
    std::vector<ListedInspection> out;
    constexpr int first = schema::kFirstMoreColumn;
    const auto listed = [&](const QSqlQuery& q, DownloadSummary summary) {
        ListedInspection row;
        static_cast<DownloadSummary&>(row) = std::move(summary);
        if (!q.value(first).isNull()) row.site_id = q.value(first).toLongLong();
        row.site_name = q.value(first + 1).toString();
        row.location = q.value(first + 2).toString();
        row.inspector = q.value(first + 3).toString();
        row.calibration_expired = q.value(first + 4).toBool();
        row.deleted_on_server = q.value(first + 5).toBool();
        out.push_back(std::move(row));
    };
    if (!list_downloads(file_, limit, kListColumns, kListFrom + where, values, listed)) out.clear();
    return out;
}

std::optional<Inspection> QtSqliteInspections::load(int64_t id) {
    std::optional<ArchivedDownload> download = load_download(file_, id);
    if (!download) return std::nullopt;
    Inspection out;
    static_cast<ArchivedDownload&>(out) = std::move(*download);
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectDetails, {qlonglong(id)}) || !q.next())
        return std::nullopt;
    out.details = details_of(q, 0);
    if (!file_.run_with(q, inspection_schema::kSelectLabels, {qlonglong(id)})) return std::nullopt;
    while (q.next()) out.labels[q.value(0).toInt()] = q.value(1).toString();
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

std::vector<Site> QtSqliteInspections::sites() {
    std::vector<Site> out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectSites, {})) return out;
    while (q.next()) out.push_back(site_of(q));
    if (!file_.read_through(q)) out.clear();
    return out;
}

std::optional<Site> QtSqliteInspections::site(int64_t site_id) {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectSite, {qlonglong(site_id)}) || !q.next())
        return std::nullopt;
    return site_of(q);
}

std::optional<Site> QtSqliteInspections::site_named(const QString& name) {
    if (!file_.usable()) return std::nullopt;
    std::optional<Site> site;
    bool made = false;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, inspection_schema::kSelectSiteNamed, {name})) return false;
        if (q.next()) {
            site = site_of(q);
            return true;
        }
        if (!file_.run_with(q, inspection_schema::kInsertSite, {name})) return false;
        site = Site{q.lastInsertId().toLongLong(), name, QString(), QString()};
        made = true;
        return true;
    });
    if (!done) return std::nullopt;
    if (made) file_.tell_changed();
    return site;
}

bool QtSqliteInspections::update_site(const Site& site) {
    if (!file_.usable()) return false;
    int64_t id = 0;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        return chosen_site(q, {site.id, QString(), site.address, site.customer}, &id);
    });
    if (done) file_.tell_changed();
    return done;
}

bool QtSqliteInspections::chosen_site(QSqlQuery& q, const SiteChoice& site, int64_t* id) {
    using namespace inspection_schema;
    *id = 0;
    if (site.id != 0) {
        // A site that is not there is refused here rather than as a database fault that stays.
        if (!file_.run_with(q, kSelectSite, {qlonglong(site.id)})) return false;
    } else if (!site.name.isEmpty()) {
        if (!file_.run_with(q, kSelectSiteNamed, {site.name})) return false;
    } else {
        return true;
    }
    Site known;
    if (q.next()) {
        known = site_of(q);
    } else if (site.id == 0) {
        if (!file_.run_with(q, kInsertSite, {site.name})) return false;
        known = Site{q.lastInsertId().toLongLong(), site.name, QString(), QString()};
    } else {
        return false;
    }
    *id = known.id;
    const QString address = site.address.value_or(known.address);
    const QString customer = site.customer.value_or(known.customer);
    if (address == known.address && customer == known.customer) return true;
    // A site's address and customer go with each of its downloads: they wait to be pushed again.
    return file_.run_with(
               q, kUpdateSite,
               {rows::text_value(address), rows::text_value(customer), qlonglong(*id)}) &&
           file_.run_with(q, kMarkSiteChanged, {qlonglong(*id)});
}

bool QtSqliteInspections::describe_in(QSqlQuery& q, int64_t download_id, const SiteChoice& site,
                                      const InspectionDetails& details) {
    int64_t site_id = 0;
    if (!chosen_site(q, site, &site_id)) return false;
    if (!file_.run_with(q, inspection_schema::kUpdateDetails,
                        {rows::optional_id(site_id ? std::optional(site_id) : std::nullopt),
                         rows::text_value(details.location), rows::text_value(details.inspector),
                         rows::text_value(details.instrument_serial),
                         rows::text_value(details.notes), qlonglong(download_id)}))
        return false;
    // An unknown download: nothing was changed.
    return q.numRowsAffected() > 0;
}

bool QtSqliteInspections::describe(int64_t download_id, const SiteChoice& site,
                                   const InspectionDetails& details) {
    if (!file_.usable()) return false;
    const bool done = file_.in_transaction(
        [&](QSqlQuery& q) { return describe_in(q, download_id, site, details); });
    if (done) file_.tell_changed();
    return done;
}

SiteDeletion QtSqliteInspections::delete_site(int64_t site_id) {
    if (!file_.usable()) return SiteDeletion::Failed;
    SiteDeletion outcome = SiteDeletion::Failed;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, inspection_schema::kSiteInUse, {qlonglong(site_id)}) || !q.next())
            return false;
        if (q.value(0).toBool()) {
            outcome = SiteDeletion::InUse;
            return true;
        }
        if (!file_.run_with(q, inspection_schema::kDeleteSitePlans, {qlonglong(site_id)}) ||
            !file_.run_with(q, inspection_schema::kDeleteSite, {qlonglong(site_id)}))
            return false;
        outcome = q.numRowsAffected() > 0 ? SiteDeletion::Deleted : SiteDeletion::Unknown;
        return true;
    });
    if (!done) return SiteDeletion::Failed;
    if (outcome == SiteDeletion::Deleted) file_.tell_changed();
    return outcome;
}

std::optional<InspectionDetails> QtSqliteInspections::details(int64_t download_id) {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectDetails, {qlonglong(download_id)}) ||
        !q.next())
        return std::nullopt;
    return details_of(q, 0);
}

bool QtSqliteInspections::set_details(int64_t download_id, const InspectionDetails& details) {
    return describe(download_id, SiteChoice{details.site_id.value_or(0), {}, {}, {}}, details);
}

bool write_labels(QtSqliteFile& file, QSqlQuery& q, int64_t download_id,
                  const PointLabels& labels) {
    q.prepare(inspection_schema::kSetLabel);
    for (const auto& [number, label] : labels) {
        q.bindValue(0, label_value(label));
        q.bindValue(1, qlonglong(download_id));
        q.bindValue(2, number);
        if (!file.run(q)) return false;
        if (q.numRowsAffected() == 0) return false;  // no such group: the whole set is refused
    }
    return file.run_with(q, inspection_schema::kDropLimitsWithoutLabel, {qlonglong(download_id)}) &&
           file.run_with(q, inspection_schema::kMarkChanged, {qlonglong(download_id)});
}

bool write_limits(QtSqliteFile& file, QSqlQuery& q, int64_t download_id, const PointLabels& labels,
                  const OwnLimits& limits) {
    q.prepare(inspection_schema::kSetLimit);
    for (const auto& [number, label] : labels) {
        const auto limit = limits.find(number);
        q.bindValue(0, limit == limits.end() ? QVariant(QMetaType::fromType<int>())
                                             : QVariant(limit->second.milliohm));
        q.bindValue(1, qlonglong(download_id));
        q.bindValue(2, number);
        if (!file.run(q)) return false;
    }
    return true;
}

bool QtSqliteInspections::set_label(int64_t download_id, int32_t number,
                                    const std::optional<QString>& label) {
    if (!file_.usable()) return false;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        q.prepare(inspection_schema::kSetLabel);
        q.bindValue(0, label_value(label));
        q.bindValue(1, qlonglong(download_id));
        q.bindValue(2, number);
        return file_.run(q) && q.numRowsAffected() > 0 &&
               file_.run_with(q, inspection_schema::kDropLimitsWithoutLabel,
                              {qlonglong(download_id)}) &&
               file_.run_with(q, inspection_schema::kMarkChanged, {qlonglong(download_id)});
    });
    if (done) file_.tell_changed();
    return done;
}

bool QtSqliteInspections::set_limit(int64_t download_id, int32_t number,
                                    std::optional<JudgedLimit> limit) {
    if (!file_.usable()) return false;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        q.prepare(inspection_schema::kSetLimit);
        q.bindValue(0, limit ? QVariant(limit->milliohm) : QVariant(QMetaType::fromType<int>()));
        q.bindValue(1, qlonglong(download_id));
        q.bindValue(2, number);
        return file_.run(q) && q.numRowsAffected() > 0 &&
               file_.run_with(q, inspection_schema::kMarkChanged, {qlonglong(download_id)});
    });
    if (done) file_.tell_changed();
    return done;
}

bool QtSqliteInspections::set_labels(int64_t download_id, const PointLabels& labels) {
    if (!file_.usable()) return false;
    const bool done = file_.in_transaction(
        [&](QSqlQuery& q) { return write_labels(file_, q, download_id, labels); });
    if (done) file_.tell_changed();
    return done;
}

bool QtSqliteInspections::set_point(int64_t download_id, int32_t number,
                                    const std::optional<QString>& label,
                                    std::optional<JudgedLimit> limit) {
    if (!file_.usable()) return false;
    const PointLabels labels{{number, label.value_or(QString())}};
    OwnLimits limits;
    if (limit) limits[number] = *limit;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        return write_labels(file_, q, download_id, labels) &&
               write_limits(file_, q, download_id, labels, limits);
    });
    if (done) file_.tell_changed();
    return done;
}

bool QtSqliteInspections::keep_plan_in(QSqlQuery& q, int64_t site_id, const QString& location,
                                       const QStringList& labels) {
    if (!file_.run_with(q, inspection_schema::kDeletePlan,
                        {qlonglong(site_id), rows::text_value(location)}))
        return false;
    for (int i = 0; i < labels.size(); ++i)
        if (!file_.run_with(q, inspection_schema::kInsertPlanLabel,
                            {qlonglong(site_id), rows::text_value(location), i + 1, labels[i]}))
            return false;
    return true;
}

bool QtSqliteInspections::save_plan(int64_t site_id, const QString& location,
                                    const QStringList& labels) {
    if (!file_.usable()) return false;
    return file_.in_transaction(
        [&](QSqlQuery& q) { return keep_plan_in(q, site_id, location, labels); });
}

bool QtSqliteInspections::label_from_plan_in(QSqlQuery& q, int64_t download_id,
                                             const PlannedPoints& points, const QStringList& plan) {
    if (!write_labels(file_, q, download_id, points.labels) ||
        !write_limits(file_, q, download_id, points.labels, points.limits) ||
        !file_.run_with(q, inspection_schema::kSelectDetails, {qlonglong(download_id)}) ||
        !q.next())
        return false;
    const InspectionDetails details = details_of(q, 0);
    return !details.site_id || keep_plan_in(q, *details.site_id, details.location, plan);
}

bool QtSqliteInspections::label_from_plan(int64_t download_id, const PlannedPoints& points,
                                          const QStringList& plan) {
    if (!file_.usable()) return false;
    const bool done = file_.in_transaction(
        [&](QSqlQuery& q) { return label_from_plan_in(q, download_id, points, plan); });
    if (done) file_.tell_changed();
    return done;
}

QStringList QtSqliteInspections::plan(int64_t site_id, const QString& location) {
    QStringList out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectPlan,
                        {qlonglong(site_id), rows::text_value(location)}))
        return out;
    while (q.next()) out << q.value(0).toString();
    if (!file_.read_through(q)) out.clear();
    return out;
}

QStringList QtSqliteInspections::locations(int64_t site_id) {
    QStringList out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectLocations, {qlonglong(site_id)})) return out;
    while (q.next()) out << q.value(0).toString();
    if (!file_.read_through(q)) out.clear();
    return out;
}

std::vector<PointValue> QtSqliteInspections::point_history(int64_t site_id, const QString& location,
                                                           const QString& label) {
    std::vector<PointValue> out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectPointHistory,
                        {qlonglong(site_id), rows::text_value(location), label}))
        return out;
    while (q.next())
        out.push_back({q.value(8).toLongLong(), rows::time_of(q.value(9)), rows::group_of(q),
                       q.value(10).toString()});
    if (!file_.read_through(q)) out.clear();
    return out;
}

PreviousValues QtSqliteInspections::previous_values(int64_t download_id) {
    PreviousValues out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, inspection_schema::kSelectPrevious,
                        {qlonglong(download_id), qlonglong(download_id)}))
        return out;
    while (q.next())
        out[q.value(10).toString()] = {q.value(8).toLongLong(), rows::time_of(q.value(9)),
                                       rows::group_of(q), q.value(11).toString()};
    if (!file_.read_through(q)) out.clear();
    return out;
}

}  // namespace eqbond
