#pragma once
// The instrument's remote controls, the read and clear buttons, and the read activity.
#include <cstdint>

namespace eqbond {

struct Program;

// The instrument reports "no groups stored" as 0 or as 0xFFFF.
bool no_data_reported(int32_t group_count);

void on_test_clicked(Program& p);       // test: abandons a read, shows the chart
void on_verify_clicked(Program& p);     // verify: shows the chart
void on_reset_clicked(Program& p);      // reset
void on_backlight_clicked(Program& p);  // backlight on, then off
void on_read_clicked(Program& p);       // read, pause, continue
void on_clear_clicked(Program& p);      // clears the groups on the PC side

// Pauses a running read as the read button does: the pending group is kept for continue.
void pause_read(Program& p);

// Every 200 ms: the reading activity text, and the page buttons enabled with the listing.
void show_read_activity(Program& p);

}  // namespace eqbond
