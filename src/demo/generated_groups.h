#pragma once
// Groups for the simulated instrument to store, made up from a seed.
#include <cstdint>
#include <vector>

#include "demo/simulator_config.h"

namespace eqbond::sim {

// `count` plausible groups: readings of a few milliohm to a few ohm, some overloads, a low
// battery towards the end, time stamps minutes apart. The same seed gives the same groups.
std::vector<StoredGroup> generate_groups(int count, uint32_t seed);

}  // namespace eqbond::sim
