#pragma once
// Choosing, opening and re-opening the port, and the one command sender.
namespace eqbond {

struct Program;

// Closes the port, steps port_number to the next COM number (16 wraps to 1), opens and configures
// the port there, and shows the port and its state in the status box.
void open_next_port(Program& p);

// Writes the command frame for pending_command when the port is open.
void send_command(Program& p);

// Close, same number as the open port, configure, open: the read watchdog's recovery.
void reopen_port(Program& p);

}  // namespace eqbond
