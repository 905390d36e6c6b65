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
    const std::optional<Inspection> local = inspections_.load(download_id);
    if (!local) return std::nullopt;
    std::optional<Site> site;
    if (local->details.site_id) {
        site = inspections_.site(*local->details.site_id);
        if (!site) return std::nullopt;
    }
    return team_download_of(*local, site);
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
