#include "alarm/alarm.h"

#include "app/program.h"

namespace eqbond {

void on_lock_clicked(Program& p) {
    Control& button = p.state.ui.Command15;
    button.caption = button.caption == text::kLock ? text::kRelease : text::kLock;
}

void timer4_tick(Program& p) {
    MainControls& ui = p.state.ui;
    const bool armed = ui.Command15.caption == text::kRelease;
    if (armed && p.state.link.linked == 1 && p.state.stats.alarm_hit == 1) {
        ui.Shape1_fill = ui.Shape1_fill == colour::kRed ? colour::kGreen : colour::kRed;
    } else {
        ui.Shape1_fill = colour::kGreen;
    }
}

}  // namespace eqbond
