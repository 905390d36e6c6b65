#pragma once
// The whole program core on the real serial line, with its timers running on the Qt event loop
// as the main window runs them, but no window: every tick calls the core's handler, then follows
// the periods the handler set.
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "alarm/alarm.h"
#include "app/program.h"
#include "app/startup.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "link/qt_serial_line.h"
#include "link/read_watchdog.h"
#include "link/receive_dispatcher.h"
#include "link/supervision.h"
#include "support/fake_ports.h"

namespace eqbond::test {

class HeadlessProgram {
  public:
    explicit HeadlessProgram(PortTable table) : line_(std::move(table)) {
        program_.ports.line = &line_;
        program_.ports.message_box = &messages_;
        line_.set_event_handler([this](PortEvent event) {
            if (event == PortEvent::Error) ++error_events_;
            on_receive(program_, event);
        });
        add_timer(&TimerPeriods::Timer1, timer1_tick);
        add_timer(&TimerPeriods::Timer2, timer2_tick);
        add_timer(&TimerPeriods::Timer3, timer3_tick);
        add_timer(&TimerPeriods::Timer4, timer4_tick);
        add_timer(&TimerPeriods::Timer5, timer5_tick);
        add_timer(&TimerPeriods::Timer6, timer6_tick);
        add_timer(&TimerPeriods::Timer7, timer7_tick);
        add_timer(&TimerPeriods::Timer9, timer9_tick);
        add_timer(&TimerPeriods::Timer10, timer10_tick);
    }
    ~HeadlessProgram() { unload(); }

    // Loads the main window: start-up routine, then the timers at their design periods.
    void load() {
        load_main_window(program_);
        for (auto& [period, timer] : timers_) timer->start(program_.state.ui.timers.*period);
    }
    void unload() {
        for (auto& entry : timers_) entry.second->stop();
        line_.close();
    }

    // A click: the handler runs on the event loop's thread, between ticks, as a button's would.
    void click(void (*handler)(Program&)) {
        handler(program_);
        follow_periods();
    }

    Program& program() { return program_; }
    ProgramState& state() { return program_.state; }
    LinkState& link() { return program_.state.link; }
    MainControls& ui() { return program_.state.ui; }
    FakeMessageBox& messages() { return messages_; }
    QtSerialLine& line() { return line_; }
    // Errors the port raised, such as its device vanishing.
    int error_events() const { return error_events_; }

  private:
    void add_timer(int TimerPeriods::*period, void (*tick)(Program&)) {
        auto timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, tick] {
            tick(program_);
            follow_periods();
        });
        timers_.emplace_back(period, std::move(timer));
    }

    void follow_periods() {
        for (auto& [period, timer] : timers_) {
            const int ms = program_.state.ui.timers.*period;
            if (!timer->isActive()) continue;
            if (ms <= 0) {
                timer->stop();
            } else if (timer->interval() != ms) {
                timer->setInterval(ms);
            }
        }
    }

    Program program_;
    FakeMessageBox messages_;
    QtSerialLine line_;
    std::vector<std::pair<int TimerPeriods::*, std::unique_ptr<QTimer>>> timers_;
    int error_events_ = 0;
};

}  // namespace eqbond::test
