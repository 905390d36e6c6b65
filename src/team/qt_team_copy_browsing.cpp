#include "team/qt_team_copy_browsing.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <unordered_map>

#include "team/push_queue_schema.h"
#include "team/qt_sqlite_team_copy.h"

namespace eqbond {

bool QtTeamCopyBrowsing::groups_held(int64_t download_id) {
    const std::optional<bool> summary = held_by_summary(file_, download_id);
    return summary && !*summary;
}

std::vector<ListedInspection> QtTeamCopyBrowsing::with_summaries(
    std::vector<ListedInspection> listed) {
    if (listed.empty() || !file_.usable()) return listed;
    // One read for a whole chunk of the list rather than one a row: the list is read on the
    // window's thread.
    constexpr size_t kChunk = 500;
    std::unordered_map<int64_t, ListedInspection*> by_id;
    for (ListedInspection& one : listed) by_id[one.id] = &one;
    QSqlQuery q = file_.query();
    for (size_t from = 0; from < listed.size(); from += kChunk) {
        const size_t count = std::min(kChunk, listed.size() - from);
        QStringList marks;
        for (size_t i = 0; i < count; ++i) marks << QStringLiteral("?");
        // A copy made before summaries were kept holds every download whole.
        if (!q.prepare(push_queue_schema::kSelectSummaryValuesOf.arg(marks.join(u','))))
            return listed;
        for (size_t i = 0; i < count; ++i) q.bindValue(int(i), qlonglong(listed[from + i].id));
        if (!q.exec()) return listed;
        while (q.next()) {
            ListedInspection& one = *by_id.at(q.value(0).toLongLong());
            one.lowest_milliohm = q.value(1).toInt();
            one.highest_milliohm = q.value(2).toInt();
            one.failing.reset();  // not known until its groups are read
        }
    }
    return listed;
}

}  // namespace eqbond
