#include "alarm/alarm.h"

#include "base/program.h"

namespace eqbond {

void on_lock_clicked(Program& p) {
    p.state.main_window.alarm_locked = !p.state.main_window.alarm_locked;
}

void blink_alarm_indicator(Program& p) {
    MainWindowState& window = p.state.main_window;
    if (window.alarm_locked && p.state.link.linked && p.state.stats.alarm_hit) {
        window.indicator_red = !window.indicator_red;
    } else {
        window.indicator_red = false;
    }
}

}  // namespace eqbond
