#include "inspection/retest.h"

#include <algorithm>
#include <tuple>

namespace eqbond {

std::vector<DueLine> due_lines(const std::vector<InspectedLocation>& locations, QDate today,
                               int within_days) {
    std::vector<DueLine> out;
    for (const InspectedLocation& l : locations) {
        DueLine line;
        line.location = l;
        line.next = l.last.addMonths(l.months);
        line.status = line.next < today                         ? DueStatus::Overdue
                      : line.next <= today.addDays(within_days) ? DueStatus::Due
                                                                : DueStatus::Ok;
        out.push_back(line);
    }
    const auto order = [](const DueLine& l) {
        return std::tie(l.status, l.next, l.location.site, l.location.location);
    };
    std::sort(out.begin(), out.end(),
              [&](const DueLine& a, const DueLine& b) { return order(a) < order(b); });
    return out;
}

QDate measured_on(const Group& group) {
    return QDate(2000 + group.year, group.month, group.day);
}

QDate last_measured(const std::vector<Group>& groups) {
    QDate last;
    for (const Group& g : groups) {
        const QDate day = measured_on(g);
        if (day.isValid() && (!last.isValid() || day > last)) last = day;
    }
    return last;
}

}  // namespace eqbond
