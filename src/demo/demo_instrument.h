#pragma once
// The instrument eqbond --demo simulates: a few hundred stored groups, a wandering reading and
// now and then a lead-resistance reply, at the pace of the real line.
#include "demo/simulator_config.h"

namespace eqbond::sim {

SimulatorConfig demo_config();

}  // namespace eqbond::sim
