#include "archive/plot_scale.h"

#include <algorithm>
#include <cmath>

namespace eqbond {

namespace {
constexpr double kMilliohmPerOhm = 1000.0;
constexpr int kMostSteps = 5;
constexpr double kEmptyTopOhm = 1.0;

double ohm_of(BondingLimit limit) {
    return judged_limit(limit).milliohm / kMilliohmPerOhm;
}

// The smallest of 1, 2, 5 times a power of ten that reaches `highest` in at most five steps.
double round_step(double highest) {
    const double rough = highest / kMostSteps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double multiple : {1.0, 2.0, 5.0, 10.0}) {
        if (multiple * power * kMostSteps >= highest * (1 - 1e-9)) return multiple * power;
    }
    return 10 * power;
}
}  // namespace

double measured_ohm(const Group& group) {
    return group.milliohm / kMilliohmPerOhm;
}

PlotScale plot_scale(const std::vector<Group>& groups, std::optional<BondingLimit> limit,
                     bool full_range) {
    const std::optional<double> cut = !full_range && limit && limit->tenths_of_milliohm > 0
                                          ? std::optional<double>(ohm_of(*limit) * kFarAboveLimit)
                                          : std::nullopt;
    double highest = limit ? ohm_of(*limit) : 0.0;
    bool clipped = false;
    for (const Group& g : groups) {
        if (g.overload() || (cut && measured_ohm(g) > *cut)) {
            clipped = true;
            continue;
        }
        highest = std::max(highest, measured_ohm(g));
    }
    PlotScale scale;
    if (highest <= 0) highest = kEmptyTopOhm;
    scale.step_ohm = round_step(highest);
    scale.top_ohm = std::ceil(highest / scale.step_ohm - 1e-9) * scale.step_ohm;
    // A value on the top edge would hide under the frame: one more step above it.
    if (scale.top_ohm <= highest + 1e-12) scale.top_ohm += scale.step_ohm;
    scale.decimals = std::max(0, int(-std::floor(std::log10(scale.step_ohm) + 1e-9)));
    scale.clipped = clipped;
    return scale;
}

QString tick_label(double ohm, const PlotScale& scale) {
    return QString::number(ohm, 'f', scale.decimals);
}

}  // namespace eqbond
