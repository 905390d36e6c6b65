// com_st, send_cmd and the read watchdog (Timer1) over the fake line.
#include "link/command_sender.h"

#include <gtest/gtest.h>

#include "link/instrument_buttons.h"
#include "link/read_watchdog.h"
#include "link_bench.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::Bench;
using test::group_frame;

constexpr auto kOpened = OpenOutcome::Opened;
constexpr auto kOther = OpenOutcome::OtherFailure;

TEST(ComSt, StepsToTheNextNumberAndShowsTheOutcome) {
    const struct {
        int16_t port_before;
        std::map<int, OpenOutcome> ports;
        int16_t port_after;
        const char* label15;
        const char* label16;
        int16_t port_state;
        bool open;
        int rescans;
    } cases[] = {
        {3, {{4, kOpened}}, 4, "COM4", "串口已打开", 100, true, 0},
        {15, {{16, kOpened}}, 16, "COM16", "串口已打开", 100, true, 0},
        // 16 wraps to 1, and the device list is read again.
        {16, {{1, kOpened}}, 1, "COM1", "串口已打开", 100, true, 1},
        {16, {}, 1, "COM1", "串口已关闭", 0, false, 1},
        // A number with no port behind it.
        {6, {{2, kOpened}}, 7, "COM7", "串口已关闭", 0, false, 0},
        // A port that exists but will not open: the search timing treats it as taken, the label
        // says what really happened.
        {6, {{7, kOther}}, 7, "COM7", "串口已关闭", 100, false, 0},
    };
    for (const auto& c : cases) {
        Bench b(c.ports);
        b.line.rescans = 0;
        b.link().port_no = c.port_before;
        com_st(b.program);
        SCOPED_TRACE(c.label15);
        EXPECT_EQ(b.link().port_no, c.port_after);
        EXPECT_EQ(b.line.number, c.port_after);
        EXPECT_EQ(b.ui().Label15.caption, QString::fromUtf8(c.label15));
        EXPECT_EQ(b.ui().Label16.caption, QString::fromUtf8(c.label16));
        EXPECT_EQ(b.link().port_state, c.port_state);
        EXPECT_EQ(b.line.is_open(), c.open);
        EXPECT_EQ(b.line.rescans, c.rescans);
    }
}

TEST(ComSt, ClosesThenOpensOnTheNewNumberThenConfigures) {
    Bench b({{2, kOpened}, {7, kOpened}});
    b.line.log.clear();
    com_st(b.program);
    EXPECT_EQ(b.line.log, (QStringList{"close", "number 7", "open", "configure"}));
    EXPECT_TRUE(b.line.written.empty());
}

TEST(SendCmd, WritesOneFrameOnlyWhenThePortIsOpen) {
    Bench b;
    b.link().cmd_code = 60000;
    send_cmd(b.program);
    ASSERT_EQ(b.line.written.size(), 1u);
    EXPECT_EQ(b.line.written[0], test::hex("6465EA60"));
    EXPECT_EQ(b.link().send_gate, 100);

    // A closed gate writes nothing this time but opens again.
    b.link().send_gate = 0;
    send_cmd(b.program);
    EXPECT_EQ(b.line.written.size(), 1u);
    EXPECT_EQ(b.link().send_gate, 100);

    // Port closed: nothing written, gate not touched.
    b.line.close();
    b.link().send_gate = 7;
    b.link().cmd_code = 1;
    send_cmd(b.program);
    EXPECT_EQ(b.line.written.size(), 1u);
    EXPECT_EQ(b.link().send_gate, 7);
}

TEST(SendCmd, PortThatFailedToOpenGetsNothing) {
    Bench b({{2, kOther}});
    b.link().cmd_code = 40000;
    send_cmd(b.program);
    EXPECT_TRUE(b.line.written.empty());
}

// A read of 10 groups under way with a silent instrument.
struct SilentRead : Bench {
    SilentRead() {
        link_up(10);
        on_read_clicked(program);  // requests group 1
        line.written.clear();
        line.log.clear();
    }
};

TEST(ReadWatchdog, ReRequestsEachTickWithoutProgressAndReopensAfterTheSeventh) {
    SilentRead b;
    // port_no is 6 after start-up, but the re-open lands on COM2, where the instrument is.
    b.link().resend_count = 0;
    b.link().next_group_seen = 0;  // the first tick only takes note of the pending group
    timer1_tick(b.program);
    EXPECT_TRUE(b.line.written.empty());
    for (int tick = 1; tick <= 6; ++tick) {
        timer1_tick(b.program);
        EXPECT_EQ(b.line.written.size(), size_t(tick));
        EXPECT_EQ(b.link().resend_count, tick);
    }
    EXPECT_TRUE(b.line.log.isEmpty()) << "no re-open before the seventh re-request";
    b.ui().Label15.caption = QStringLiteral("marker15");
    b.ui().Label16.caption = QStringLiteral("marker16");
    const int16_t port_state = b.link().port_state;

    timer1_tick(b.program);  // seventh re-request, then the re-open in the same tick
    EXPECT_EQ(b.codes(), std::vector<int32_t>(7, 1));
    EXPECT_EQ(b.link().resend_count, 0);
    EXPECT_EQ(b.line.log, (QStringList{"close", "number 2", "configure", "open"}));
    EXPECT_EQ(b.link().port_no, 6) << "the re-open does not step the search";
    EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("marker15"));
    EXPECT_EQ(b.ui().Label16.caption, QStringLiteral("marker16"));
    EXPECT_EQ(b.link().port_state, port_state);

    // Re-requests go on after the re-open.
    timer1_tick(b.program);
    EXPECT_TRUE(b.line.is_open());
    EXPECT_EQ(b.codes(), std::vector<int32_t>(8, 1));
    EXPECT_EQ(b.link().resend_count, 1);
}

