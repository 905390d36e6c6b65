// open_next_port, send_command and the read watchdog (Timer1) over the fake line.
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
        bool port_taken;
        bool open;
        int rescans;
    } cases[] = {
        {3, {{4, kOpened}}, 4, "COM4", "串口已打开", true, true, 0},
        {15, {{16, kOpened}}, 16, "COM16", "串口已打开", true, true, 0},
        // 16 wraps to 1, and the device list is read again.
        {16, {{1, kOpened}}, 1, "COM1", "串口已打开", true, true, 1},
        {16, {}, 1, "COM1", "串口已关闭", false, false, 1},
        // A number with no port behind it.
        {6, {{2, kOpened}}, 7, "COM7", "串口已关闭", false, false, 0},
        // A port that exists but will not open: the search timing treats it as taken, the label
        // says what really happened.
        {6, {{7, kOther}}, 7, "COM7", "串口已关闭", true, false, 0},
    };
    for (const auto& c : cases) {
        Bench b(c.ports);
        b.line.rescans = 0;
        b.link().port_number = c.port_before;
        open_next_port(b.program);
        SCOPED_TRACE(c.label15);
        EXPECT_EQ(b.link().port_number, c.port_after);
        EXPECT_EQ(b.line.number, c.port_after);
        EXPECT_EQ(b.ui().port_name_label, QString::fromUtf8(c.label15));
        EXPECT_EQ(b.ui().port_status_label, QString::fromUtf8(c.label16));
        EXPECT_EQ(b.link().port_taken, c.port_taken);
        EXPECT_EQ(b.line.is_open(), c.open);
        EXPECT_EQ(b.line.rescans, c.rescans);
    }
}

TEST(ComSt, ClosesThenOpensOnTheNewNumberThenConfigures) {
    Bench b({{2, kOpened}, {7, kOpened}});
    b.line.log.clear();
    open_next_port(b.program);
    EXPECT_EQ(b.line.log, (QStringList{"close", "number 7", "open", "configure"}));
    EXPECT_TRUE(b.line.written.empty());
}

TEST(SendCmd, WritesOneFrameOnlyWhenThePortIsOpen) {
    Bench b;
    b.link().pending_command = 60000;
    send_command(b.program);
    ASSERT_EQ(b.line.written.size(), 1u);
    EXPECT_EQ(b.line.written[0], test::hex("6465EA60"));
    EXPECT_TRUE(b.link().sender_free);

    // A closed gate writes nothing this time but opens again.
    b.link().sender_free = false;
    send_command(b.program);
    EXPECT_EQ(b.line.written.size(), 1u);
    EXPECT_TRUE(b.link().sender_free);

    // Port closed: nothing written, gate not touched.
    b.line.close();
    b.link().sender_free = false;
    b.link().pending_command = 1;
    send_command(b.program);
    EXPECT_EQ(b.line.written.size(), 1u);
    EXPECT_FALSE(b.link().sender_free);
}

TEST(SendCmd, PortThatFailedToOpenGetsNothing) {
    Bench b({{2, kOther}});
    b.link().pending_command = 40000;
    send_command(b.program);
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
    // port_number is 6 after start-up, but the re-open lands on COM2, where the instrument is.
    b.link().re_requests = 0;
    b.link().group_pending_last_tick = 0;  // the first tick only takes note of the pending group
    watch_read(b.program);
    EXPECT_TRUE(b.line.written.empty());
    for (int tick = 1; tick <= 6; ++tick) {
        watch_read(b.program);
        EXPECT_EQ(b.line.written.size(), size_t(tick));
        EXPECT_EQ(b.link().re_requests, tick);
    }
    EXPECT_TRUE(b.line.log.isEmpty()) << "no re-open before the seventh re-request";
    // Marks in the status box that the re-open must leave alone.
    b.s().main_window.shown_port_number = 15;
    b.s().main_window.port_open_shown = false;
    const bool port_taken = b.link().port_taken;

    watch_read(b.program);  // seventh re-request, then the re-open in the same tick
    EXPECT_EQ(b.codes(), std::vector<int32_t>(7, 1));
    EXPECT_EQ(b.link().re_requests, 0);
    EXPECT_EQ(b.line.log, (QStringList{"close", "number 2", "configure", "open"}));
    EXPECT_EQ(b.link().port_number, 6) << "the re-open does not step the search";
    EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM15"));
    EXPECT_EQ(b.ui().port_status_label, text::kPortClosed);
    EXPECT_EQ(b.link().port_taken, port_taken);

    // Re-requests go on after the re-open.
    watch_read(b.program);
    EXPECT_TRUE(b.line.is_open());
    EXPECT_EQ(b.codes(), std::vector<int32_t>(8, 1));
    EXPECT_EQ(b.link().re_requests, 1);
}

