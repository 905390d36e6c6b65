#pragma once
// The instrument eqbond --demo simulates: a few hundred stored groups and a wandering reading.
#include "sim/instrument_simulator.h"

namespace eqbond::sim {

SimulatorConfig demo_config();

}  // namespace eqbond::sim
