#pragma once
// One line of a wire trace: when, on which port, which way, the bytes or the event, and what they
// mean. Five fields separated by tabs, one event a line, so that a script splits it with any tool
// and a person reads it in any editor. Lines starting with '#' are comments (the header).
#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace eqbond::trace {

inline constexpr int kFormatVersion = 1;

enum class Direction {
    Written,  // '>': a frame handed to the port
    Read,     // '<': a chunk read from the port
    Event,    // '*': something that happened to the port or in the program
};

// The port's events, then the program's own.
enum class Event {
    Opened,
    OpenFailed,
    Closed,     // closed by the program
    Error,      // the port reported an error
    PortGone,   // the port closed itself after an error: its device vanished
    Discarded,  // input dropped after a broken frame
    LinkFound,
    LinkLost,
    ReadStarted,
    ReadPaused,
    ReadFinished,
};

struct TraceLine {
    qint64 time_us = 0;  // since the trace started, on a monotonic clock
    QByteArray device;   // the port's device, or COMn for a number without one
    Direction direction = Direction::Event;
    QByteArray bytes;             // of Written and Read lines
    Event event = Event::Opened;  // of Event lines
    QByteArray meaning;           // what the bytes mean, or the event's details
};

// The line with its line end; the time in milliseconds with three decimals.
QByteArray format_line(const TraceLine& line);

// The comment lines a trace starts with: format version, the recording program, the wall-clock
// start, and the fields.
QByteArray header_lines(const QByteArray& recorded_by, const QDateTime& started);

QByteArray event_name(Event event);
std::optional<Event> event_from_name(const QByteArray& name);

}  // namespace eqbond::trace
