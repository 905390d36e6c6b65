// Reads of the stored groups over the real serial line against an instrument whose replies are
// lost, spoilt or slow: every group must arrive, and arrive exactly as the instrument sent it.
#include <gtest/gtest.h>

#include <algorithm>

#include "integration/support/headless_program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/store_check.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "sim/stored_groups.h"

namespace eqbond::test {
namespace {

constexpr int kFindDeadlineMs = 5000;
constexpr int kReadDeadlineMs = 30000;

struct ReadCase {
    const char* name;
    int groups;
    sim::FaultConfig faults;
    bool paced = false;
    int delay_ms = 0;
};

sim::FaultConfig drops_and_noise() {
    sim::FaultConfig f;
    f.drop_share = 0.10;
    f.stray_share = 0.02;
    return f;
}
sim::FaultConfig corrupted() {
    sim::FaultConfig f;
    f.corrupt_share = 0.10;
    return f;
}
sim::FaultConfig noisy_and_corrupted() {
    sim::FaultConfig f;
    f.stray_share = 0.08;
    f.corrupt_share = 0.08;
    return f;
}
sim::FaultConfig every_third_lost() {
    sim::FaultConfig f;
    f.drop_every = 3;
    return f;
}

class Read : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Read, StoresEveryGroupAsTheInstrumentSentIt) {
    const ReadCase& c = GetParam();
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(c.groups, 11);
    config.faults = c.faults;
    config.paced = c.paced;
    config.reply_delay_ms = c.delay_ms;
    config.seed = 42;
    LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    HeadlessProgram program(PortTable::fixed({QString(), instrument.path()}));  // at COM2
    program.load();
    LinkState& link = program.link();
    // A lost probe reply only delays the link; wait for the count the read depends on.
    ASSERT_TRUE(wait_until([&] { return link.linked && link.instrument_group_count == c.groups; },
                           kFindDeadlineMs));

    program.click(on_read_clicked);
    EXPECT_EQ(program.ui().read_button, text::kPause);
    ASSERT_TRUE(wait_until([&] { return link.reading() == false; }, kReadDeadlineMs))
        << "stopped at group " << link.next_group << " of " << c.groups;

    EXPECT_TRUE(store_holds(program.state().records, config.groups));
    EXPECT_EQ(program.state().records.last_stored_group, c.groups);
    EXPECT_EQ(program.ui().read_button, text::kRead);
    EXPECT_EQ(program.state().history.page_count, (c.groups + 41) / 42);
    EXPECT_FALSE(program.state().records.shown(c.groups + 1));
    // Each fault asked for must have struck, or the case proves less than its name says.
    const sim::FaultCounts& struck = instrument->fault_counts();
    if (c.faults.drop_share > 0 || c.faults.drop_every > 0) {
        EXPECT_GT(struck.dropped, 0);
    }
    if (c.faults.corrupt_share > 0) {
        EXPECT_GT(struck.corrupted, 0);
    }
    if (c.faults.stray_share > 0) {
        EXPECT_GT(struck.stray, 0);
    }
    if (c.delay_ms > 100) {  // the watchdog asked again before the answer came
        const auto& codes = instrument->received_codes();
        EXPECT_GT(
            std::count_if(codes.begin(), codes.end(), [](int32_t code) { return code < 40000; }),
            c.groups);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Read,
    ::testing::Values(
        ReadCase{"drops_and_stray_bytes", 200, drops_and_noise()},
        ReadCase{"corrupted_bytes", 80, corrupted()},
        ReadCase{"every_third_reply_lost", 45, every_third_lost()},
        // Bytes a millisecond apart: the tail of a broken frame trickles in after the checksum
        // failed, and must be dropped before the next reply.
        ReadCase{"paced_noisy_line", 60, noisy_and_corrupted(), true, 0},
        // Slower than the 100 ms watchdog: every group is asked for twice and answered twice.
        ReadCase{"slow_paced_instrument", 12, {}, true, 150}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace eqbond::test
