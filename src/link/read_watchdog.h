#pragma once
namespace eqbond {

struct Program;

// Every 100 ms while reading: re-requests a group that did not come, and re-opens the
// port after the seventh re-request without progress.
void watch_read(Program& p);

}  // namespace eqbond
