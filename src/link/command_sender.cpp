#include "link/command_sender.h"

#include "app/program.h"
#include "link/protocol.h"
#include "link/serial_line.h"

namespace eqbond {

namespace {
constexpr int kHighestPort = 16;
constexpr uint8_t kGateOpen = 100;
constexpr int16_t kPortTaken = 100;
}  // namespace

void com_st(Program& p) {
    LinkState& link = p.state.link;
    SerialLine& line = *p.ports.line;
    line.close();
    link.port_no = static_cast<int16_t>(link.port_no + 1);
    if (link.port_no > kHighestPort) {
        link.port_no = 1;
        line.rescan_ports();
    }
    line.set_number(link.port_no);
    link.line_port_no = link.port_no;
    const OpenOutcome outcome = line.open();
    // port_state 0 only for an invalid number, so the search timing is the same for a port that
    // exists but cannot be opened; the label, though, tells the truth about the open.
    link.port_state = outcome == OpenOutcome::InvalidNumber ? 0 : kPortTaken;
    p.state.ui.Label16.caption = line.is_open() ? text::kPortOpen : text::kPortClosed;
    p.state.ui.Label15.caption = QStringLiteral("COM%1").arg(link.port_no);
    p.state.ui.Label15_tooltip = line.device_name(link.port_no);
    line.configure();
}

void send_cmd(Program& p) {
    LinkState& link = p.state.link;
    SerialLine& line = *p.ports.line;
    if (!line.is_open()) return;
    if (link.send_gate == kGateOpen) {
        link.send_gate = 0;
        line.write(command_frame(link.cmd_code));
    }
    link.send_gate = kGateOpen;
}

void reopen_port(Program& p) {
    SerialLine& line = *p.ports.line;
    line.close();
    // The port the search opened, which port_no no longer names after the start-up routine moved
    // it on to 6: re-opening COM6 instead would lose an instrument found at COM2 for good, as the
    // link is not re-checked while a read runs.
    line.set_number(p.state.link.line_port_no);
    line.configure();
    line.open();
}

}  // namespace eqbond
