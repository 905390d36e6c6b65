#pragma once
#include <optional>

#include "base/protocol.h"
#include "base/serial_line.h"

namespace eqbond {

struct Program;

// The port's receive event: one reply frame per data-received event. Idle replies go to the
// live display; while reading, the requested group is stored and the next one requested at once.
// Returns the reply when a good frame was taken.
std::optional<Reply> on_receive(Program& p, PortEvent event);

// Groups above this are never requested: requests of 40000 and up are operation codes, and the
// store ends at slot 10000.
inline constexpr int kLastReadableGroup = 10000;

}  // namespace eqbond
