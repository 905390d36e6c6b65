#pragma once
#include "link/serial_line.h"

namespace eqbond {

struct Program;

// The port's receive event: one reply frame per data-received event. Idle replies go to the
// live display; while reading, the requested group is stored and the next one requested at once.
void on_receive(Program& p, PortEvent event);

// Groups above this are never requested: requests of 40000 and up are operation codes, and the
// store ends at slot 10000.
inline constexpr int kLastReadableGroup = 10000;

}  // namespace eqbond
