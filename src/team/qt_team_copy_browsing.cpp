#include "team/qt_team_copy_browsing.h"

#include <QSqlQuery>
#include <QVariant>

#include "team/push_queue_schema.h"

namespace eqbond {

bool QtTeamCopyBrowsing::groups_held(int64_t download_id) {
    if (!file_.usable()) return false;
    QSqlQuery q = file_.query();
    return file_.run_with(q, push_queue_schema::kIsSummary, {qlonglong(download_id)}) && q.next() &&
           !q.value(0).toBool();
}

std::vector<ListedInspection> QtTeamCopyBrowsing::with_summaries(
    std::vector<ListedInspection> listed) {
    if (listed.empty() || !file_.usable()) return listed;
    QSqlQuery q = file_.query();
    // A copy made before summaries were kept holds every download whole.
    if (!q.prepare(push_queue_schema::kSelectSummaryValues)) return listed;
    for (ListedInspection& one : listed) {
        q.bindValue(0, qlonglong(one.id));
        if (!q.exec() || !q.next()) continue;
        one.lowest_milliohm = q.value(0).toInt();
        one.highest_milliohm = q.value(1).toInt();
        one.failing.reset();  // not known until its groups are read
    }
    return listed;
}

}  // namespace eqbond
