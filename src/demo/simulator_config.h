#pragma once
// What the simulated instrument holds and how it behaves on the line.
#include <QString>
#include <cstdint>
#include <vector>

namespace eqbond::sim {

struct StoredGroup {
    int value = 0;  // milliohm; above 40000 the instrument shows an overload
    int battery = 0;
    int year = 24, month = 1, day = 1, hour = 0, minute = 0;
    friend bool operator==(const StoredGroup& a, const StoredGroup& b) {
        return a.value == b.value && a.battery == b.battery && a.year == b.year &&
               a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute;
    }
};

// Faults the line or the instrument adds to its replies. Shares are 0..1 and drawn from
// generators seeded by SimulatorConfig::seed, so a run can be repeated.
struct FaultConfig {
    int drop_every = 0;          // drop every k-th reply (0 = none)
    double drop_share = 0.0;     // drop this share of replies at random
    double corrupt_share = 0.0;  // change one byte of this share of replies
    double stray_share = 0.0;    // put 1 to 3 noise bytes before this share of replies
    int silent_at_group = 0;     // fall silent when this group is requested (0 = never)
    int silent_for_ms = 0;       // and answer again after this long (0 = stay silent)
    int unplug_at_group = 0;     // eqbond-sim: close the pseudo-terminal when this group is
    int unplug_for_ms = 0;       // requested, and come back after this long (0 = stay away)
};

struct SimulatorConfig {
    std::vector<StoredGroup> groups;
    int live_value = 123;    // milliohm of the measurements
    int battery = 0;         // battery byte of status and measurement replies
    int lead_value = 85;     // milliohm of a lead-resistance reply
    int wander_step = 0;     // largest change of the live value between two measurements
    bool measuring = false;  // answer polls with measurements from the start, not after a test
    // Kinds (0 status, 1 measurement, 3 lead resistance) cycled for the replies to probes and
    // polls; empty = status until the test command, measurements after it.
    std::vector<int> reply_kinds;
    bool random_kinds = false;  // a seeded random mix of the three kinds instead
    double lead_share = 0.0;    // share of measurements that come as lead-resistance replies
    int none_count = 0;         // group count reported with no groups stored: 0 or 65535
    int reply_delay_ms = 0;     // the instrument's thinking time before it answers
    bool paced = false;         // bytes leave at the pace of 9600 baud instead of at once
    uint32_t seed = 1;
    FaultConfig faults;
    // eqbond-sim: a symbolic link kept pointing at the current pseudo-terminal, so a program with
    // a fixed port list finds the instrument again after it was unplugged; empty = none.
    QString link_path;
};

}  // namespace eqbond::sim
