#pragma once
// Each labelled group of an inspection beside the same test point in the previous inspection.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "archive/group_limits.h"
#include "inspection/inspection.h"

namespace eqbond {

// When a point counts as deteriorated beyond passing before and failing now: a rise of at least
// `percent` that is also at least `milliohm`.
struct DeteriorationRule {
    int percent = 50;
    int milliohm = 10;
};

struct PointComparison {
    int32_t number = 0;  // the group
    QString label;
    std::optional<PointValue> previous;  // none: the point was not measured before
    // Between measured values; none without a previous value or when either is an overload.
    std::optional<double> change_milliohm;
    std::optional<double> change_percent;  // also none when the previous value was 0
    bool deteriorated = false;
};

// One entry per labelled group of `download`, in group order. With a limit (the point's own, else
// the bonding limit), a point that passed it before and fails it now is deteriorated, whatever
// the rule says; so is an overload after a value.
std::vector<PointComparison> compare_with_previous(const Inspection& download,
                                                   const PreviousValues& previous,
                                                   std::optional<BondingLimit> limit,
                                                   DeteriorationRule rule);

}  // namespace eqbond
