#include "sim/demo_instrument.h"

#include "sim/stored_groups.h"

namespace eqbond::sim {

SimulatorConfig demo_config() {
    SimulatorConfig config;
    config.groups = generate_groups(320, 2024);
    config.live_value = 1234;
    config.wander_step = 150;
    config.lead_value = 85;
    config.lead_share = 0.06;  // now and then the leads are checked
    config.paced = true;       // a read takes as long as on the real line: the progress shows
    config.seed = 7;
    return config;
}

}  // namespace eqbond::sim
