#pragma once
// Choosing, opening and re-opening the port, and the one command sender.
namespace eqbond {

struct Program;

// Closes the port, steps port_no to the next COM number (16 wraps to 1), opens and configures
// the port there, and shows the result in Label15 and Label16.
void com_st(Program& p);

// Writes the command frame for cmd_code when the port is open.
void send_cmd(Program& p);

// Close, same number as the open port, configure, open: the read watchdog's recovery.
void reopen_port(Program& p);

}  // namespace eqbond
