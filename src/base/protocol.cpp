#include "base/protocol.h"

namespace eqbond {

namespace {
uint8_t byte_at(const QByteArray& frame, int i) {
    return static_cast<uint8_t>(frame.at(i));
}

uint8_t sum_of_first_eleven(const QByteArray& frame) {
    unsigned sum = 0;
    for (int i = 0; i < kReplyFrameLength - 1; ++i) sum += byte_at(frame, i);
    return static_cast<uint8_t>(sum % 256);
}
}  // namespace

QByteArray command_frame(int32_t code) {
    QByteArray frame(kCommandFrameLength, '\0');
    frame[0] = char(0x64);
    frame[1] = char(0x65);
    frame[2] = char((code / 256) & 0xFF);
    frame[3] = char(code & 0xFF);
    return frame;
}

int32_t command_code(const QByteArray& frame) {
    if (frame.size() != kCommandFrameLength || byte_at(frame, 0) != 0x64 ||
        byte_at(frame, 1) != 0x65)
        return -1;
    return byte_at(frame, 2) * 256 + byte_at(frame, 3);
}

bool checksum_ok(const QByteArray& frame) {
    return frame.size() == kReplyFrameLength &&
           sum_of_first_eleven(frame) == byte_at(frame, kReplyFrameLength - 1);
}

Reply decode_reply(const QByteArray& frame) {
    Reply r;
    r.value = byte_at(frame, 0) * 256 + byte_at(frame, 1);
    r.group = byte_at(frame, 2) * 256 + byte_at(frame, 3);
    r.battery = byte_at(frame, 4);
    r.year = byte_at(frame, 5);
    r.month = byte_at(frame, 6);
    r.day = byte_at(frame, 7);
    r.hour = byte_at(frame, 8);
    r.minute = byte_at(frame, 9);
    r.kind = byte_at(frame, 10);
    return r;
}

QByteArray encode_reply(const Reply& r) {
    QByteArray frame(kReplyFrameLength, '\0');
    frame[0] = char((r.value >> 8) & 0xFF);
    frame[1] = char(r.value & 0xFF);
    frame[2] = char((r.group >> 8) & 0xFF);
    frame[3] = char(r.group & 0xFF);
    frame[4] = char(r.battery);
    frame[5] = char(r.year);
    frame[6] = char(r.month);
    frame[7] = char(r.day);
    frame[8] = char(r.hour);
    frame[9] = char(r.minute);
    frame[10] = char(r.kind);
    frame[11] = char(sum_of_first_eleven(frame));
    return frame;
}

}  // namespace eqbond
