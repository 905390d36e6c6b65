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
    line_.set_event_handler([this](PortEvent event) {
        const std::optional<Reply> reply = on_receive(program_, event);
        if (reply && after_receive) after_receive(program_, *reply);
    });
}

LinkSession::~LinkSession() {
    stop();
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
    line_.close();
}

}  // namespace eqbond
