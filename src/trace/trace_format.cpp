#include "trace/trace_format.h"

#include <array>
#include <utility>

namespace eqbond::trace {

namespace {
constexpr std::array<std::pair<Event, const char*>, 11> kEventNames{{
    {Event::Opened, "opened"},
    {Event::OpenFailed, "open-failed"},
    {Event::Closed, "closed"},
    {Event::Error, "error"},
    {Event::PortGone, "port-gone"},
    {Event::Discarded, "discarded"},
    {Event::LinkFound, "link-found"},
    {Event::LinkLost, "link-lost"},
    {Event::ReadStarted, "read-started"},
    {Event::ReadPaused, "read-paused"},
    {Event::ReadFinished, "read-finished"},
}};

char direction_mark(Direction direction) {
    switch (direction) {
        case Direction::Written:
            return '>';
        case Direction::Read:
            return '<';
        case Direction::Event:
            break;
    }
    return '*';
}

void append_milliseconds(QByteArray& out, qint64 time_us) {
    out += QByteArray::number(time_us / 1000);
    out += '.';
    const int fraction = int(time_us % 1000);
    out += char('0' + fraction / 100);
    out += char('0' + fraction / 10 % 10);
    out += char('0' + fraction % 10);
}
}  // namespace

QByteArray format_line(const TraceLine& line) {
    QByteArray out;
    out.reserve(64 + line.device.size() + 3 * line.bytes.size() + line.meaning.size());
    append_milliseconds(out, line.time_us);
    out += '\t';
    out += line.device;
    out += '\t';
    out += direction_mark(line.direction);
    out += '\t';
    out += line.direction == Direction::Event ? event_name(line.event)
                                              : line.bytes.toHex(' ').toUpper();
    out += '\t';
    out += line.meaning;
    out += '\n';
    return out;
}

QByteArray header_lines(const QByteArray& recorded_by, const QDateTime& started) {
    return "# eqbond wire trace, format " + QByteArray::number(kFormatVersion) +
           "\n# recorded by " + recorded_by + ", started " +
           started.toString(Qt::ISODate).toUtf8() +
           "\n# fields (tab-separated): milliseconds since start, port device, direction "
           "(> written, < read, * event), bytes in hex or event name, meaning\n";
}

QByteArray event_name(Event event) {
    for (const auto& [e, name] : kEventNames) {
        if (e == event) return QByteArray(name);
    }
    return {};
}

std::optional<Event> event_from_name(const QByteArray& name) {
    for (const auto& [e, n] : kEventNames) {
        if (name == n) return e;
    }
    return std::nullopt;
}

}  // namespace eqbond::trace
