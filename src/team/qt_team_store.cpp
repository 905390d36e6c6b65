#include "team/qt_team_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <algorithm>

#include "archive/qt_sqlite_rows.h"
#include "team/postgres_array.h"
#include "team/team_push_schema.h"
#include "team/team_schema.h"

namespace eqbond {

namespace {

// Never a null string: the driver would send NULL for it.
QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

QVariant time_text(const QDateTime& t) {
    if (!t.isValid()) return QVariant(QMetaType::fromType<QString>());
    return t.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime time_of(const QVariant& ms) {
    return ms.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(ms.toLongLong());
}

// PostgreSQL's text cannot hold U+0000: such a download is refused whole, not cut short.
bool holds_nul(const TeamDownload& d) {
    for (const QString* text : {&d.site.name, &d.site.address, &d.site.customer, &d.location,
                                &d.inspector, &d.instrument_serial, &d.notes, &d.download.device})
        if (text->contains(QChar(0))) return true;
    for (const std::optional<QString>& label : d.labels)
        if (label && label->contains(QChar(0))) return true;
    return false;
}

bool is_uuid(const QString& uuid) {
    return !QUuid::fromString(uuid).isNull();
}

// The columns team_schema's summary lists, from `q`.
TeamDownloadSummary summary_of(const QSqlQuery& q) {
    TeamDownloadSummary s;
    s.uuid = q.value(0).toString();
    s.owner = q.value(1).toString();
    s.download.started = time_of(q.value(2));
    s.download.finished = time_of(q.value(3));
    s.download.port_number = int16_t(q.value(4).toInt());
    s.download.device = q.value(5).toString();
    s.download.reported_total = q.value(6).toInt();
    s.download.groups_read = q.value(7).toInt();
    s.download.end = q.value(8).toString() == QLatin1String("complete") ? DownloadEnd::Complete
                                                                        : DownloadEnd::Abandoned;
    s.site_name = q.value(9).toString();
    s.location = q.value(10).toString();
    s.inspector = q.value(11).toString();
    s.groups_held = q.value(12).toInt();
    s.lowest_milliohm = q.value(13).toInt();
    s.highest_milliohm = q.value(14).toInt();
    s.pushed = time_of(q.value(15));
    return s;
}

// The download's columns after its site, in the order of team_schema::kUpsertDownload (and
// kPushNew): its details, what was measured, and its lowest and highest group.
std::vector<QVariant> measured_values(const TeamDownload& d) {
    int lowest = 0, highest = 0;
    if (!d.groups.empty()) {
        const auto [low, high] = std::minmax_element(
            d.groups.begin(), d.groups.end(),
            [](const Group& a, const Group& b) { return a.milliohm < b.milliohm; });
        lowest = low->milliohm;
        highest = high->milliohm;
    }
    return {text(d.location),
            text(d.inspector),
            text(d.instrument_serial),
            text(d.notes),
            time_text(d.download.started),
            time_text(d.download.finished),
            int(d.download.port_number),
            text(d.download.device),
            d.download.reported_total,
            d.download.groups_read,
            d.download.end == DownloadEnd::Complete ? QStringLiteral("complete")
                                                    : QStringLiteral("abandoned"),
            int(d.groups.size()),
            lowest,
            highest};
}

// The group columns as array literals, in the order of team_schema::kInsertGroups (and
// kPushNew).
std::vector<QString> group_columns(const TeamDownload& d) {
    const auto column = [&](auto field) {
        std::vector<int> values;
        values.reserve(d.groups.size());
        for (const Group& g : d.groups) values.push_back(field(g));
        return integer_array_literal(values);
    };
    std::vector<std::optional<QString>> labels = d.labels;
    labels.resize(d.groups.size());
    std::vector<std::optional<QString>> limits;
    limits.reserve(d.groups.size());
    for (const Group& g : d.groups) {
        const auto limit = d.limits.find(g.number);
        limits.push_back(limit == d.limits.end()
                             ? std::nullopt
                             : std::optional(QString::number(limit->second.milliohm)));
    }
    return {column([](const Group& g) { return g.number; }),
            column([](const Group& g) { return g.milliohm; }),
            column([](const Group& g) { return int(g.battery); }),
            column([](const Group& g) { return g.year; }),
            column([](const Group& g) { return g.month; }),
            column([](const Group& g) { return g.day; }),
            column([](const Group& g) { return g.hour; }),
            column([](const Group& g) { return g.minute; }),
            text_array_literal(labels),
            text_array_literal(limits)};
}

}  // namespace

struct QtTeamStore::PushStatements {
    explicit PushStatements(const QSqlDatabase& db)
        : push_new(db), find_site(db), revise_site(db), download(db), insert_groups(db) {}
    // The first statement's error, or nothing when all are prepared.
    std::optional<QSqlError> prepare() {
        using namespace team_schema;
        const std::pair<QSqlQuery*, const QString*> statements[] = {
            {&push_new, &kPushNew},
            {&find_site, &kFindSite},
            {&revise_site, &kReviseSite},
            {&download, &kUpsertDownload},
            {&insert_groups, &kInsertGroups}};
        for (const auto& [query, sql] : statements)
            if (!query->prepare(*sql)) return query->lastError();
        return std::nullopt;
    }
    QSqlQuery push_new, find_site, revise_site, download, insert_groups;
};

QtTeamStore::QtTeamStore() = default;
QtTeamStore::~QtTeamStore() = default;

bool QtTeamStore::connect(const TeamServerAddress& address) {
    statements_.reset();
    connected_ = connection_.open(address) && check_layout();
    if (connected_) {
        statements_ = std::make_unique<PushStatements>(connection_.database());
        if (const std::optional<QSqlError> error = statements_->prepare()) {
            connection_.fail(*error, TeamFaultKind::NoPermission);
            statements_.reset();
            connected_ = false;
        }
    }
    return connected_;
}

bool QtTeamStore::check_layout() {
    using namespace team_schema;
    QSqlQuery q(connection_.database());
    if (!connection_.run(q, kIdentity, TeamFaultKind::NoPermission) || !q.next()) return false;
    role_ = q.value(0).toString();
    changes_any_ = q.value(1).toBool();
    int version = 0;
    if (!connection_.layout_version(q, &version)) return false;
    if (version == 0) return connection_.fail(TeamFaultKind::NotTeamArchive, QString());
    // An older layout is brought forward by `team setup`, not by an inspector's push.
    if (version < kVersion)
        return connection_.fail(
            TeamFaultKind::NotTeamArchive,
            QStringLiteral("layout %1: run eqbond-cli team setup").arg(version));
    return true;
}

bool QtTeamStore::ready() {
    // Only a server out of reach is tried again; a refused login or layout stays refused until
    // the caller connects anew, so a wrong password is not tried over and over.
    const bool lost =
        (connection_.fault() && connection_.fault()->kind == TeamFaultKind::Unreachable) ||
        (connected_ && !connection_.database().isOpen());
    if (!connected_ && !lost) {
        if (!connection_.fault())
            connection_.fail(TeamFaultKind::Unreachable, QStringLiteral("not connected"));
        return false;
    }
    connection_.clear_fault();
    return lost ? connect(connection_.address()) : true;
}

bool QtTeamStore::push(const TeamDownload& d) {
    if (!ready()) return false;
    if (!is_uuid(d.uuid))
        return connection_.fail(TeamFaultKind::Failed, QStringLiteral("not a UUID"));
    if (!d.labels.empty() && d.labels.size() != d.groups.size())
        return connection_.fail(TeamFaultKind::Failed,
                                QStringLiteral("the labels do not match the groups"));
    if (holds_nul(d))
        return connection_.fail(TeamFaultKind::Failed,
                                QStringLiteral("a text holds a NUL character, which the server "
                                               "cannot store"));
    merge_.reset();
    revision_ = 0;
    // Most pushes bring a download the server has never seen: one call takes it whole, with
    // nothing to merge. One the server holds goes through the merge below.
    const std::optional<int64_t> arrived = push_new(d);
    if (!arrived) return false;
    if (*arrived > 0) {
        revision_ = *arrived;
        return true;
    }
    return connection_.in_transaction([&](QSqlQuery& q) {
        if (d.base_revision && !merge_with_server(q, d)) return false;
        if (!write(merge_ ? merge_->merged : d)) return false;
        q.prepare(team_schema::kRevision);
        q.addBindValue(d.uuid);
        if (!connection_.run(q) || !q.next()) return false;
        revision_ = q.value(0).toLongLong();
        return true;
    });
}

std::optional<int64_t> QtTeamStore::push_new(const TeamDownload& d) {
    QSqlQuery& q = statements_->push_new;
    int column = 0;
    for (const QVariant& value :
         {QVariant(d.uuid), text(d.site.name), text(d.site.address), text(d.site.customer)})
        q.bindValue(column++, value);
    for (const QVariant& value : measured_values(d)) q.bindValue(column++, value);
    for (const QString& values : group_columns(d)) q.bindValue(column++, values);
    if (!connection_.run(q)) return std::nullopt;
    if (!q.next()) {
        connection_.fail(TeamFaultKind::Failed,
                         QStringLiteral("the server did not answer the push"));
        return std::nullopt;
    }
    const QVariant revision = q.value(0);
    q.finish();
    return revision.isNull() ? 0 : revision.toLongLong();
}

bool QtTeamStore::write(const TeamDownload& d) {
    PushStatements& p = *statements_;
    QVariant site(QMetaType::fromType<QString>());
    if (!d.site.name.isEmpty()) {
        const std::optional<QVariant> id = site_id(d.site);
        if (!id) return false;
        // An empty address or customer keeps the site's: without either, nothing to revise.
        const bool revises = !d.site.address.isEmpty() || !d.site.customer.isEmpty();
        if (revises) {
            p.revise_site.bindValue(0, text(d.site.address));
            p.revise_site.bindValue(1, text(d.site.customer));
            p.revise_site.bindValue(2, *id);
            p.revise_site.bindValue(3, text(d.site.address));
            p.revise_site.bindValue(4, text(d.site.customer));
            if (!connection_.run(p.revise_site)) return false;
        }
        site = *id;
    }
    p.download.bindValue(0, d.uuid);
    p.download.bindValue(1, site);
    int column = 2;
    for (const QVariant& value : measured_values(d)) p.download.bindValue(column++, value);
    if (!connection_.run(p.download)) return false;
    if (d.groups.empty()) return true;
    p.insert_groups.bindValue(0, d.uuid);
    column = 1;
    for (const QString& values : group_columns(d)) p.insert_groups.bindValue(column++, values);
    return connection_.run(p.insert_groups);
}

std::optional<QVariant> QtTeamStore::site_id(const TeamSite& site) {
    QSqlQuery& find = statements_->find_site;
    find.bindValue(0, text(site.name));
    find.bindValue(1, text(site.address));
    find.bindValue(2, text(site.customer));
    find.bindValue(3, text(site.name));
    if (!connection_.run(find)) return std::nullopt;
    if (find.next()) return find.value(0);
    // Added by another push at the same moment: committed after this statement's snapshot was
    // taken, seen by the next statement's.
    QSqlQuery again(connection_.database());
    again.prepare(team_schema::kSiteByName);
    again.addBindValue(text(site.name));
    if (!connection_.run(again)) return std::nullopt;
    if (!again.next()) {
        connection_.fail(TeamFaultKind::Busy, QStringLiteral("a site added at the same time"));
        return std::nullopt;
    }
    return again.value(0);
}

bool QtTeamStore::refused_if_held(QSqlQuery& q, const QString& held_sql, const QVariantList& key) {
    q.prepare(held_sql);
    for (const QVariant& value : key) q.addBindValue(value);
    if (!connection_.run(q)) return false;
    // Every inspector reads everything: a row still there was kept by the server's rules.
    if (q.next())
        connection_.fail(TeamFaultKind::RefusedByRules,
                         QStringLiteral("the download is another role's"));
    return false;
}

bool QtTeamStore::describe(const QString& uuid, const TeamDetailsChange& change) {
    if (!ready() || !is_uuid(uuid)) return false;
    const auto given = [](const std::optional<QString>& value) {
        return value ? text(*value) : QVariant(QMetaType::fromType<QString>());
    };
    bool changed = false;
    const bool done = connection_.in_transaction([&](QSqlQuery& q) {
        QVariant site(QMetaType::fromType<QString>());
        if (change.site && !change.site->isEmpty()) {
            const std::optional<QVariant> id = site_id({*change.site, {}, {}});
            if (!id) return false;
            site = *id;
        }
        q.prepare(team_schema::kDescribe);
        for (const QVariant& value :
             {QVariant(change.site.has_value()), site, given(change.location),
              given(change.inspector), given(change.instrument_serial), given(change.notes),
              QVariant(uuid)})
            q.addBindValue(value);
        if (!connection_.run(q)) return false;
        changed = q.numRowsAffected() > 0;
        if (changed) return true;
        // Refused: a site added for it goes too.
        refused_if_held(q, team_schema::kDownloadHeld, {uuid});
        return !connection_.fault();
    });
    return done && changed;
}

bool QtTeamStore::label(const QString& uuid, int group, const QString& point,
                        std::optional<JudgedLimit> limit) {
    if (!ready() || !is_uuid(uuid)) return false;
    QSqlQuery q(connection_.database());
    q.prepare(team_schema::kLabel);
    // A group without a test point has no limit of its own.
    const QVariant kept_limit = limit && !point.isEmpty() ? QVariant(limit->milliohm)
                                                          : QVariant(QMetaType::fromType<int>());
    for (const QVariant& value : {text(point), kept_limit, QVariant(uuid), QVariant(group)})
        q.addBindValue(value);
    if (!connection_.run(q)) return false;
    return q.numRowsAffected() > 0 || refused_if_held(q, team_schema::kGroupHeld, {uuid, group});
}

std::optional<std::vector<TeamHistoryEntry>> QtTeamStore::history(const QString& uuid) {
    if (!ready() || !is_uuid(uuid)) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    q.prepare(team_schema::kHistory);
    q.addBindValue(uuid);
    if (!connection_.run(q)) return std::nullopt;
    std::vector<TeamHistoryEntry> out;
    while (q.next())
        out.push_back({time_of(q.value(0)), q.value(1).toString(), q.value(2).toString(),
                       q.value(3).toString(), q.value(4).toString(), q.value(5).toString()});
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<std::vector<TeamDownloadSummary>> QtTeamStore::list(const TeamFilter& filter) {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    q.prepare(team_schema::kList);
    for (const QString& value :
         {filter.site_name, filter.site_name, filter.inspector, filter.inspector, filter.inspector})
        q.addBindValue(text(value));
    if (!connection_.run(q)) return std::nullopt;
    std::vector<TeamDownloadSummary> out;
    while (q.next()) out.push_back(summary_of(q));
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<std::map<QString, int64_t>> QtTeamStore::revisions(
    const std::vector<QString>& uuids) {
    // Only those asked for: the team archive may hold many more than this computer had.
    std::vector<std::optional<QString>> listed;
    for (const QString& uuid : uuids)
        if (is_uuid(uuid)) listed.emplace_back(uuid);
    return numbers_by_uuid(team_schema::kRevisions, text_array_literal(listed));
}

std::optional<std::map<QString, int64_t>> QtTeamStore::numbers_by_uuid(
    const QString& sql, const std::optional<QString>& bound) {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    if (bound) {
        q.prepare(sql);
        q.addBindValue(*bound);
        if (!connection_.run(q)) return std::nullopt;
    } else if (!connection_.run(q, sql)) {
        return std::nullopt;
    }
    std::map<QString, int64_t> out;
    while (q.next()) out[q.value(0).toString()] = q.value(1).toLongLong();
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<StoredTeamDownload> QtTeamStore::load(const QString& uuid) {
    if (!ready() || !is_uuid(uuid)) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    return read(q, uuid);
}

std::optional<StoredTeamDownload> QtTeamStore::read(QSqlQuery& q, const QString& uuid) {
    q.prepare(team_schema::kSelectDownload);
    q.addBindValue(uuid);
    if (!connection_.run(q) || !q.next()) return std::nullopt;
    StoredTeamDownload out = stored_of(q);
    TeamDownload& d = out.download;
    q.prepare(team_schema::kSelectGroups);
    q.addBindValue(uuid);
    if (!connection_.run(q)) return std::nullopt;
    bool labelled = false;
    while (q.next()) {
        d.groups.push_back(rows::group_of(q));
        d.labels.push_back(q.value(8).isNull() ? std::nullopt
                                               : std::optional<QString>(q.value(8).toString()));
        labelled |= d.labels.back().has_value();
        if (!q.value(9).isNull()) d.limits[d.groups.back().number] = {q.value(9).toInt()};
    }
    if (!connection_.read_through(q)) return std::nullopt;
    if (!labelled) d.labels.clear();
    return out;
}

StoredTeamDownload QtTeamStore::stored_of(const QSqlQuery& q) {
    const TeamDownloadSummary s = summary_of(q);
    StoredTeamDownload out;
    out.owner = s.owner;
    out.pushed = s.pushed;
    out.revision = q.value(20).toLongLong();
    TeamDownload& d = out.download;
    d.uuid = s.uuid;
    d.download = s.download;
    d.site = {s.site_name, q.value(16).toString(), q.value(17).toString()};
    d.location = s.location;
    d.inspector = s.inspector;
    d.instrument_serial = q.value(18).toString();
    d.notes = q.value(19).toString();
    return out;
}

bool QtTeamStore::summaries(const std::function<bool(const std::vector<TeamCopySummary>&)>& page) {
    if (!ready()) return false;
    bool handed = true;
    // Through a cursor: the newest are handed on while the server still holds the rest.
    const bool done = connection_.in_transaction([&](QSqlQuery& q) {
        q.setForwardOnly(true);
        if (!connection_.run(q, team_schema::kDeclareSummaries)) return false;
        std::vector<TeamCopySummary> rows;
        do {
            rows.clear();
            if (!connection_.run(q, team_schema::kFetchSummaries)) return false;
            while (q.next())
                rows.push_back(
                    {stored_of(q), q.value(12).toInt(), q.value(13).toInt(), q.value(14).toInt()});
            if (!connection_.read_through(q)) return false;
            handed = rows.empty() || page(rows);
        } while (handed && rows.size() == team_schema::kSummaryPage);
        return handed;
    });
    return done && handed;
}

std::optional<PreviousValues> QtTeamStore::previous_values(const QString& uuid) {
    if (!ready() || !is_uuid(uuid)) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    q.prepare(team_schema::kSelectPrevious);
    q.addBindValue(uuid);
    q.addBindValue(uuid);
    if (!connection_.run(q)) return std::nullopt;
    PreviousValues out;
    while (q.next()) {
        PointValue& v = out[q.value(9).toString()];
        v.group = rows::group_of(q);
        v.started = time_of(q.value(8));
    }
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

bool QtTeamStore::keep_plan(const TeamPlan& plan) {
    if (!ready()) return false;
    if (plan.site_name.isEmpty())
        return connection_.fail(TeamFaultKind::Failed, QStringLiteral("a plan without a site"));
    std::vector<std::optional<QString>> labels(plan.labels.begin(), plan.labels.end());
    return connection_.in_transaction([&](QSqlQuery& q) {
        // The site as it is: a plan changes neither its address nor its customer.
        const std::optional<QVariant> site = site_id({plan.site_name, {}, {}});
        if (!site) return false;
        q.prepare(team_schema::kKeepPlan);
        q.addBindValue(*site);
        q.addBindValue(text(plan.location));
        q.addBindValue(text_array_literal(labels));
        return connection_.run(q);
    });
}

std::optional<std::vector<TeamPlan>> QtTeamStore::plans() {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    if (!connection_.run(q, team_schema::kPlans)) return std::nullopt;
    std::vector<TeamPlan> out;
    while (q.next()) {
        const QString site = q.value(0).toString(), location = q.value(1).toString();
        if (out.empty() || out.back().site_name != site || out.back().location != location)
            out.push_back({site, location, {}});
        out.back().labels << q.value(2).toString();
    }
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

bool QtTeamStore::remove(const QString& uuid) {
    if (!ready() || !is_uuid(uuid)) return false;
    // The server's function decides: another role's download comes back as a refusal.
    QSqlQuery q(connection_.database());
    q.prepare(team_schema::kDeleteDownload);
    q.addBindValue(uuid);
    return connection_.run(q) && q.next() && q.value(0).toBool();
}

}  // namespace eqbond
