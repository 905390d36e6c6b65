#pragma once
// The demo's instrument on a pseudo-terminal, for measuring the program against the instrument
// eqbond --demo answers with in process.
#include "demo/demo_instrument.h"
#include "sim/instrument_simulator.h"
