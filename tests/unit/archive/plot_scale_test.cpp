// The archive plot's value axis: round ticks, and the limit kept readable.
#include "archive/plot_scale.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

std::vector<Group> groups_of(std::initializer_list<int> milliohms) {
    std::vector<Group> out;
    for (int m : milliohms) out.push_back(Group{int(out.size()) + 1, m});
    return out;
}

TEST(PlotScale, RoundTicksAndTheLimitReadable) {
    const struct {
        const char* what;
        std::vector<Group> groups;
        const char* limit;  // nullptr: none
        bool full_range;
        double top, step;
        const char* top_label;
        bool clipped;
    } cases[] = {
        {"a 5.7 ohm group beside a 0.2 ohm limit", groups_of({50, 120, 180, 5700}), "0.2", false,
         0.25, 0.05, "0.25", true},
        {"the same in full range", groups_of({50, 120, 180, 5700}), "0.2", true, 6, 2, "6", false},
        {"values up to three times the limit stay on the scale", groups_of({50, 590}), "0.2", false,
         0.6, 0.2, "0.6", false},
        {"an overload never sets the scale", groups_of({300, 45000}), nullptr, false, 0.4, 0.1,
         "0.4", true},
        {"no limit, a top just above the highest", groups_of({1426}), nullptr, false, 1.5, 0.5,
         "1.5", false},
        {"nothing to show", {}, nullptr, false, 1.2, 0.2, "1.2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<BondingLimit> limit =
            c.limit ? typed_bonding_limit(QString::fromLatin1(c.limit)) : std::nullopt;
        const PlotScale scale = plot_scale(c.groups, limit, c.full_range);
        EXPECT_NEAR(scale.top_ohm, c.top, 1e-9);
        EXPECT_NEAR(scale.step_ohm, c.step, 1e-9);
        EXPECT_EQ(tick_label(scale.top_ohm, scale), QString::fromLatin1(c.top_label));
        EXPECT_EQ(scale.clipped, c.clipped);
    }
}

}  // namespace
}  // namespace eqbond
