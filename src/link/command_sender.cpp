#include "link/command_sender.h"

#include "base/program.h"
#include "base/protocol.h"
#include "base/serial_line.h"

namespace eqbond {

namespace {
constexpr int kHighestPort = 16;
}  // namespace

void open_next_port(Program& p) {
    LinkState& link = p.state.link;
    SerialLine& line = *p.ports.line;
    line.close();
    link.port_number = static_cast<int16_t>(link.port_number + 1);
    if (link.port_number > kHighestPort) {
        link.port_number = 1;
        line.rescan_ports();
    }
    line.set_number(link.port_number);
    link.open_port_number = link.port_number;
    const OpenOutcome outcome = line.open();
    // Only an invalid number counts as no port, so the search timing is the same for a port that
    // exists but cannot be opened; the status box, though, tells the truth about the open.
    link.port_taken = outcome != OpenOutcome::InvalidNumber;
    MainWindowState& window = p.state.main_window;
    window.port_open_shown = line.is_open();
    window.shown_port_number = link.port_number;
    window.shown_port_device = line.device_name(link.port_number);
    line.configure();
}

void send_command(Program& p) {
    LinkState& link = p.state.link;
    SerialLine& line = *p.ports.line;
    if (!line.is_open()) return;
    if (link.sender_free) {
        link.sender_free = false;
        line.write(command_frame(link.pending_command));
    }
    link.sender_free = true;
}

void reopen_port(Program& p) {
    SerialLine& line = *p.ports.line;
    line.close();
    // The port the search opened, which port_number no longer names after the start-up routine
    // moved it on to 6: re-opening COM6 instead would lose an instrument found at COM2 for good,
    // as the link is not re-checked while a read runs.
    line.set_number(p.state.link.open_port_number);
    line.configure();
    line.open();
}

}  // namespace eqbond
