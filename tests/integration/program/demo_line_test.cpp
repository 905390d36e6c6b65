// The window-less program finds the simulated instrument on the in-process demo line, with no
// device anywhere in its port table, and reads every stored group exactly as the instrument holds
// it.
#include <gtest/gtest.h>

#include "demo/demo_instrument.h"
#include "demo/generated_groups.h"
#include "integration/support/store_check.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "program/qt_link_session.h"
#include "support/fake_ports.h"

namespace eqbond::test {
namespace {

TEST(DemoLine, TheProgramFindsTheInstrumentInProcessAndReadsEveryGroup) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(45, 3);
    config.paced = true;
    FakeMessageBox messages;
    LinkSession session(PortTable::fixed({}), messages);
    session.put_demo_instrument(sim::kDemoPort, config);
    session.start();
    Program& program = session.program();
    const LinkState& link = program.state.link;
    ASSERT_TRUE(wait_until([&] { return link.linked && link.instrument_group_count == 45; }, 8000));
    EXPECT_EQ(link.port_number, sim::kDemoPort);
    EXPECT_EQ(program.state.main_window.shown_port_device, sim::kDemoDevice);

    on_read_clicked(program);
    ASSERT_TRUE(wait_until([&] { return !link.reading(); }, 30000))
        << "stopped at group " << link.next_group;
    EXPECT_TRUE(store_holds(program.state.records, config.groups));
    EXPECT_EQ(program.state.records.last_stored_group, 45);
}

}  // namespace
}  // namespace eqbond::test