TEST(ReadWatchdog, ProgressResetsTheCountAndSkipsOneReRequest) {
    SilentRead b;
    b.link().re_requests = 0;
    b.link().group_pending_last_tick = 0;
    watch_read(b.program);  // notes group 1
    watch_read(b.program);
    watch_read(b.program);
    ASSERT_EQ(b.link().re_requests, 2);
    b.receive(group_frame(1));  // stored; group 2 requested at once
    EXPECT_EQ(b.link().re_requests, 0);
    EXPECT_EQ(b.codes().back(), 2);
    const size_t before = b.line.written.size();
    watch_read(b.program);  // next_group moved since the last tick: no re-request
    EXPECT_EQ(b.line.written.size(), before);
    watch_read(b.program);
    EXPECT_EQ(b.codes().back(), 2);
    EXPECT_EQ(b.link().re_requests, 1);
}

TEST(ReadWatchdog, ReadStartingWithFiveLeftOverReopensAfterTwoReRequests) {
    Bench b;
    b.link_up(10);
    b.link().re_requests = 5;  // left by an earlier read; the read button keeps it
    on_read_clicked(b.program);
    EXPECT_EQ(b.link().re_requests, 5);
    b.line.log.clear();
    b.line.written.clear();
    b.link().group_pending_last_tick = 0;
    watch_read(b.program);  // notes group 1
    watch_read(b.program);  // re-request 1 (count 6)
    EXPECT_TRUE(b.line.log.isEmpty());
    watch_read(b.program);  // re-request 2 (count 7) and the re-open
    EXPECT_EQ(b.codes(), (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(b.line.log, (QStringList{"close", "number 2", "configure", "open"}));
    EXPECT_EQ(b.link().re_requests, 0);
}

TEST(ReadWatchdog, DoesNothingWhileNotReading) {
    Bench b;
    b.link_up(10);
    b.link().re_requests = 50;
    for (int i = 0; i < 20; ++i) watch_read(b.program);
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_TRUE(b.line.log.isEmpty());
    EXPECT_EQ(b.link().re_requests, 50);
}

TEST(ReadWatchdog, ReopenThatFailsLeavesThePortClosedAndTriesAgain) {
    SilentRead b;
    b.line.outcomes.clear();  // the adapter was pulled
    b.link().re_requests = 0;
    for (int i = 0; i < 8; ++i) watch_read(b.program);
    EXPECT_FALSE(b.line.is_open());
    EXPECT_EQ(b.line.opens, 2) << "start-up open and one re-open";
    for (int i = 0; i < 20; ++i) watch_read(b.program);
    EXPECT_EQ(b.line.written.size(), 7u) << "nothing goes out while the port is closed";
    b.line.outcomes = {{2, kOpened}};  // plugged in again
    for (int i = 0; i < 20 && !b.line.is_open(); ++i) watch_read(b.program);
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
            watch_read(b.program);
        }
        EXPECT_EQ(b.link().reading(), !c.paused);
        EXPECT_EQ(b.ui().read_button, c.paused ? text::kContinue : text::kPause);
        if (!c.paused) continue;
        EXPECT_EQ(b.link().resume_group, 2);
        EXPECT_FALSE(b.link().reply_seen) << "the supervision judges the link afresh";
        b.link_up(10);
        b.line.written.clear();
        on_read_clicked(b.program);  // continue
        EXPECT_EQ(b.codes(), std::vector<int32_t>{2});
    }
}

}  // namespace
}  // namespace eqbond
