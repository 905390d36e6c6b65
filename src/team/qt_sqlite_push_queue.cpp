#include "team/qt_sqlite_push_queue.h"

#include <QSqlQuery>
#include <QVariant>

#include "archive/qt_sqlite_rows.h"
#include "team/push_queue_schema.h"

namespace eqbond {

std::optional<std::vector<WaitingDownload>> QtSqlitePushQueue::waiting() {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kSelectWaiting, {})) return std::nullopt;
    std::vector<WaitingDownload> out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toLongLong()});
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<std::vector<HadDownload>> QtSqlitePushQueue::had_by_server() {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kSelectHad, {})) return std::nullopt;
    std::vector<HadDownload> out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toLongLong()});
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<TeamDownload> QtSqlitePushQueue::team_download(int64_t download_id) {
    const std::optional<Inspection> local = inspections_.load(download_id);
    if (!local) return std::nullopt;
    std::optional<Site> site;
    if (local->details.site_id) {
        site = inspections_.site(*local->details.site_id);
        if (!site) return std::nullopt;
    }
    TeamDownload out = team_download_of(*local, site);
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kServerRevision, {qlonglong(download_id)}) ||
        !q.next())
        return std::nullopt;
    // One pushed before revisions were kept was last had as the server first took it.
    out.base_revision = q.value(0).isNull() ? 1 : q.value(0).toLongLong();
    if (!file_.run_with(q, push_queue_schema::kSelectOverruled, {qlonglong(download_id)}))
        return std::nullopt;
    while (q.next()) out.overruled[q.value(0).toString()] = q.value(1).toString();
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

bool QtSqlitePushQueue::keep_server_side(int64_t download_id, int64_t revision,
                                         const TeamDownload* taken) {
    if (!file_.usable()) return false;
    const qlonglong id = download_id;
    return file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, push_queue_schema::kSettleConflicts, {id})) return false;
        if (!taken)
            return file_.run_with(q, push_queue_schema::kKeepRevision, {qlonglong(revision), id});
        if (!file_.run_with(q, push_queue_schema::kServerRevision, {id}) || !q.next()) return false;
        const QVariant changes = q.value(1);
        const Inspection server = inspection_of(*taken);
        PointLabels labels;
        for (const Group& g : taken->groups)
            labels[g.number] =
                server.labels.count(g.number) ? server.labels.at(g.number) : QString();
        if (!write_labels(file_, q, download_id, labels) ||
            !write_limits(file_, q, download_id, labels, server.own_limits))
            return false;
        QVariant site = QVariant(QMetaType::fromType<qlonglong>());
        if (!taken->site.name.isEmpty()) {
            if (!file_.run_with(q, push_queue_schema::kKeepCopySite,
                                {taken->site.name, rows::text_value(taken->site.address),
                                 rows::text_value(taken->site.customer)}) ||
                !q.next())
                return false;
            site = q.value(0);
        }
        const InspectionDetails& details = server.details;
        return file_.run_with(
            q, push_queue_schema::kTakeDetails,
            {site, rows::text_value(details.location), rows::text_value(details.inspector),
             rows::text_value(details.instrument_serial), rows::text_value(details.notes),
             qlonglong(revision), changes, id});
    });
}

bool QtSqlitePushQueue::keep_conflicts(int64_t download_id,
                                       const std::vector<TeamConflict>& conflicts) {
    if (!file_.usable()) return false;
    const qlonglong id = download_id;
    return file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, push_queue_schema::kDropOpenConflicts, {id})) return false;
        for (const TeamConflict& c : conflicts)
            if (!file_.run_with(
                    q, push_queue_schema::kKeepConflict,
                    {id, c.field, rows::text_value(c.server), rows::text_value(c.here)}))
                return false;
        return true;
    });
}

bool QtSqlitePushQueue::mark_deleted_there(int64_t download_id) {
    if (!file_.usable()) return false;
    return file_.in_transaction([&](QSqlQuery& q) {
        return file_.run_with(q, push_queue_schema::kMarkDeletedThere, {qlonglong(download_id)});
    });
}

Marking QtSqlitePushQueue::mark_pushed(const WaitingDownload& download, const QDateTime& when) {
    if (!file_.usable()) return Marking::Failed;
    int marked = 0;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(
                q, push_queue_schema::kMarkPushed,
                {when.toMSecsSinceEpoch(), qlonglong(download.id), qlonglong(download.changes)}))
            return false;
        marked = q.numRowsAffected();
        return true;
    });
    if (!done) return Marking::Failed;
    return marked > 0 ? Marking::Marked : Marking::ChangedMeanwhile;
}

std::optional<QDateTime> QtSqlitePushQueue::last_push() {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kSelectLastPush, {}) || !q.next() ||
        q.value(0).isNull())
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong());
}

}  // namespace eqbond
