#include "trace/trace_recorder.h"

#include "base/program.h"
#include "base/protocol.h"
#include "trace/trace_file.h"
#include "trace/wire_meaning.h"

namespace eqbond::trace {

namespace {
QByteArray com(int port_number) {
    return "COM" + QByteArray::number(port_number);
}

QByteArray moment_details(LinkMoment moment, const LinkState& link) {
    switch (moment) {
        case LinkMoment::LinkFound:
        case LinkMoment::LinkLost:
            return "at " + com(link.open_port_number);
        case LinkMoment::ReadStarted:
            return "from group " + QByteArray::number(link.resume_group) + ", " +
                   groups_stored(link.instrument_group_count);
        case LinkMoment::ReadPaused:
            return "at group " + QByteArray::number(link.next_group);
        case LinkMoment::ReadFinished:
            return QByteArray::number(link.next_group - 1) + " groups read";
    }
    return {};
}

Event event_of(LinkMoment moment) {
    switch (moment) {
        case LinkMoment::LinkFound:
            return Event::LinkFound;
        case LinkMoment::LinkLost:
            return Event::LinkLost;
        case LinkMoment::ReadStarted:
            return Event::ReadStarted;
        case LinkMoment::ReadPaused:
            return Event::ReadPaused;
        case LinkMoment::ReadFinished:
            break;
    }
    return Event::ReadFinished;
}
}  // namespace

TraceRecorder::TraceRecorder(TraceFile& file) : file_(file) {
    clock_.start();
}

void TraceRecorder::set_device(const QString& device) {
    device_ = device.toUtf8();
}

void TraceRecorder::written(const QByteArray& frame) {
    TraceLine line;
    line.direction = Direction::Written;
    line.bytes = frame;
    line.meaning = command_meaning(frame);
    last_code_ = command_code(frame);
    release_written();
    held_ = stamped(std::move(line));
}

void TraceRecorder::release_written() {
    if (held_.isEmpty()) return;
    file_.write(held_);
    held_.clear();
}

void TraceRecorder::read(const QByteArray& chunk) {
    TraceLine line;
    line.direction = Direction::Read;
    line.bytes = chunk;
    line.meaning = reply_meaning(chunk, last_code_);
    put(line);
}

void TraceRecorder::event(Event event, const QByteArray& details) {
    TraceLine line;
    line.event = event;
    line.meaning = details;
    put(line);
}

void TraceRecorder::on_link_moment(LinkMoment moment, const Program& program) {
    event(event_of(moment), moment_details(moment, program.state.link));
}

QByteArray TraceRecorder::stamped(TraceLine line) const {
    line.time_us = clock_.nsecsElapsed() / 1000;
    line.device = device_;
    return format_line(line);
}

void TraceRecorder::put(TraceLine line) {
    release_written();
    file_.write(stamped(std::move(line)));
}

}  // namespace eqbond::trace