TEST(ReadWatchdog, ProgressResetsTheCountAndSkipsOneReRequest) {
    SilentRead b;
    b.link().resend_count = 0;
    b.link().next_group_seen = 0;
    timer1_tick(b.program);  // notes group 1
    timer1_tick(b.program);
    timer1_tick(b.program);
    ASSERT_EQ(b.link().resend_count, 2);
    b.receive(group_frame(1));  // stored; group 2 requested at once
    EXPECT_EQ(b.link().resend_count, 0);
    EXPECT_EQ(b.codes().back(), 2);
    const size_t before = b.line.written.size();
    timer1_tick(b.program);  // next_group moved since the last tick: no re-request
    EXPECT_EQ(b.line.written.size(), before);
    timer1_tick(b.program);
    EXPECT_EQ(b.codes().back(), 2);
    EXPECT_EQ(b.link().resend_count, 1);
}

TEST(ReadWatchdog, ReadStartingWithFiveLeftOverReopensAfterTwoReRequests) {
    Bench b;
    b.link_up(10);
    b.link().resend_count = 5;  // left by an earlier read; the read button keeps it
    on_read_clicked(b.program);
    EXPECT_EQ(b.link().resend_count, 5);
    b.line.log.clear();
    b.line.written.clear();
    b.link().next_group_seen = 0;
    timer1_tick(b.program);  // notes group 1
    timer1_tick(b.program);  // re-request 1 (count 6)
    EXPECT_TRUE(b.line.log.isEmpty());
    timer1_tick(b.program);  // re-request 2 (count 7) and the re-open
    EXPECT_EQ(b.codes(), (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(b.line.log, (QStringList{"close", "number 2", "configure", "open"}));
    EXPECT_EQ(b.link().resend_count, 0);
}

TEST(ReadWatchdog, DoesNothingWhileNotReading) {
    Bench b;
    b.link_up(10);
    b.link().resend_count = 50;
    for (int i = 0; i < 20; ++i) timer1_tick(b.program);
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_TRUE(b.line.log.isEmpty());
    EXPECT_EQ(b.link().resend_count, 50);
}

TEST(ReadWatchdog, ReopenThatFailsLeavesThePortClosedAndTriesAgain) {
    SilentRead b;
    b.line.outcomes.clear();  // the adapter was pulled
    b.link().resend_count = 0;
    for (int i = 0; i < 8; ++i) timer1_tick(b.program);
    EXPECT_FALSE(b.line.is_open());
    EXPECT_EQ(b.line.opens, 2) << "start-up open and one re-open";
    for (int i = 0; i < 20; ++i) timer1_tick(b.program);
    EXPECT_EQ(b.line.written.size(), 7u) << "nothing goes out while the port is closed";
    b.line.outcomes = {{2, kOpened}};  // plugged in again
    for (int i = 0; i < 20 && !b.line.is_open(); ++i) timer1_tick(b.program);
    EXPECT_TRUE(b.line.is_open());
    EXPECT_EQ(b.line.number, 2);
}

// Five seconds of silence pause a read as the pause button does; any good frame, even one that
// is not the pending group, shows the instrument is there and starts the count again.
TEST(ReadWatchdog, PausesAReadOnlyAfterFiveSilentSeconds) {
    const struct {
        const char* what;
        int ticks;
        int frame_at_tick;  // 0: none
        bool paused;
    } cases[] = {
        {"4.9 s of silence", 49, 0, false},
        {"5 s of silence", 50, 0, true},
        {"a stray reply 4 s in, then 4.9 s of silence", 88, 40, false},
        {"a stray reply 4 s in, then 5 s of silence", 89, 40, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SilentRead b;
        b.receive(group_frame(1));  // group 1 stored, group 2 pending
        for (int tick = 1; tick <= c.ticks; ++tick) {
            if (tick == c.frame_at_tick) b.receive(test::status_frame(10));
            timer1_tick(b.program);
        }
        EXPECT_EQ(b.link().reading, c.paused ? 0 : 1);
        EXPECT_EQ(b.ui().Command5.caption, c.paused ? text::kContinue : text::kPause);
        if (!c.paused) continue;
        EXPECT_EQ(b.link().resume_group, 2);
        EXPECT_EQ(b.link().reply_seen, 0) << "the supervision judges the link afresh";
        b.link_up(10);
        b.line.written.clear();
        on_read_clicked(b.program);  // continue
        EXPECT_EQ(b.codes(), std::vector<int32_t>{2});
    }
}

}  // namespace
}  // namespace eqbond
