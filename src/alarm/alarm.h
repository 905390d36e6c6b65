#pragma once
// The alarm's lock button and its blinking indicator. The threshold test runs with each live
// reading (records/live_reading.h).
namespace eqbond {

struct Program;

void on_lock_clicked(Program& p);  // locks and releases the threshold

// Every 400 ms: red and green in turn while locked, linked and hit; green otherwise.
void blink_alarm_indicator(Program& p);

}  // namespace eqbond
