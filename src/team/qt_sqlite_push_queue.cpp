#include "team/qt_sqlite_push_queue.h"

#include <QSqlQuery>
#include <QVariant>

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

std::optional<TeamDownload> QtSqlitePushQueue::team_download(int64_t download_id) {
    std::optional<Inspection> local = inspections_.load(download_id);
    if (!local) return std::nullopt;
    TeamDownload out;
    out.uuid = local->uuid;
    out.download = local->download;
    out.location = local->details.location;
    out.inspector = local->details.inspector;
    out.instrument_serial = local->details.instrument_serial;
    out.notes = local->details.notes;
    if (local->details.site_id) {
        for (const Site& site : inspections_.sites())
            if (site.id == *local->details.site_id)
                out.site = TeamSite{site.name, site.address, site.customer};
        if (file_.fault()) return std::nullopt;
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

bool QtSqlitePushQueue::mark_pushed(const WaitingDownload& download, const QDateTime& when) {
    if (!file_.usable()) return false;
    int marked = 0;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(
                q, push_queue_schema::kMarkPushed,
                {when.toMSecsSinceEpoch(), qlonglong(download.id), qlonglong(download.changes)}))
            return false;
        marked = q.numRowsAffected();
        return true;
    });
    return done && marked > 0;
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
