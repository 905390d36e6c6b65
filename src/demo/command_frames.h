#pragma once
// The command frames the simulated instrument takes off the line.
#include <QByteArray>
#include <cstdint>
#include <optional>

namespace eqbond::sim {

// Takes the next command frame's code from the bytes received so far. Frames start with "de";
// anything before a header is line noise and is dropped. Nothing until a whole frame is there.
std::optional<int32_t> take_command(QByteArray& pending);

}  // namespace eqbond::sim
