#pragma once
// Each labelled group of an inspection beside the same test point in the previous inspection.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
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
    // Between shown values; none without a previous value or when either is an overload.
    std::optional<double> change_milliohm;
    std::optional<double> change_percent;  // also none when the previous value was 0
    bool deteriorated = false;
};

// One entry per labelled group of `download`, in group order. With a limit, a point that passed
// before and fails now is deteriorated, whatever the rule says; so is an overload after a value.
std::vector<PointComparison> compare_with_previous(const Inspection& download,
                                                   const PreviousValues& previous,
                                                   std::optional<BondingLimit> limit,
                                                   DeteriorationRule rule);

// A group's shown value in milliohm (four decimals of ohm: 0.1 milliohm steps).
double shown_milliohm(const Group& group);

}  // namespace eqbond
