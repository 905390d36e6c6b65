#include "trace/trace_reader.h"

#include <QFile>

namespace eqbond::trace {

namespace {

QString found(const QByteArray& text) {
    return QStringLiteral(", found \"%1\"").arg(QString::fromUtf8(text));
}

// Milliseconds with up to three decimals, read exactly into microseconds.
bool parse_time(const QByteArray& text, qint64* time_us) {
    const int point = int(text.indexOf('.'));
    const QByteArray whole = point < 0 ? text : text.left(point);
    const QByteArray fraction = point < 0 ? QByteArray() : text.mid(point + 1);
    if (whole.isEmpty() || fraction.size() > 3 || (point >= 0 && fraction.isEmpty())) return false;
    for (char c : whole + fraction) {
        if (c < '0' || c > '9') return false;
    }
    bool ok = false;
    const qint64 ms = whole.toLongLong(&ok);
    if (!ok) return false;
    *time_us = ms * 1000 + (fraction + QByteArray(3 - fraction.size(), '0')).toInt();
    return true;
}

// Pairs of hex digits separated by single blanks, at least one.
bool parse_hex(const QByteArray& text, QByteArray* bytes) {
    if (text.isEmpty() || (text.size() + 1) % 3 != 0) return false;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (i % 3 == 2 ? c != ' ' : !hex) return false;
    }
    *bytes = QByteArray::fromHex(text);
    return true;
}

bool parse_direction(const QByteArray& text, Direction* direction) {
    if (text == ">") {
        *direction = Direction::Written;
    } else if (text == "<") {
        *direction = Direction::Read;
    } else if (text == "*") {
        *direction = Direction::Event;
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool parse_line(const QByteArray& text, TraceLine* out, QString* expected) {
    const QList<QByteArray> fields = text.split('\t');
    if (fields.size() != 5) {
        *expected =
            QStringLiteral("expected 5 fields separated by tabs, found %1").arg(fields.size());
        return false;
    }
    TraceLine line;
    if (!parse_time(fields[0], &line.time_us)) {
        *expected =
            QStringLiteral("expected the time in milliseconds such as 1520.250") + found(fields[0]);
        return false;
    }
    line.device = fields[1];
    if (line.device.isEmpty()) {
        *expected = QStringLiteral("expected the port device in the second field");
        return false;
    }
    if (!parse_direction(fields[2], &line.direction)) {
        *expected = QStringLiteral("expected the direction >, < or *") + found(fields[2]);
        return false;
    }
    if (line.direction == Direction::Event) {
        const std::optional<Event> event = event_from_name(fields[3]);
        if (!event) {
            *expected = QStringLiteral("expected an event name such as opened or link-found") +
                        found(fields[3]);
            return false;
        }
        line.event = *event;
    } else if (!parse_hex(fields[3], &line.bytes)) {
        *expected = QStringLiteral("expected bytes in hex such as 64 65 EA 60") + found(fields[3]);
        return false;
    }
    line.meaning = fields[4];
    *out = line;
    return true;
}

ParsedTrace parse_trace(const QByteArray& text) {
    ParsedTrace trace;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith('#')) continue;
        TraceLine parsed;
        if (!parse_line(line, &parsed, &trace.expected)) {
            trace.bad_line = i + 1;
            return trace;
        }
        if (!trace.lines.empty() && parsed.time_us < trace.lines.back().time_us) {
            trace.bad_line = i + 1;
            trace.expected = QStringLiteral(
                                 "expected a time of at least %1 ms (times only go "
                                 "forward)")
                                 .arg(double(trace.lines.back().time_us) / 1000.0, 0, 'f', 3);
            return trace;
        }
        trace.lines.push_back(parsed);
    }
    return trace;
}

ParsedTrace read_trace(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ParsedTrace trace;
        trace.expected =
            QStringLiteral("expected a readable trace file: %1").arg(file.errorString());
        return trace;
    }
    return parse_trace(file.readAll());
}

}  // namespace eqbond::trace
