// The record store: storing one group from its reply, the clear, the bounds.
#include "base/record_store.h"

#include <gtest/gtest.h>

#include "base/protocol.h"
#include "support/instrument_replies.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

Reply reply(int value, int group, int battery, int year, int month, int day, int hour, int minute) {
    return test::reply_of(value, group, battery, kind::kStatus, {year, month, day, hour, minute});
}

struct Slot {
    const char* value;
    int batt;
    const char *year, *month, *day, *hour, *minute;
    int32_t index;
};

void expect_slot(const RecordStore& r, int i, const Slot& e) {
    SCOPED_TRACE(testing::Message() << "slot " << i);
    EXPECT_EQ(r.rec_value[i], QString::fromUtf8(e.value));
    EXPECT_EQ(r.rec_batt[i], e.batt);
    EXPECT_EQ(r.rec_year[i], QString::fromUtf8(e.year));
    EXPECT_EQ(r.rec_month[i], QString::fromUtf8(e.month));
    EXPECT_EQ(r.rec_day[i], QString::fromUtf8(e.day));
    EXPECT_EQ(r.rec_hour[i], QString::fromUtf8(e.hour));
    EXPECT_EQ(r.rec_minute[i], QString::fromUtf8(e.minute));
    EXPECT_EQ(r.rec_index[i], e.index);
}

const Slot kCleared{"0", 0, "0", "0", "0", "0", "0", 0};

TEST(RecordStore, EverySlotStartsCleared) {
    RecordStore r;
    ASSERT_EQ(r.rec_value.size(), 10001u);
    for (int i : {0, 1, 7000, 7001, 10000}) expect_slot(r, i, kCleared);
    EXPECT_EQ(r.last_stored_group, 0);
}

TEST(RecordStore, StoresTheExampleGroupSevenReply) {
    RecordStore r;
    const QByteArray frame = QByteArray::fromHex("007B00070118030F0E1E00D9");
    ASSERT_TRUE(checksum_ok(frame));
    r.store_group(7, decode_reply(frame));
    expect_slot(r, 7, {" 0.1236Ω", 1, "24", "03", "15", "14", "30", 7});
    EXPECT_EQ(r.last_stored_group, 7);
    expect_slot(r, 6, kCleared);
    expect_slot(r, 8, kCleared);
    expect_slot(r, 0, kCleared);
}

TEST(RecordStore, TextsOfEachField) {
    const struct {
        Reply reply;
        Slot slot;
    } cases[] = {
        {reply(0, 1, 0, 5, 1, 2, 0, 7), {" 0.0000Ω", 0, "05", "01", "02", "00", "07", 1}},
        {reply(12345, 1, 0, 99, 12, 31, 23, 59), {"12.3454Ω", 0, "99", "12", "31", "23", "59", 1}},
        {reply(40000, 1, 1, 10, 10, 10, 10, 10), {"40.0000Ω", 1, "10", "10", "10", "10", "10", 1}},
        {reply(40001, 1, 0, 24, 3, 15, 14, 123), {"  O L  Ω", 0, "24", "03", "15", "14", "123", 1}},
        {reply(65535, 1, 2, 255, 0, 9, 100, 9), {"  O L  Ω", 2, "255", "00", "09", "100", "09", 1}},
    };
    for (const auto& c : cases) {
        RecordStore r;
        r.store_group(1, c.reply);
        expect_slot(r, 1, c.slot);
    }
}

TEST(RecordStore, GroupsAbove10000AreNotStoredButCounted) {
    RecordStore r;
    const Reply rep = reply(123, 0, 1, 24, 3, 15, 14, 30);
    r.store_group(10000, rep);
    expect_slot(r, 10000, {" 0.1236Ω", 1, "24", "03", "15", "14", "30", 10000});
    EXPECT_EQ(r.last_stored_group, 10000);
    const RecordStore before = r;
    r.store_group(10001, rep);
    EXPECT_EQ(r.last_stored_group, 10001);
    EXPECT_EQ(r.rec_value, before.rec_value);
    EXPECT_EQ(r.rec_index, before.rec_index);
    EXPECT_EQ(r.rec_value.size(), 10001u);
    r.store_group(30000, rep);
    EXPECT_EQ(r.last_stored_group, 30000);
}

TEST(RecordStore, AShorterReadLeavesTheOlderGroupsAboveIt) {
    RecordStore r;
    for (int g = 1; g <= 8; ++g) r.store_group(g, reply(1000, g, 0, 23, 1, 1, 8, g));
    for (int g = 1; g <= 3; ++g) r.store_group(g, reply(2000, g, 1, 24, 2, 2, 9, g));
    EXPECT_EQ(r.last_stored_group, 3);
    for (int g = 1; g <= 3; ++g) {
        EXPECT_EQ(r.rec_value[g], QStringLiteral(" 2.0000Ω"));
        EXPECT_EQ(r.rec_year[g], QStringLiteral("24"));
    }
    for (int g = 4; g <= 8; ++g) {
        EXPECT_EQ(r.rec_index[g], g);
        EXPECT_EQ(r.rec_value[g], QStringLiteral(" 1.0000Ω"));
        EXPECT_EQ(r.rec_year[g], QStringLiteral("23"));
        EXPECT_EQ(r.rec_minute[g], QStringLiteral("0%1").arg(g));
    }
    expect_slot(r, 9, kCleared);
}

TEST(RecordStore, ClearReachesSlot7000Only) {
    RecordStore r;
    const Reply rep = reply(500, 0, 1, 24, 3, 15, 14, 30);
    for (int i : {0, 1, 6999, 7000, 7001, 10000}) r.store_group(i, rep);
    r.clear();
    for (int i : {0, 1, 6999, 7000}) expect_slot(r, i, kCleared);
    for (int i : {7001, 10000}) EXPECT_EQ(r.rec_index[i], i);
    EXPECT_EQ(r.last_stored_group, 10000) << "the counter belongs to the callers of clear";
}

TEST(RecordStore, ShownOnlyForGroups1To6999) {
    RecordStore r;
    const Reply rep = reply(500, 0, 0, 24, 3, 15, 14, 30);
    for (int i : {1, 999, 6999, 7000, 7001, 10000}) r.store_group(i, rep);
    const struct {
        int slot;
        bool shown;
    } cases[] = {{-1, false},  {0, false},    {1, true},     {2, false},     {999, true},
                 {6999, true}, {7000, false}, {7001, false}, {10000, false}, {10001, false}};
    for (const auto& c : cases) EXPECT_EQ(r.shown(c.slot), c.shown) << c.slot;
}

}  // namespace
}  // namespace eqbond
