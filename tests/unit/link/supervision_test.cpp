// Timer2 (port search, probe, link state, status texts) and Timer7 (state poll).
#include "link/supervision.h"

#include <gtest/gtest.h>

#include "link/instrument_buttons.h"
#include "link_bench.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::Bench;
using test::measurement_frame;
using test::status_frame;

constexpr auto kOpened = OpenOutcome::Opened;
const QString kLinked = QStringLiteral("连接成功");
const QString kNotLinked = QStringLiteral("连接失败");
const QString kSearching = QStringLiteral("正在查找设备....");
const QString kDashes = QStringLiteral(" - - - - -");

TEST(Supervision, WithNoPortsEveryTickStepsToTheNextNumber) {
    Bench b(test::kNoPorts);
    EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("COM2"));
    EXPECT_EQ(b.ui().Label16.caption, QStringLiteral("串口已关闭"));
    EXPECT_EQ(b.link().port_state, 0);
    const int expected[] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int port : expected) {
        timer2_tick(b.program);
        SCOPED_TRACE(port);
        EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("COM%1").arg(port));
        EXPECT_EQ(b.ui().Label16.caption, QStringLiteral("串口已关闭"));
        EXPECT_EQ(b.ui().Label17.caption, kNotLinked);
        EXPECT_EQ(b.ui().Label18.caption, kSearching);
        EXPECT_EQ(b.link().port_state, 0);
    }
    EXPECT_EQ(b.line.rescans, 1);
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_EQ(b.link().linked, 0);
}

TEST(Supervision, FindsTheInstrumentOnCom7WhenThereIsNoCom2) {
    Bench b({{7, kOpened}});
    timer2_tick(b.program);  // opens COM7, no probe in this tick
    EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("COM7"));
    EXPECT_EQ(b.ui().Label16.caption, QStringLiteral("串口已打开"));
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_EQ(b.ui().Label17.caption, kNotLinked);

    timer2_tick(b.program);  // first probe
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000});
    EXPECT_EQ(b.line.written[0], test::hex("6465EA60"));
    EXPECT_EQ(b.ui().Label17.caption, kNotLinked);
    EXPECT_EQ(b.ui().Label18.caption, kSearching);

    b.receive(status_frame(4));
    timer2_tick(b.program);  // the tick after the first accepted reply
    EXPECT_EQ(b.link().linked, 1);
    EXPECT_EQ(b.link().miss_count, 0);
    EXPECT_EQ(b.link().reply_seen, 0);
    EXPECT_EQ(b.ui().Label17.caption, kLinked);
    EXPECT_EQ(b.ui().Label18.caption, QString());
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000}) << "no probe once linked";
    EXPECT_EQ(b.ui().Label6.caption, QStringLiteral("0.0000")) << "texts shown while linked stay";
}

TEST(Supervision, SilentPortIsProbedSevenTimesThenLeft) {
    Bench b({{2, kOpened}, {7, kOpened}});
    for (int tick = 1; tick <= 6; ++tick) {
        timer2_tick(b.program);
        EXPECT_EQ(b.link().miss_count, tick);
        EXPECT_EQ(b.line.number, 2);
    }
    EXPECT_EQ(b.codes(), std::vector<int32_t>(6, 60000));
    timer2_tick(b.program);  // seventh silent tick: on to COM7, probed at once
    EXPECT_EQ(b.link().miss_count, 0);
    EXPECT_EQ(b.line.number, 7);
    EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("COM7"));
    EXPECT_EQ(b.codes(), std::vector<int32_t>(7, 60000));
    EXPECT_EQ(b.link().port_no, 7);
}

TEST(Supervision, GarbageCountsAsSilence) {
    Bench b({{2, kOpened}});
    for (int tick = 1; tick <= 3; ++tick) {
        QByteArray bad = status_frame(3);
        bad[11] = char(bad[11] + 1);
        b.receive(bad);
        timer2_tick(b.program);
    }
    EXPECT_EQ(b.link().linked, 0);
    EXPECT_EQ(b.link().miss_count, 3);
}

TEST(Supervision, PortHeldByAnotherProgramIsProbedInVainAndLeft) {
    Bench b({{2, OpenOutcome::OtherFailure}, {7, kOpened}});
    EXPECT_EQ(b.link().port_state, 100);
    for (int tick = 1; tick <= 6; ++tick) timer2_tick(b.program);
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_EQ(b.line.number, 2);
    timer2_tick(b.program);
    EXPECT_EQ(b.line.number, 7);
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000});
}

