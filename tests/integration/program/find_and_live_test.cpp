// The program core on the real serial line finds the simulated instrument among missing ports,
// says so, and shows what its replies to the polls carry.
#include <gtest/gtest.h>

#include "base/value_format.h"
#include "integration/support/headless_program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "records/live_reading.h"
#include "sim/stored_groups.h"

namespace eqbond::test {
namespace {

constexpr int kFindDeadlineMs = 8000;
constexpr int kReplyDeadlineMs = 4000;  // several polls at 500 ms

// COM2, which the start-up opens, names a device that does not exist, COM7 is empty and the
// instrument stands at COM8: the search must pass both before it finds it.
PortTable ports_with_instrument_at_com8(const QString& device) {
    QStringList devices(8, QString());
    devices[1] = QStringLiteral("/nonexistent/eqbond-tty");
    devices[7] = device;
    return PortTable::fixed(devices);
}

TEST(FindAndLive, FindsTheInstrumentAndFollowsItsReadings) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(17, 5);
    config.live_value = 1234;
    config.lead_value = 77;
    LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    HeadlessProgram program(ports_with_instrument_at_com8(instrument.path()));
    program.load();
    const auto ui = [&] { return program.ui(); };

    ASSERT_TRUE(
        wait_until([&] { return ui().link_status_label == text::kLinked; }, kFindDeadlineMs));
    EXPECT_EQ(ui().port_name_label, QStringLiteral("COM8"));
    EXPECT_EQ(ui().port_status_label, text::kPortOpen);
    EXPECT_EQ(ui().activity_label, QString());

    // Before the test button the instrument answers with its status.
    ASSERT_TRUE(
        wait_until([&] { return program.link().instrument_group_count == 17; }, kReplyDeadlineMs));
    EXPECT_EQ(ui().reading_label, text::kIdleReading);

    struct Step {
        const char* what;
        std::function<void()> act;
        QString reading;  // Label6
        QString marker;   // Label8
    };
    const Step steps[] = {
        {"test button: measurements", [&] { program.click(on_test_clicked); },
         format_resistance(1234), QString()},
        {"the reading changes", [&] { instrument->config().live_value = 2468; },
         format_resistance(2468), QString()},
        {"an open connection", [&] { instrument->config().live_value = 40001; }, text::kOverload,
         QString()},
        {"verify button: the leads", [&] { program.click(on_verify_clicked); },
         format_resistance(77), text::kLeadMarker},
        {"back to measurements", [&] { instrument->config().live_value = 300; },
         format_resistance(300), QString()},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_TRUE(wait_until(
            [&] {
                return ui().reading_label == step.reading && ui().reading_kind_label == step.marker;
            },
            kReplyDeadlineMs))
            << step.what << ": Label6 \"" << ui().reading_label.toStdString() << "\", Label8 \""
            << ui().reading_kind_label.toStdString() << "\"";
    }
    EXPECT_EQ(maximum_text(program.state().stats), text::kOverload);
    EXPECT_FALSE(ui().battery_warning_visible);

    instrument->config().battery = 1;
    EXPECT_TRUE(wait_until([&] { return ui().battery_warning_visible; }, kReplyDeadlineMs));
}

TEST(FindAndLive, BacklightAndResetReachTheInstrument) {
    LinkedInstrument instrument({});
    ASSERT_TRUE(instrument.start());
    HeadlessProgram program(ports_with_instrument_at_com8(instrument.path()));
    program.load();
    ASSERT_TRUE(wait_until([&] { return program.link().linked; }, kFindDeadlineMs));

    program.click(on_backlight_clicked);
    ASSERT_TRUE(wait_until([&] { return instrument->backlight_on(); }, kReplyDeadlineMs));
    program.click(on_backlight_clicked);
    ASSERT_TRUE(wait_until([&] { return !instrument->backlight_on(); }, kReplyDeadlineMs));
    program.click(on_reset_clicked);
    ASSERT_TRUE(wait_until(
        [&] {
            const auto& codes = instrument->received_codes();
            return !codes.empty() && codes.back() == 43000;
        },
        kReplyDeadlineMs));
}

TEST(FindAndLive, AnEmptyInstrumentIsReportedWhateverCountItGivesForNone) {
    for (int none_count : {0, 65535}) {
        sim::SimulatorConfig config;
        config.none_count = none_count;
        LinkedInstrument instrument(config);
        ASSERT_TRUE(instrument.start());
        HeadlessProgram program(ports_with_instrument_at_com8(instrument.path()));
        program.load();
        program.link().instrument_group_count = 5;  // a count the status reply must replace
        ASSERT_TRUE(wait_until([&] { return program.link().linked; }, kFindDeadlineMs));
        ASSERT_TRUE(wait_until([&] { return program.link().instrument_group_count == none_count; },
                               kReplyDeadlineMs))
            << none_count;
        program.click(on_read_clicked);
        ASSERT_EQ(program.messages().shown.size(), 1u) << none_count;
        EXPECT_EQ(program.messages().shown[0].first, text::kMessageTitle);
        EXPECT_EQ(program.messages().shown[0].second, text::kNoDataMessage);
    }
}

}  // namespace
}  // namespace eqbond::test
