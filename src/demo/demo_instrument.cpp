#include "demo/demo_instrument.h"

#include "demo/generated_groups.h"

namespace eqbond::sim {

SimulatorConfig demo_config() {
    SimulatorConfig config;
    config.groups = generate_groups(320, 2024);
    // Around 12 ohm, so the trend is plain to see on the 0..60 ohm chart and a threshold of
    // "10.0000" sets the alarm off now and then.
    config.live_value = 12000;
    config.wander_step = 1200;
    config.lead_value = 85;
    config.lead_share = 0.06;  // now and then the leads are checked
    config.measuring = true;   // it measures from the start: the chart moves at once
    config.paced = true;       // a read takes as long as on the real line: the progress shows
    config.seed = 7;
    return config;
}

}  // namespace eqbond::sim
