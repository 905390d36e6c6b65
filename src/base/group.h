#pragma once
// One stored group as the instrument sent it. The record store, the archive and every export
// hold this; text is made from it only where text is written.
#include <cstdint>

namespace eqbond {

struct Reply;

struct Group {
    int32_t number = 0;    // 0 in an empty slot of the record store
    int32_t milliohm = 0;  // as sent
    uint8_t battery = 0;   // the battery byte as sent: 1 = low
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;  // as sent

    bool low_battery() const { return battery == 1; }
    // Above 40 ohm the instrument's reading is out of range.
    bool overload() const;

    friend bool operator==(const Group& a, const Group& b) {
        return a.number == b.number && a.milliohm == b.milliohm && a.battery == b.battery &&
               a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute;
    }
};

// Group `number` from the reply that carried it.
Group group_of_reply(int32_t number, const Reply& reply);

}  // namespace eqbond
