#include "trace/tracing_serial_line.h"

#include "trace/trace_recorder.h"

namespace eqbond::trace {

TracingSerialLine::TracingSerialLine(SerialLine& line, TraceRecorder& recorder)
    : line_(line), recorder_(recorder) {}

QByteArray TracingSerialLine::com_name() const {
    return "COM" + QByteArray::number(port_no_);
}

void TracingSerialLine::note_port_event(PortEvent event) {
    if (event != PortEvent::Error) return;
    recorder_.event(Event::Error, line_.last_error().toUtf8());
    // The real line closes a port whose device vanished; closing a closed port is no event.
    if (seen_open_ && !line_.is_open()) {
        seen_open_ = false;
        recorder_.event(Event::PortGone, com_name());
    }
}

void TracingSerialLine::close() {
    const bool was_open = line_.is_open();
    line_.close();
    seen_open_ = false;
    if (was_open) recorder_.event(Event::Closed, com_name());
}

void TracingSerialLine::set_number(int port_number) {
    line_.set_number(port_number);
    port_no_ = port_number;
    const QString device = line_.device_name(port_number);
    recorder_.set_device(device.isEmpty() ? QString::fromLatin1(com_name()) : device);
}

OpenOutcome TracingSerialLine::open() {
    const OpenOutcome outcome = line_.open();
    seen_open_ = line_.is_open();
    if (outcome == OpenOutcome::Opened) {
        recorder_.event(Event::Opened, com_name());
    } else if (outcome == OpenOutcome::InvalidNumber) {
        recorder_.event(Event::OpenFailed, com_name() + ": no such port");
    } else {
        // The system's words tell a port held by another program from a missing permission.
        recorder_.event(Event::OpenFailed, com_name() + ": " + line_.last_error().toUtf8());
    }
    return outcome;
}

void TracingSerialLine::write(const QByteArray& bytes) {
    if (!line_.is_open()) {
        line_.write(bytes);
        return;
    }
    recorder_.written(bytes);
    line_.write(bytes);
    recorder_.release_written();
}

QByteArray TracingSerialLine::read(int max_bytes) {
    QByteArray bytes = line_.read(max_bytes);
    if (!bytes.isEmpty()) recorder_.read(bytes);
    return bytes;
}

void TracingSerialLine::discard_input() {
    line_.discard_input();
    if (line_.is_open()) recorder_.event(Event::Discarded, "input after a broken frame");
}

}  // namespace eqbond::trace
