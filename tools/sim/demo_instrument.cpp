#include "sim/demo_instrument.h"

namespace eqbond::sim {

SimulatorConfig demo_config() {
    SimulatorConfig config;
    const int kGroups = 250;
    for (int i = 1; i <= kGroups; ++i) {
        StoredGroup g;
        g.value = (i * 7919) % 30000 + 50;
        if (i % 37 == 0) g.value = 45000;  // an open connection reads as an overload
        g.battery = i > 230 ? 1 : 0;
        g.year = 26;
        g.month = 1 + (i / 60) % 12;
        g.day = 1 + i % 28;
        g.hour = 8 + i % 10;
        g.minute = (i * 13) % 60;
        config.groups.push_back(g);
    }
    config.live_value = 1234;
    return config;
}

}  // namespace eqbond::sim
