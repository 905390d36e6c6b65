// An instrument that vanishes mid-read (its adapter unplugged) must not bring the program down,
// and the program must find it again when it comes back.
#include <gtest/gtest.h>

#include <algorithm>

#include "integration/support/headless_program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/store_check.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "sim/pseudo_terminal.h"
#include "sim/stored_groups.h"

namespace eqbond::test {
namespace {

constexpr int kFindDeadlineMs = 5000;
constexpr int kReadDeadlineMs = 20000;
// Seven silent ticks of 300 ms drop the link; a full round of the sixteen ports takes 4.8 s.
constexpr int kLinkLostDeadlineMs = 6000;
constexpr int kFoundAgainDeadlineMs = 12000;

sim::SimulatorConfig instrument_with(int groups) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(groups, 23);
    return config;
}

bool linked_with_count(HeadlessProgram& program, int groups) {
    return program.link().linked && program.link().instrument_group_count == groups;
}

// The instrument at `com`, every lower slot empty.
PortTable ports_with_instrument_at(int com, const QString& device) {
    QStringList devices(com, QString());
    devices[com - 1] = device;
    return PortTable::fixed(devices);
}

// The watchdog re-opens the port numbered port_number, which names the instrument's port once the
// search has found it there (the start-up's own COM2 leaves port_number at 6).
TEST(Recovery, InstrumentUnpluggedMidReadComesBackAndTheReadFinishes) {
    sim::SimulatorConfig config = instrument_with(120);
    config.faults.unplug_at_group = 60;
    config.faults.unplug_for_ms = 1500;
    LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    int comebacks = 0;
    QObject::connect(&*instrument, &sim::InstrumentSimulator::plugged_in_again,
                     [&] { ++comebacks; });
    HeadlessProgram program(ports_with_instrument_at(8, instrument.path()));
    program.load();
    ASSERT_TRUE(wait_until([&] { return linked_with_count(program, 120); }, kFindDeadlineMs));
    ASSERT_EQ(program.link().port_number, 8);

    program.click(on_read_clicked);
    ASSERT_TRUE(wait_until([&] { return !instrument->plugged_in(); }, kReadDeadlineMs));
    ASSERT_TRUE(wait_until([&] { return !program.line().is_open(); }, kFindDeadlineMs));
    EXPECT_TRUE(program.link().reading());
    // The read watchdog keeps asking and re-opening the port; once the device is back the read
    // goes on from the group it was waiting for.
    ASSERT_TRUE(wait_until([&] { return program.link().reading() == false; }, kReadDeadlineMs))
        << "stopped at group " << program.link().next_group;
    EXPECT_EQ(comebacks, 1);
    EXPECT_GE(program.error_events(), 1);
    EXPECT_TRUE(store_holds(program.state().records, config.groups));
}

TEST(Recovery, PausedWhileUnpluggedTheReadContinuesWithTheButtonOnceFoundAgain) {
    sim::SimulatorConfig config = instrument_with(90);
    config.faults.unplug_at_group = 40;  // and stay away until plugged in below
    LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    HeadlessProgram program(ports_with_instrument_at(2, instrument.path()));
    program.load();
    const auto ui = [&] { return program.ui(); };
    ASSERT_TRUE(wait_until([&] { return linked_with_count(program, 90); }, kFindDeadlineMs));

    program.click(on_read_clicked);
    ASSERT_TRUE(wait_until([&] { return !instrument->plugged_in(); }, kReadDeadlineMs));
    program.click(on_read_clicked);  // pause
    EXPECT_EQ(ui().read_button, text::kContinue);
    EXPECT_EQ(program.link().resume_group, 40);
    ASSERT_TRUE(wait_until([&] { return ui().link_status_label == text::kNotLinked; },
                           kLinkLostDeadlineMs));
    EXPECT_EQ(ui().activity_label, text::kSearching);
    EXPECT_EQ(ui().reading_label, text::kNoReading);

    ASSERT_TRUE(instrument->plug_in());
    const size_t codes_before = instrument->received_codes().size();
    ASSERT_TRUE(
        wait_until([&] { return ui().link_status_label == text::kLinked; }, kFoundAgainDeadlineMs));
    EXPECT_EQ(ui().port_name_label, QStringLiteral("COM2"));

    program.click(on_read_clicked);  // continue
    EXPECT_EQ(ui().read_button, text::kPause);
    ASSERT_TRUE(wait_until([&] { return program.link().reading() == false; }, kReadDeadlineMs))
        << "stopped at group " << program.link().next_group;
    EXPECT_TRUE(store_holds(program.state().records, config.groups));
    // The read went on from group 40; groups 1..39 were not asked for again.
    std::vector<int32_t> group_requests;
    const auto& codes = instrument->received_codes();
    for (size_t i = codes_before; i < codes.size(); ++i) {
        if (codes[i] < 40000) group_requests.push_back(codes[i]);
    }
    ASSERT_FALSE(group_requests.empty());
    EXPECT_EQ(group_requests.front(), 40);
    EXPECT_EQ(*std::min_element(group_requests.begin(), group_requests.end()), 40);
}

TEST(Recovery, AdapterBackUnderANewNameIsFoundWhenThePortListIsReadAgain) {
    sim::InstrumentSimulator instrument(instrument_with(8));  // no stable link: the name changes
    ASSERT_TRUE(instrument.start());
    const QString first_name = instrument.pts_path();
    HeadlessProgram program(PortTable::from_system([&] {
        return instrument.plugged_in() ? QStringList{instrument.pts_path()} : QStringList{};
    }));
    program.load();
    const auto ui = [&] { return program.ui(); };
    ASSERT_TRUE(
        wait_until([&] { return ui().link_status_label == text::kLinked; }, kFoundAgainDeadlineMs));
    EXPECT_EQ(ui().port_device, first_name);

    instrument.unplug();
    // Once the program has let go of the old name, another device takes it.
    ASSERT_TRUE(wait_until([&] { return !program.line().is_open(); }, kFindDeadlineMs));
    sim::PseudoTerminal squatter;
    ASSERT_TRUE(squatter.open());
    ASSERT_TRUE(wait_until([&] { return ui().link_status_label == text::kNotLinked; },
                           kLinkLostDeadlineMs));
    ASSERT_TRUE(instrument.plug_in());
    ASSERT_NE(instrument.pts_path().toStdString(), first_name.toStdString());
    ASSERT_TRUE(
        wait_until([&] { return ui().link_status_label == text::kLinked; }, kFoundAgainDeadlineMs));
    EXPECT_EQ(ui().port_device, instrument.pts_path());
    EXPECT_EQ(ui().port_name_label, QStringLiteral("COM1"));
}

}  // namespace
}  // namespace eqbond::test
