#pragma once
// The alarm's lock button and its blinking indicator. The threshold test runs with each live
// reading (records/live_reading.h).
namespace eqbond {

struct Program;

void on_lock_clicked(Program& p);  // Command15 "锁  定" / "解  除"

// Timer4, every 400 ms: red and green in turn while locked, linked and hit; green otherwise.
void blink_alarm_indicator(Program& p);

}  // namespace eqbond
