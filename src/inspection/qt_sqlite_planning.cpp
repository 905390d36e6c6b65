#include "inspection/qt_sqlite_planning.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include "archive/qt_sqlite_rows.h"
#include "inspection/planning_schema.h"
#include "inspection/test_plan.h"

namespace eqbond {

namespace {
Instrument instrument_of(const QSqlQuery& q) {
    return {q.value(0).toString(), QDate::fromString(q.value(1).toString(), Qt::ISODate),
            QDate::fromString(q.value(2).toString(), Qt::ISODate), q.value(3).toString(),
            q.value(4).toString()};
}
}  // namespace

IntervalSet QtSqlitePlanning::set_interval(const QString& site,
                                           const std::optional<QString>& location, int months) {
    using namespace planning_schema;
    if (!file_.usable()) return IntervalSet::Failed;
    IntervalSet outcome = IntervalSet::Set;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, kSelectSiteId, {site})) return false;
        if (!q.next()) {
            outcome = IntervalSet::NoSuchSite;
            return true;
        }
        const qlonglong site_id = q.value(0).toLongLong();
        if (!location) return file_.run_with(q, kSetSiteInterval, {months, site_id});
        if (!file_.run_with(q, kLocationKnown, {site_id, rows::text_value(*location)}) || !q.next())
            return false;
        if (!q.value(0).toBool()) {
            outcome = IntervalSet::NoSuchLocation;
            return true;
        }
        return file_.run_with(q, kSetLocationInterval,
                              {site_id, rows::text_value(*location), months});
    });
    if (!done) return IntervalSet::Failed;
    if (outcome == IntervalSet::Set) file_.tell_changed();
    return outcome;
}

std::optional<std::vector<InspectedLocation>> QtSqlitePlanning::inspected_locations(
    const std::optional<QString>& site, int default_months) {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    const QVariant site_name = site ? QVariant(*site) : QVariant(QMetaType::fromType<QString>());
    if (!file_.run_with(q, planning_schema::kSelectLatest, {site_name, site_name}))
        return std::nullopt;
    struct Latest {
        int64_t download_id, site_id;
        InspectedLocation location;
    };
    std::vector<Latest> latest;
    while (q.next()) {
        Latest l{q.value(0).toLongLong(), q.value(1).toLongLong(), {}};
        l.location.site = q.value(2).toString();
        l.location.location = q.value(3).toString();
        l.location.months = q.value(4).isNull() ? default_months : q.value(4).toInt();
        // A download whose groups carry no date the calendar knows counts from when it was read.
        l.location.last = rows::time_of(q.value(5)).date();
        latest.push_back(l);
    }
    if (!file_.read_through(q)) return std::nullopt;
    std::vector<InspectedLocation> out;
    for (Latest& l : latest) {
        if (!read_location(l.download_id, l.site_id, &l.location)) return std::nullopt;
        out.push_back(l.location);
    }
    return out;
}

bool QtSqlitePlanning::read_location(int64_t download_id, int64_t site_id,
                                     InspectedLocation* location) {
    using namespace planning_schema;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, kSelectMeasuredDays, {qlonglong(download_id)})) return false;
    std::vector<Group> days;
    while (q.next())
        days.push_back(Group{q.value(0).toInt(), 0, 0, q.value(1).toInt(), q.value(2).toInt(),
                             q.value(3).toInt(), 0, 0});
    if (!file_.read_through(q)) return false;
    if (const QDate last = last_measured(days); last.isValid()) location->last = last;
    if (!file_.run_with(q, kSelectLabelsOf, {qlonglong(download_id)})) return false;
    QSet<QString> measured;
    while (q.next()) measured.insert(q.value(0).toString());
    if (!file_.read_through(q)) return false;
    if (!file_.run_with(q, kSelectPlanLines,
                        {qlonglong(site_id), rows::text_value(location->location)}))
        return false;
    location->unmeasured = 0;
    while (q.next())
        if (!measured.contains(plan_line(q.value(0).toString()).label)) ++location->unmeasured;
    return file_.read_through(q);
}

std::optional<int> QtSqlitePlanning::interval(const QString& site, const QString& location) {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, planning_schema::kSelectInterval, {rows::text_value(location), site}) ||
        !q.next() || q.value(0).isNull())
        return std::nullopt;
    return q.value(0).toInt();
}

bool QtSqlitePlanning::keep_instrument(const Instrument& i) {
    if (!file_.usable()) return false;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        return file_.run_with(
            q, planning_schema::kUpsertInstrument,
            {i.serial, i.calibrated.toString(Qt::ISODate), i.due.toString(Qt::ISODate),
             rows::text_value(i.certificate), rows::text_value(i.model)});
    });
    if (done) file_.tell_changed();
    return done;
}

std::optional<std::vector<Instrument>> QtSqlitePlanning::instruments() {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, planning_schema::kSelectInstruments, {})) return std::nullopt;
    std::vector<Instrument> out;
    while (q.next()) out.push_back(instrument_of(q));
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<Instrument> QtSqlitePlanning::instrument(const QString& serial) {
    if (!file_.usable() || serial.isEmpty()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, planning_schema::kSelectInstrument, {serial}) || !q.next())
        return std::nullopt;
    return instrument_of(q);
}

}  // namespace eqbond
