#pragma once
// The whole program core on the real serial line, with its timers running on the Qt event loop
// as the main window runs them, but no window: every tick calls the core's handler, then follows
// the periods the handler set.
#include <memory>

#include "alarm/alarm.h"
#include "base/program.h"
#include "base/texts.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "link/qt_serial_line.h"
#include "link/receive_dispatcher.h"
#include "program/program_timers.h"
#include "program/startup.h"
#include "program/window_views.h"
#include "support/fake_ports.h"

namespace eqbond::test {

class HeadlessProgram {
  public:
    explicit HeadlessProgram(PortTable table)
        : line_(std::move(table)),
          timers_(
              program_,
              [this](ProgramTimers::Handler tick) {
                  tick(program_);
                  timers_.follow_periods();
              },
              ProgramTimers::Scope::Window) {
        program_.ports.line = &line_;
        program_.ports.message_box = &messages_;
        line_.set_event_handler([this](PortEvent event) {
            if (event == PortEvent::Error) ++error_events_;
            on_receive(program_, event);
        });
    }
    ~HeadlessProgram() { unload(); }

    // Loads the main window: start-up routine, then the timers at their design periods.
    void load() {
        load_main_window(program_);
        timers_.start();
    }
    void unload() {
        timers_.stop();
        line_.close();
    }

    // A click: the handler runs on the event loop's thread, between ticks, as a button's would.
    void click(void (*handler)(Program&)) {
        handler(program_);
        timers_.follow_periods();
    }

    Program& program() { return program_; }
    ProgramState& state() { return program_.state; }
    LinkState& link() { return program_.state.link; }
    const MainWindowView ui() const { return main_window_view(program_.state); }
    FakeMessageBox& messages() { return messages_; }
    QtSerialLine& line() { return line_; }
    // Errors the port raised, such as its device vanishing.
    int error_events() const { return error_events_; }

  private:
    Program program_;
    FakeMessageBox messages_;
    QtSerialLine line_;
    ProgramTimers timers_;
    int error_events_ = 0;
};

}  // namespace eqbond::test
