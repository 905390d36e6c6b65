#pragma once
// The value axis of the archive's plot: round ticks, and a scale that keeps the bonding limit and
// the values near it readable when a few groups lie far above it.
#include <QString>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "base/group.h"

namespace eqbond {

struct PlotScale {
    double top_ohm = 1.0;   // the value at the top edge, a whole number of steps
    double step_ohm = 0.2;  // between two ticks: 1, 2 or 5 times a power of ten
    int decimals = 1;       // what a tick's label needs to show its step
    // Some groups lie above the top (overloads always do): drawn on the top edge with a mark.
    bool clipped = false;
};

// Values more than this many times the limit are "far above" it: the readable scale leaves them
// out, so that one open joint does not squeeze the limit line into the axis.
inline constexpr double kFarAboveLimit = 3.0;

// The scale for `groups`: with `full_range`, up to the highest value that is not an overload;
// otherwise, with a limit, up to the limit and every value not far above it.
PlotScale plot_scale(const std::vector<Group>& groups, std::optional<BondingLimit> limit,
                     bool full_range);

// The ohm a group's point stands for: the value the instrument measured.
double measured_ohm(const Group& group);

// A tick's label: "0.05", "1.5", "20".
QString tick_label(double ohm, const PlotScale& scale);

}  // namespace eqbond
