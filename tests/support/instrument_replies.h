#pragma once
// The instrument's replies as the tests play them, and their 12 bytes on the line.
#include <QByteArray>

#include "base/protocol.h"

namespace eqbond::test {

// The date and time a reply carries; tests that do not look at it keep 24/03/15 14:30.
struct ReplyDate {
    int year = 24, month = 3, day = 15, hour = 14, minute = 30;
};

inline ReplyDate at_minute(int minute) {
    ReplyDate date;
    date.minute = minute;
    return date;
}

inline Reply reply_of(int value, int group, int battery, int kind, const ReplyDate& date = {}) {
    return Reply{value,    group,     battery,     date.year, date.month,
                 date.day, date.hour, date.minute, kind};
}

inline QByteArray reply_frame(int value, int group, int battery, int kind,
                              const ReplyDate& date = {}) {
    return encode_reply(reply_of(value, group, battery, kind, date));
}

// Good frames of each kind. A stored group carries its number in its minute field (mod 60), so
// slots can be told apart.
inline QByteArray status_frame(int groups, int battery = 0) {
    return reply_frame(0, groups, battery, kind::kStatus);
}
inline QByteArray measurement_frame(int milliohm, int groups = 5, int battery = 0) {
    return reply_frame(milliohm, groups, battery, kind::kMeasurement);
}
inline QByteArray lead_frame(int milliohm, int groups = 5) {
    return reply_frame(milliohm, groups, 0, kind::kLeadResistance);
}
inline QByteArray group_frame(int group, int milliohm = 123, int battery = 0) {
    return reply_frame(milliohm, group, battery, kind::kStatus, at_minute(group % 60));
}

}  // namespace eqbond::test
