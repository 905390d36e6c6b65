#pragma once
// The one table of the main window's timers: which handler each runs. Their periods live in the
// state (MainWindowState::timer_periods), where a handler may change its own.
#include <array>

#include "base/main_window_state.h"

namespace eqbond {

struct Program;

struct TimerEntry {
    TimerId id;
    const char* object_name;  // the layout's name, for tests and tools that look timers up
    void (*tick)(Program&);
    bool serves_link;  // runs without a window too: search, probe, poll, read watchdog
};

const std::array<TimerEntry, kTimerCount>& timer_table();

}  // namespace eqbond
