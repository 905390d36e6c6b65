#pragma once
// The main window's start-up routine and its housekeeping timers.
namespace eqbond {

struct Program;

// Loads the main window: controls back to their design values, then the start-up routine.
void load_main_window(Program& p);

// The start-up routine alone, in its thirteen steps.
void startup_routine(Program& p);

void timer3_tick(Program& p);   // keeps the window size
void timer5_tick(Program& p);   // moves the hidden banner
void timer6_tick(Program& p);   // read progress bar
void timer10_tick(Program& p);  // chart redraw

}  // namespace eqbond
