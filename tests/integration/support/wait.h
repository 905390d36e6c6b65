#pragma once
// Waiting on the Qt event loop for a condition, with a bound instead of a fixed sleep.
#include "program/event_wait.h"

namespace eqbond::test {
using eqbond::wait_until;
}  // namespace eqbond::test
