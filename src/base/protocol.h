#pragma once
// The wire protocol: 4-byte command frames to the instrument, 12-byte reply frames from it.
#include <QByteArray>
#include <cstdint>

namespace eqbond {

inline constexpr int kCommandFrameLength = 4;
inline constexpr int kReplyFrameLength = 12;

namespace cmd {
inline constexpr int32_t kTest = 40000;  // also the lowest operation code
inline constexpr int32_t kBacklightOn = 41000;
inline constexpr int32_t kBacklightOff = 42000;
inline constexpr int32_t kReset = 43000;
inline constexpr int32_t kPoll = 50000;
inline constexpr int32_t kVerify = 51000;
inline constexpr int32_t kProbe = 60000;
inline constexpr int32_t kFirstOperation = kTest;
}  // namespace cmd

namespace kind {
inline constexpr int kStatus = 0;  // idle status, or a stored group while reading
inline constexpr int kMeasurement = 1;
inline constexpr int kLeadResistance = 3;
}  // namespace kind

struct Reply {
    int value = 0;    // milliohm
    int group = 0;    // group carried, or groups stored
    int battery = 0;  // 1 = low, 0 = good
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    int kind = 0;
    bool operator==(const Reply& o) const {
        return value == o.value && group == o.group && battery == o.battery && year == o.year &&
               month == o.month && day == o.day && hour == o.hour && minute == o.minute &&
               kind == o.kind;
    }
};

// 0x64 0x65 and the code big-endian.
QByteArray command_frame(int32_t code);

// The code a command frame carries, or -1 when the bytes are not a command frame.
int32_t command_code(const QByteArray& frame);

// True for exactly 12 bytes whose first eleven sum to the twelfth, modulo 256.
bool checksum_ok(const QByteArray& frame);

// Fields of a 12-byte frame; the checksum is not looked at.
Reply decode_reply(const QByteArray& frame);

// The 12 bytes of a reply, checksum included.
QByteArray encode_reply(const Reply& reply);

}  // namespace eqbond
