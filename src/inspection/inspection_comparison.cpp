#include "inspection/inspection_comparison.h"

namespace eqbond {

namespace {

bool rose_too_much(double change_milliohm, std::optional<double> change_percent,
                   DeteriorationRule rule) {
    // From zero any rise is an unbounded percentage.
    const bool percent_reached = !change_percent || *change_percent >= rule.percent;
    return change_milliohm > 0 && change_milliohm >= rule.milliohm && percent_reached;
}

PointComparison compared(const Group& now, const QString& label, const PointValue& before,
                         std::optional<JudgedLimit> limit, DeteriorationRule rule) {
    PointComparison c;
    c.number = now.number;
    c.label = label;
    c.previous = before;
    if (limit && passes(before.group, *limit) && !passes(now, *limit)) c.deteriorated = true;
    // An overload after a value is a rise past 40 ohm: too much by any rule.
    if (now.overload() && !before.group.overload()) c.deteriorated = true;
    if (now.overload() || before.group.overload()) return c;
    const double was = before.group.milliohm;
    c.change_milliohm = now.milliohm - was;
    if (was > 0) c.change_percent = *c.change_milliohm / was * 100.0;
    if (rose_too_much(*c.change_milliohm, c.change_percent, rule)) c.deteriorated = true;
    return c;
}

}  // namespace

std::vector<PointComparison> compare_with_previous(const Inspection& download,
                                                   const PreviousValues& previous,
                                                   std::optional<BondingLimit> limit,
                                                   DeteriorationRule rule) {
    const GroupLimits limits(download.own_limits, limit);
    std::vector<PointComparison> out;
    for (const Group& g : download.groups) {
        const auto label = download.labels.find(g.number);
        if (label == download.labels.end()) continue;
        const auto before = previous.find(label->second);
        if (before == previous.end()) {
            out.push_back(
                {g.number, label->second, std::nullopt, std::nullopt, std::nullopt, false});
        } else {
            out.push_back(compared(g, label->second, before->second, limits.of(g), rule));
        }
    }
    return out;
}

}  // namespace eqbond
