#include "team/qt_sqlite_issued_queue.h"

#include <QSqlQuery>
#include <QVariant>

#include "team/push_queue_schema.h"

namespace eqbond {

std::optional<std::vector<NumberedRevision>> QtSqliteIssuedQueue::waiting_issued() {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kSelectIssuedWaiting, {})) return std::nullopt;
    std::vector<NumberedRevision> out;
    while (q.next()) out.push_back({q.value(0).toString(), q.value(1).toInt()});
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<IssuedReport> QtSqliteIssuedQueue::issued(const NumberedRevision& id) {
    return issued_.revision(id);
}

bool QtSqliteIssuedQueue::mark_issued_pushed(const NumberedRevision& id, const QDateTime& when) {
    if (!file_.usable()) return false;
    QSqlQuery q = file_.query();
    return file_.run_with(q, push_queue_schema::kMarkIssuedPushed,
                          {when.toMSecsSinceEpoch(), id.number, id.revision});
}

}  // namespace eqbond
