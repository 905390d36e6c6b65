#pragma once
// The main window's start-up routine and its housekeeping ticks.
namespace eqbond {

struct Program;

// Loads the main window: controls back to their design values, then the start-up routine.
void load_main_window(Program& p);

// The start-up routine alone: opens the first port and sets the link, statistics, record store,
// page and view state a fresh window starts with.
void startup_routine(Program& p);

void keep_window_size(Program& p);    // restores the window's size unless minimised or maximised
void move_banner(Program& p);         // moves the hidden banner
void show_read_progress(Program& p);  // the read's progress bar
void redraw_chart(Program& p);        // redraws the chart, every 800 ms after the first

}  // namespace eqbond
