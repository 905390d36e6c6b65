#pragma once
namespace eqbond {

struct Program;

// Timer2, every 300 ms: port search, probe, link state and the status texts.
void timer2_tick(Program& p);

// Timer7, 10 ms once and then every 500 ms: the state poll while linked and not reading.
void timer7_tick(Program& p);

}  // namespace eqbond
