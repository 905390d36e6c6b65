#include "inspection/inspection_export.h"

#include <map>

#include "archive/archive_export.h"
#include "base/file_texts.h"
#include "inspection/inspection_comparison.h"
#include "report/csv_report.h"

namespace eqbond {

QByteArray inspection_csv(const Inspection& inspection, std::optional<BondingLimit> limit,
                          const PreviousValues& previous) {
    if (inspection.labels.empty()) return archived_csv(inspection, limit);
    std::map<int32_t, PointComparison> points;
    for (PointComparison& c : compare_with_previous(inspection, previous, limit, {}))
        points[c.number] = std::move(c);
    // The test point, its previous value as the milliohm column writes it, and the change in
    // percent.
    const CsvColumns point_columns{
        file_text::kCsvPointHeader, [&](const Group& g) -> QStringList {
            const auto point = points.find(g.number);
            if (point == points.end()) return {{}, {}, {}};
            const PointComparison& c = point->second;
            const QStringList before = csv_group_fields(c.previous ? c.previous->group : Group{});
            return {c.label, c.previous ? before[1] : QString(),
                    c.change_percent ? QString::number(*c.change_percent, 'f', 1) : QString()};
        }};
    return archived_csv(inspection, limit, &point_columns);
}

}  // namespace eqbond