TEST(Supervision, InstrumentSwitchedOffWhileLinkedIsDroppedOnTheSeventhSilentTick) {
    Bench b({{2, kOpened}, {7, kOpened}});
    b.link_up(5);
    b.receive(measurement_frame(123));
    timer2_tick(b.program);  // the last reply; silent from here on
    b.ui().Label8.caption = QStringLiteral("线阻");
    for (int tick = 1; tick <= 6; ++tick) {
        timer2_tick(b.program);
        EXPECT_EQ(b.link().linked, 1) << tick;
        EXPECT_EQ(b.ui().Label17.caption, kLinked);
    }
    EXPECT_EQ(b.ui().Label6.caption, QStringLiteral(" 0.1236Ω"));
    EXPECT_TRUE(b.line.written.empty()) << "no probe while linked";
    timer2_tick(b.program);
    EXPECT_EQ(b.link().linked, 0);
    EXPECT_EQ(b.ui().Label17.caption, kNotLinked);
    EXPECT_EQ(b.ui().Label18.caption, kSearching);
    EXPECT_EQ(b.ui().Label6.caption, kDashes);
    EXPECT_EQ(b.ui().Label8.caption, QString());
    EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("COM7"));
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000}) << "the new port is probed at once";
}

TEST(Supervision, LinkedKeepsAnActivityTextOtherThanSearching) {
    Bench b;
    b.link_up(5);
    b.ui().Label18.caption = QStringLiteral("正在读取.....");
    b.receive(status_frame(5));
    timer2_tick(b.program);
    EXPECT_EQ(b.ui().Label18.caption, QStringLiteral("正在读取....."));
}

TEST(Supervision, Timer7PollsEveryTickWhileLinkedAndIdle) {
    Bench b;
    EXPECT_EQ(b.ui().timers.Timer7, 10);
    timer7_tick(b.program);  // not linked yet
    EXPECT_EQ(b.ui().timers.Timer7, 500);
    EXPECT_TRUE(b.line.written.empty());

    b.link_up(5);
    for (int i = 0; i < 3; ++i) timer7_tick(b.program);
    EXPECT_EQ(b.codes(), std::vector<int32_t>(3, 50000));
    EXPECT_EQ(b.line.written[0], test::hex("6465C350"));

    b.link().reading = 1;
    timer7_tick(b.program);
    EXPECT_EQ(b.line.written.size(), 3u) << "no poll while reading";
    EXPECT_EQ(b.ui().timers.Timer7, 500);
}

TEST(Supervision, ReadWithASilentInstrumentDropsTheLinkOnTheSeventhTick) {
    Bench b({{2, kOpened}, {7, kOpened}});
    b.link_up(10);  // that tick cleared reply_seen
    on_read_clicked(b.program);
    ASSERT_EQ(b.link().reading, 1);
    b.line.written.clear();
    for (int tick = 1; tick <= 6; ++tick) {
        timer2_tick(b.program);
        EXPECT_EQ(b.link().miss_count, tick);
        EXPECT_EQ(b.link().linked, 1);
    }
    timer2_tick(b.program);
    EXPECT_EQ(b.link().linked, 0);
    EXPECT_EQ(b.link().reading, 1) << "the read is not stopped";
    EXPECT_EQ(b.ui().Label15.caption, QStringLiteral("COM7"));
    EXPECT_TRUE(b.line.written.empty()) << "no probe while reading";
    EXPECT_EQ(b.ui().Label17.caption, kNotLinked);
}

TEST(Supervision, OneReplyKeepsTheLinkForAWholeRead) {
    Bench b;
    b.link_up(10);
    on_read_clicked(b.program);
    b.receive(measurement_frame(5));  // kind 1 during a read: only the link bookkeeping
    for (int tick = 0; tick < 30; ++tick) timer2_tick(b.program);
    EXPECT_EQ(b.link().linked, 1);
    EXPECT_EQ(b.link().reply_seen, 1);
    EXPECT_EQ(b.link().miss_count, 0);
}

TEST(Supervision, ReloadWhileLinkedKeepsTheLinkState) {
    Bench b({{2, kOpened}});
    b.link_up(5);
    b.link().reply_seen = 1;
    b.link().miss_count = 3;
    b.link().port_no = 11;
    load_main_window(b.program);
    EXPECT_EQ(b.link().linked, 1);
    EXPECT_EQ(b.link().reply_seen, 1);
    EXPECT_EQ(b.link().miss_count, 3);
    EXPECT_EQ(b.link().port_no, 6);
    EXPECT_EQ(b.line.number, 2);
    EXPECT_EQ(b.ui().Label17.caption, kNotLinked) << "design text until the next tick";
    timer2_tick(b.program);
    EXPECT_EQ(b.ui().Label17.caption, kLinked);
    b.line.written.clear();
    timer7_tick(b.program);
    EXPECT_EQ(b.codes(), std::vector<int32_t>{50000});
}

}  // namespace
}  // namespace eqbond
