#pragma once
// The instrument eqbond --demo simulates: a few hundred stored groups, a wandering reading and
// now and then a lead-resistance reply, at the pace of the real line.
#include <QLatin1String>

#include "demo/simulator_config.h"

namespace eqbond::sim {

// It stands at COM2, the first port the window's start-up opens.
inline constexpr int kDemoPort = 2;
// The device the port table and the port label's tooltip name for it.
inline constexpr QLatin1String kDemoDevice{"demo"};

SimulatorConfig demo_config();

}  // namespace eqbond::sim
