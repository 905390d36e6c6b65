#include "base/record_store.h"

#include <algorithm>

#include "base/protocol.h"

namespace eqbond {

void RecordStore::clear() {
    std::fill(groups.begin(), groups.begin() + kClearedUpTo + 1, Group{});
}

void RecordStore::store_group(int32_t n, const Reply& reply) {
    if (n >= 0 && n < kSlots) groups[n] = group_of_reply(n, reply);
    last_stored_group = static_cast<int16_t>(n);
}

void RecordStore::put(const Group& group) {
    if (group.number >= 0 && group.number < kSlots) groups[group.number] = group;
}

bool RecordStore::shown(int i) const {
    return i >= 0 && i < kSlots && groups[i].number >= kFirstShown &&
           groups[i].number <= kLastShown;
}

}  // namespace eqbond
