#include "program/timer_table.h"

#include "alarm/alarm.h"
#include "link/instrument_buttons.h"
#include "link/read_watchdog.h"
#include "link/supervision.h"
#include "program/startup.h"

namespace eqbond {

const std::array<TimerEntry, kTimerCount>& timer_table() {
    static const std::array<TimerEntry, kTimerCount> table = {{
        {TimerId::ReadWatchdog, "Timer1", watch_read, true},
        {TimerId::LinkSupervision, "Timer2", supervise_link, true},
        {TimerId::WindowSize, "Timer3", keep_window_size, false},
        {TimerId::AlarmIndicator, "Timer4", blink_alarm_indicator, false},
        // The banner it moves is hidden: 60 ms ticks would wake the program 13 times a second
        // more than the 100 ms ticks do, for nothing to see.
        {TimerId::Banner, "Timer5", move_banner, false},
        {TimerId::ReadProgress, "Timer6", show_read_progress, false},
        {TimerId::LinkPoll, "Timer7", poll_instrument, true},
        {TimerId::ReadActivity, "Timer9", show_read_activity, false},
        {TimerId::ChartRedraw, "Timer10", redraw_chart, false},
    }};
    return table;
}

}  // namespace eqbond
