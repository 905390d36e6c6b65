#include "base/group.h"

#include "base/protocol.h"
#include "base/value_format.h"

namespace eqbond {

bool Group::overload() const {
    return is_overload(milliohm);
}

Group group_of_reply(int32_t number, const Reply& reply) {
    Group g;
    g.number = number;
    g.milliohm = reply.value;
    g.battery = static_cast<uint8_t>(reply.battery);
    g.year = reply.year;
    g.month = reply.month;
    g.day = reply.day;
    g.hour = reply.hour;
    g.minute = reply.minute;
    return g;
}

}  // namespace eqbond
