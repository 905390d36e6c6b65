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

void expect_slot(const RecordStore& r, int i, const Group& e) {
    SCOPED_TRACE(testing::Message() << "slot " << i);
    const Group& g = r.at(i);
    EXPECT_EQ(g.number, e.number);
    EXPECT_EQ(g.milliohm, e.milliohm);
    EXPECT_EQ(g.battery, e.battery);
    EXPECT_EQ(g.year, e.year);
    EXPECT_EQ(g.month, e.month);
    EXPECT_EQ(g.day, e.day);
    EXPECT_EQ(g.hour, e.hour);
    EXPECT_EQ(g.minute, e.minute);
}

const Group kCleared{};

TEST(RecordStore, EverySlotStartsCleared) {
    RecordStore r;
    ASSERT_EQ(r.groups.size(), 10001u);
    for (int i : {0, 1, 7000, 7001, 10000}) expect_slot(r, i, kCleared);
    EXPECT_EQ(r.last_stored_group, 0);
}

TEST(RecordStore, StoresTheExampleGroupSevenReply) {
    RecordStore r;
    const QByteArray frame = QByteArray::fromHex("007B00070118030F0E1E00D9");
    ASSERT_TRUE(checksum_ok(frame));
    r.store_group(7, decode_reply(frame));
    expect_slot(r, 7, {7, 123, 1, 24, 3, 15, 14, 30});
    EXPECT_EQ(r.last_stored_group, 7);
    expect_slot(r, 6, kCleared);
    expect_slot(r, 8, kCleared);
    expect_slot(r, 0, kCleared);
}

TEST(RecordStore, KeepsEveryFieldAsSent) {
    const struct {
        Reply reply;
        Group group;
        bool overload, low_battery;
    } cases[] = {
        {reply(0, 1, 0, 5, 1, 2, 0, 7), {1, 0, 0, 5, 1, 2, 0, 7}, false, false},
        {reply(40000, 1, 1, 10, 10, 10, 10, 10), {1, 40000, 1, 10, 10, 10, 10, 10}, false, true},
        {reply(40001, 1, 0, 24, 3, 15, 14, 123), {1, 40001, 0, 24, 3, 15, 14, 123}, true, false},
        {reply(65535, 1, 2, 255, 0, 9, 100, 9), {1, 65535, 2, 255, 0, 9, 100, 9}, true, false},
    };
    for (const auto& c : cases) {
        RecordStore r;
        r.store_group(1, c.reply);
        expect_slot(r, 1, c.group);
        EXPECT_EQ(r.at(1).overload(), c.overload) << c.group.milliohm;
        EXPECT_EQ(r.at(1).low_battery(), c.low_battery) << int(c.group.battery);
    }
}

TEST(RecordStore, GroupsAbove10000AreNotStoredButCounted) {
    RecordStore r;
    const Reply rep = reply(123, 0, 1, 24, 3, 15, 14, 30);
    r.store_group(10000, rep);
    expect_slot(r, 10000, {10000, 123, 1, 24, 3, 15, 14, 30});
    EXPECT_EQ(r.last_stored_group, 10000);
    const RecordStore before = r;
    r.store_group(10001, rep);
    EXPECT_EQ(r.last_stored_group, 10001);
    EXPECT_EQ(r.groups, before.groups);
    EXPECT_EQ(r.groups.size(), 10001u);
    r.store_group(30000, rep);
    EXPECT_EQ(r.last_stored_group, 30000);
}

TEST(RecordStore, AShorterReadLeavesTheOlderGroupsAboveIt) {
    RecordStore r;
    for (int g = 1; g <= 8; ++g) r.store_group(g, reply(1000, g, 0, 23, 1, 1, 8, g));
    for (int g = 1; g <= 3; ++g) r.store_group(g, reply(2000, g, 1, 24, 2, 2, 9, g));
    EXPECT_EQ(r.last_stored_group, 3);
    for (int g = 1; g <= 3; ++g) expect_slot(r, g, {g, 2000, 1, 24, 2, 2, 9, g});
    for (int g = 4; g <= 8; ++g) expect_slot(r, g, {g, 1000, 0, 23, 1, 1, 8, g});
    expect_slot(r, 9, kCleared);
}

TEST(RecordStore, ClearReachesSlot7000Only) {
    RecordStore r;
    const Reply rep = reply(500, 0, 1, 24, 3, 15, 14, 30);
    for (int i : {0, 1, 6999, 7000, 7001, 10000}) r.store_group(i, rep);
    r.clear();
    for (int i : {0, 1, 6999, 7000}) expect_slot(r, i, kCleared);
    for (int i : {7001, 10000}) EXPECT_EQ(r.at(i).number, i);
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
