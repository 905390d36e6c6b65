#pragma once
namespace eqbond {

struct Program;

// Every 300 ms: port search, probe, link state and the status texts.
void supervise_link(Program& p);

// 10 ms once and then every 500 ms: the state poll while linked and not reading.
void poll_instrument(Program& p);

}  // namespace eqbond
