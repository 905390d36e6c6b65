#include "trace/wire_meaning.h"

#include <cstdio>

#include "base/protocol.h"

namespace eqbond::trace {

namespace {
constexpr int kHighestReading = 40000;  // milliohm; above it the instrument shows an overload
constexpr int kNoneStored = 65535;      // the other group count that means "none stored"

QByteArray number(int n) {
    return QByteArray::number(n);
}

QByteArray milliohm(int value) {
    return number(value) + (value > kHighestReading ? " milliohm (overload)" : " milliohm");
}

QByteArray battery(int byte) {
    if (byte == 0) return "battery good";
    if (byte == 1) return "battery low";
    return "battery byte " + number(byte);
}

QByteArray date_time(const Reply& r) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d", r.year, r.month, r.day, r.hour,
                  r.minute);
    return QByteArray(text);
}

bool is_group_request(int32_t code) {
    return code >= 1 && code < cmd::kFirstOperation;
}

// Kind and the fields that go with it, before battery, date and time.
QByteArray kind_and_fields(const Reply& r, int32_t last_code) {
    switch (r.kind) {
        case kind::kStatus:
            if (!is_group_request(last_code)) return "status: " + groups_stored(r.group);
            return "group " + number(r.group) + ": " + milliohm(r.value) +
                   (r.group == last_code ? QByteArray()
                                         : ", not the group asked for (" + number(last_code) + ')');
        case kind::kMeasurement:
            return "measurement: " + milliohm(r.value) + ", " + groups_stored(r.group);
        case kind::kLeadResistance:
            return "lead resistance: " + milliohm(r.value) + ", " + groups_stored(r.group);
        default:
            return "kind " + number(r.kind) + ": value " + number(r.value) + ", group field " +
                   number(r.group);
    }
}
}  // namespace

QByteArray groups_stored(int count) {
    if (count == 0 || count == kNoneStored) return "no groups stored (" + number(count) + ')';
    return number(count) + (count == 1 ? " group stored" : " groups stored");
}

QByteArray command_meaning(const QByteArray& frame) {
    const int32_t code = command_code(frame);
    if (code < 0) return "not a command frame";
    switch (code) {
        case cmd::kProbe:
            return "probe";
        case cmd::kPoll:
            return "poll";
        case cmd::kTest:
            return "test";
        case cmd::kVerify:
            return "verify";
        case cmd::kReset:
            return "reset";
        case cmd::kBacklightOn:
            return "backlight on";
        case cmd::kBacklightOff:
            return "backlight off";
        default:
            break;
    }
    return (is_group_request(code) ? "group " : "unknown code ") + number(code);
}

QByteArray reply_meaning(const QByteArray& chunk, int32_t last_code) {
    if (chunk.size() < kReplyFrameLength) {
        return "short read: " + number(int(chunk.size())) + " of " + number(kReplyFrameLength) +
               " bytes";
    }
    if (chunk.size() > kReplyFrameLength) {
        return number(int(chunk.size())) + " bytes, more than a reply frame";
    }
    if (!checksum_ok(chunk)) {
        unsigned sum = 0;
        for (int i = 0; i < kReplyFrameLength - 1; ++i) sum += uint8_t(chunk.at(i));
        return "checksum bad: bytes 0-10 sum to " + QByteArray::number(sum % 256, 16).toUpper() +
               ", byte 11 is " + chunk.right(1).toHex().toUpper();
    }
    const Reply r = decode_reply(chunk);
    return kind_and_fields(r, last_code) + ", " + battery(r.battery) + ", " + date_time(r) +
           ", checksum good";
}

}  // namespace eqbond::trace
