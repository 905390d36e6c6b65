#pragma once
// Waiting on the Qt event loop for a condition, with a bound instead of a fixed sleep.
#include <functional>

namespace eqbond {

// Runs the event loop until `done` holds or `timeout_ms` has passed, looking every
// `check_every_ms`; true when it held.
bool wait_until(const std::function<bool()>& done, int timeout_ms, int check_every_ms = 2);

}  // namespace eqbond
