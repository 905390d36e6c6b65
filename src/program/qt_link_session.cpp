#include "program/qt_link_session.h"

#include "link/command_sender.h"
#include "link/receive_dispatcher.h"
#include "program/startup.h"

namespace eqbond {

LinkSession::LinkSession(PortTable table, MessageBox& messages, QObject* parent)
    : QObject(parent),
      line_(std::move(table)),
      timers_(
          program_,
          [this](ProgramTimers::Handler tick) {
              tick(program_);
              timers_.follow_periods();
          },
          ProgramTimers::Scope::LinkOnly) {
    program_.ports.line = &line_;
    program_.ports.message_box = &messages;
    line_.set_event_handler([this](PortEvent event) { on_port_event(event); });
}

LinkSession::~LinkSession() {
    stop();
}

void LinkSession::on_port_event(PortEvent event) {
    if (trace_) trace_->note_port_event(event);
    const std::optional<Reply> reply = on_receive(program_, event);
    if (reply && after_receive) after_receive(program_, *reply);
}

void LinkSession::put_demo_instrument(int port, sim::SimulatorConfig config) {
    demo_line_ = std::make_unique<sim::LineWithDemo>(line_, line_.table(), port, std::move(config));
    demo_line_->demo().set_event_handler([this](PortEvent event) { on_port_event(event); });
    program_.ports.line = demo_line_.get();
}

bool LinkSession::trace_to(const QString& path, const QByteArray& recorded_by, QString* error) {
    SerialLine& line = demo_line_ ? static_cast<SerialLine&>(*demo_line_) : line_;
    trace_ = trace::start_wire_trace(line, path, recorded_by, error);
    if (trace_) trace_->attach(program_);
    return trace_ != nullptr;
}

void LinkSession::start(int first_port) {
    startup_routine(program_);
    // The window's start-up opens COM2 and searches on from COM7; a tool that is told where to
    // look starts there instead.
    program_.state.link.port_number = int16_t(first_port - 1);
    open_next_port(program_);
    timers_.start();
}

void LinkSession::stop() {
    timers_.stop();
    program_.ports.line->close();  // through the trace, when there is one
}

}  // namespace eqbond
