#pragma once
// What the bytes on the line mean, in a few words for the trace's last field.
#include <QByteArray>
#include <cstdint>

namespace eqbond::trace {

// A frame written: probe, poll, group N, test, verify, reset, backlight on or off.
QByteArray command_meaning(const QByteArray& frame);

// A chunk read: the reply's kind and fields and whether its checksum holds. `last_code` is the
// request written before it, which tells a stored group from a status reply (both kind 0).
QByteArray reply_meaning(const QByteArray& chunk, int32_t last_code);

// A group count as the instrument reports it: "30 groups stored", "no groups stored (65535)".
QByteArray groups_stored(int count);

}  // namespace eqbond::trace
