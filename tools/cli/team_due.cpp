#include "cli/team_due.h"

#include <QSet>
#include <map>

#include "archive/qt_sqlite_file.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_sqlite_planning.h"
#include "inspection/test_plan.h"
#include "team/qt_team_store.h"

namespace eqbond::cli {

std::optional<std::vector<InspectedLocation>> team_locations(QtTeamStore& store,
                                                             const QString& site,
                                                             const QString& archive_file) {
    const auto downloads = store.list({site, {}});
    const auto plans = downloads ? store.plans() : std::nullopt;
    if (!plans) return std::nullopt;
    // Newest first: the first of each site's location is the one read last.
    std::map<std::pair<QString, QString>, QString> latest;
    for (const TeamDownloadSummary& d : *downloads)
        if (!d.site_name.isEmpty()) latest.emplace(std::pair(d.site_name, d.location), d.uuid);
    // The intervals are this computer's: an archive that cannot be opened keeps none.
    QtSqliteFile local;
    const bool local_open = local.open(archive_file);
    QtSqlitePlanning intervals(local);
    const int default_months = saved_retest_months();
    std::vector<InspectedLocation> out;
    for (const auto& [where, uuid] : latest) {
        const std::optional<StoredTeamDownload> stored = store.load(uuid);
        if (!stored) {
            if (store.fault()) return std::nullopt;
            continue;  // deleted meanwhile
        }
        InspectedLocation l{where.first, where.second, last_measured(stored->download.groups),
                            default_months, 0};
        if (!l.last.isValid()) l.last = stored->download.download.started.date();
        if (local_open) l.months = intervals.interval(where.first, where.second).value_or(l.months);
        QSet<QString> measured;
        for (const std::optional<QString>& label : stored->download.labels)
            if (label) measured.insert(*label);
        for (const TeamPlan& plan : *plans)
            if (plan.site_name == where.first && plan.location == where.second)
                for (const QString& line : plan.labels)
                    l.unmeasured += measured.contains(plan_line(line).label) ? 0 : 1;
        out.push_back(l);
    }
    return out;
}

}  // namespace eqbond::cli
