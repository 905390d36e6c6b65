#include "base/protocol.h"

#include <gtest/gtest.h>

namespace eqbond {
namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

TEST(CommandFrame, CodesGoOutBigEndianBehindTheHeader) {
    const struct {
        int32_t code;
        const char* bytes;
    } cases[] = {{60000, "6465EA60"}, {43000, "6465A7F8"}, {1, "64650001"},
                 {300, "6465012C"},   {40000, "64659C40"}, {41000, "6465A028"},
                 {42000, "6465A410"}, {50000, "6465C350"}, {51000, "6465C738"}};
    for (const auto& c : cases) {
        EXPECT_EQ(command_frame(c.code).toHex().toUpper(), QByteArray(c.bytes)) << c.code;
        EXPECT_EQ(command_code(command_frame(c.code)), c.code);
    }
}

TEST(ReplyFrame, ChecksumDecidesWhetherAFrameIsGood) {
    EXPECT_TRUE(checksum_ok(hex("007B00050018030F0E1E01D7")));
    EXPECT_TRUE(checksum_ok(hex("007B00070118030F0E1E00D9")));
    EXPECT_TRUE(checksum_ok(hex("9C4100050018030F0E1E0139")));
    // Bytes summing to exactly 256 carry checksum 0.
    EXPECT_TRUE(
        checksum_ok(hex("FF010000000000000000"
                        "0000")));
    EXPECT_FALSE(checksum_ok(hex("007B00050018030F0E1E01")));      // short
    EXPECT_FALSE(checksum_ok(hex("007B00050018030F0E1E01D700")));  // long
    for (int i = 0; i < 11; ++i) {
        QByteArray changed = hex("007B00050018030F0E1E01D7");
        changed[i] = char(changed[i] + 1);
        EXPECT_FALSE(checksum_ok(changed)) << "byte " << i;
    }
}

TEST(ReplyFrame, DecodesEveryField) {
    const struct {
        const char* bytes;
        Reply expected;
    } cases[] = {
        {"007B00050018030F0E1E01D7", {123, 5, 0, 24, 3, 15, 14, 30, 1}},
        {"007B00070118030F0E1E00D9", {123, 7, 1, 24, 3, 15, 14, 30, 0}},
        {"9C4100050018030F0E1E0139", {40001, 5, 0, 24, 3, 15, 14, 30, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decode_reply(hex(c.bytes)), c.expected) << c.bytes;
        EXPECT_EQ(encode_reply(c.expected).toHex().toUpper(), QByteArray(c.bytes));
    }
}

}  // namespace
}  // namespace eqbond
