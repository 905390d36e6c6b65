#pragma once
// The groups read from the instrument: slot i holding group i.
#include <cstdint>
#include <vector>

#include "base/group.h"

namespace eqbond {

struct Reply;

struct RecordStore {
    static constexpr int kSlots = 10001;       // groups 0..10000
    static constexpr int kClearedUpTo = 7000;  // the clear operations reach groups 0..7000
    static constexpr int kFirstShown = 1;      // readers show groups whose group is 1..6999
    static constexpr int kLastShown = 6999;

    std::vector<Group> groups = std::vector<Group>(kSlots);  // by slot; an empty one has number 0
    int16_t last_stored_group = 0;  // number of the last group stored by the latest read

    // Slots 0..7000 emptied.
    void clear();

    // Writes slot n from one reply; above 10000 nothing is written. last_stored_group becomes n.
    void store_group(int32_t n, const Reply& reply);
    // Puts a group read earlier into the slot of its number, as the read stored it.
    void put(const Group& group);

    // True when slot i exists and holds a group the listing and the reports show.
    bool shown(int i) const;
    const Group& at(int i) const { return groups[i]; }
};

}  // namespace eqbond
