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
    EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM2"));
    EXPECT_EQ(b.ui().port_status_label, QStringLiteral("串口已关闭"));
    EXPECT_FALSE(b.link().port_taken);
    const int expected[] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int port : expected) {
        supervise_link(b.program);
        SCOPED_TRACE(port);
        EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM%1").arg(port));
        EXPECT_EQ(b.ui().port_status_label, QStringLiteral("串口已关闭"));
        EXPECT_EQ(b.ui().link_status_label, kNotLinked);
        EXPECT_EQ(b.ui().activity_label, kSearching);
        EXPECT_FALSE(b.link().port_taken);
    }
    EXPECT_EQ(b.line.rescans, 1);
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_FALSE(b.link().linked);
}

TEST(Supervision, FindsTheInstrumentOnCom7WhenThereIsNoCom2) {
    Bench b({{7, kOpened}});
    supervise_link(b.program);  // opens COM7, no probe in this tick
    EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM7"));
    EXPECT_EQ(b.ui().port_status_label, QStringLiteral("串口已打开"));
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_EQ(b.ui().link_status_label, kNotLinked);

    supervise_link(b.program);  // first probe
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000});
    EXPECT_EQ(b.line.written[0], test::hex("6465EA60"));
    EXPECT_EQ(b.ui().link_status_label, kNotLinked);
    EXPECT_EQ(b.ui().activity_label, kSearching);

    b.receive(status_frame(4));
    supervise_link(b.program);  // the tick after the first accepted reply
    EXPECT_TRUE(b.link().linked);
    EXPECT_EQ(b.link().silent_ticks, 0);
    EXPECT_FALSE(b.link().reply_seen);
    EXPECT_EQ(b.ui().link_status_label, kLinked);
    EXPECT_EQ(b.ui().activity_label, QString());
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000}) << "no probe once linked";
    EXPECT_EQ(b.ui().reading_label, QStringLiteral("0.0000")) << "texts shown while linked stay";
}

TEST(Supervision, SilentPortIsProbedSevenTimesThenLeft) {
    Bench b({{2, kOpened}, {7, kOpened}});
    for (int tick = 1; tick <= 6; ++tick) {
        supervise_link(b.program);
        EXPECT_EQ(b.link().silent_ticks, tick);
        EXPECT_EQ(b.line.number, 2);
    }
    EXPECT_EQ(b.codes(), std::vector<int32_t>(6, 60000));
    supervise_link(b.program);  // seventh silent tick: on to COM7, probed at once
    EXPECT_EQ(b.link().silent_ticks, 0);
    EXPECT_EQ(b.line.number, 7);
    EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM7"));
    EXPECT_EQ(b.codes(), std::vector<int32_t>(7, 60000));
    EXPECT_EQ(b.link().port_number, 7);
}

TEST(Supervision, GarbageCountsAsSilence) {
    Bench b({{2, kOpened}});
    for (int tick = 1; tick <= 3; ++tick) {
        QByteArray bad = status_frame(3);
        bad[11] = char(bad[11] + 1);
        b.receive(bad);
        supervise_link(b.program);
    }
    EXPECT_FALSE(b.link().linked);
    EXPECT_EQ(b.link().silent_ticks, 3);
}

TEST(Supervision, PortHeldByAnotherProgramIsProbedInVainAndLeft) {
    Bench b({{2, OpenOutcome::OtherFailure}, {7, kOpened}});
    EXPECT_TRUE(b.link().port_taken);
    for (int tick = 1; tick <= 6; ++tick) supervise_link(b.program);
    EXPECT_TRUE(b.line.written.empty());
    EXPECT_EQ(b.line.number, 2);
    supervise_link(b.program);
    EXPECT_EQ(b.line.number, 7);
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000});
}

TEST(Supervision, InstrumentSwitchedOffWhileLinkedIsDroppedOnTheSeventhSilentTick) {
    Bench b({{2, kOpened}, {7, kOpened}});
    b.link_up(5);
    b.receive(measurement_frame(123));
    supervise_link(b.program);  // the last reply; silent from here on
    b.s().main_window.reading_shown = ReadingShown::LeadResistance;  // tagged, to be cleared
    for (int tick = 1; tick <= 6; ++tick) {
        supervise_link(b.program);
        EXPECT_TRUE(b.link().linked) << tick;
        EXPECT_EQ(b.ui().link_status_label, kLinked);
    }
    EXPECT_EQ(b.ui().reading_label, QStringLiteral(" 0.1236Ω"));
    EXPECT_TRUE(b.line.written.empty()) << "no probe while linked";
    supervise_link(b.program);
    EXPECT_FALSE(b.link().linked);
    EXPECT_EQ(b.ui().link_status_label, kNotLinked);
    EXPECT_EQ(b.ui().activity_label, kSearching);
    EXPECT_EQ(b.ui().reading_label, kDashes);
    EXPECT_EQ(b.ui().reading_kind_label, QString());
    EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM7"));
    EXPECT_EQ(b.codes(), std::vector<int32_t>{60000}) << "the new port is probed at once";
}

TEST(Supervision, LinkedKeepsAnActivityTextOtherThanSearching) {
    Bench b;
    b.link_up(5);
    b.s().main_window.activity = Activity::Reading;
    b.receive(status_frame(5));
    supervise_link(b.program);
    EXPECT_EQ(b.ui().activity_label, QStringLiteral("正在读取....."));
}

TEST(Supervision, Timer7PollsEveryTickWhileLinkedAndIdle) {
    Bench b;
    EXPECT_EQ(b.s().main_window.period(TimerId::LinkPoll), 10);
    poll_instrument(b.program);  // not linked yet
    EXPECT_EQ(b.s().main_window.period(TimerId::LinkPoll), 500);
    EXPECT_TRUE(b.line.written.empty());

    b.link_up(5);
    for (int i = 0; i < 3; ++i) poll_instrument(b.program);
    EXPECT_EQ(b.codes(), std::vector<int32_t>(3, 50000));
    EXPECT_EQ(b.line.written[0], test::hex("6465C350"));

    b.link().read_state = ReadState::Reading;
    poll_instrument(b.program);
    EXPECT_EQ(b.line.written.size(), 3u) << "no poll while reading";
    EXPECT_EQ(b.s().main_window.period(TimerId::LinkPoll), 500);
}

TEST(Supervision, ReadWithASilentInstrumentDropsTheLinkOnTheSeventhTick) {
    Bench b({{2, kOpened}, {7, kOpened}});
    b.link_up(10);  // that tick cleared reply_seen
    on_read_clicked(b.program);
    ASSERT_TRUE(b.link().reading());
    b.line.written.clear();
    for (int tick = 1; tick <= 6; ++tick) {
        supervise_link(b.program);
        EXPECT_EQ(b.link().silent_ticks, tick);
        EXPECT_TRUE(b.link().linked);
    }
    supervise_link(b.program);
    EXPECT_FALSE(b.link().linked);
    EXPECT_TRUE(b.link().reading()) << "the read is not stopped";
    EXPECT_EQ(b.ui().port_name_label, QStringLiteral("COM7"));
    EXPECT_TRUE(b.line.written.empty()) << "no probe while reading";
    EXPECT_EQ(b.ui().link_status_label, kNotLinked);
}

TEST(Supervision, OneReplyKeepsTheLinkForAWholeRead) {
    Bench b;
    b.link_up(10);
    on_read_clicked(b.program);
    b.receive(measurement_frame(5));  // kind 1 during a read: only the link bookkeeping
    for (int tick = 0; tick < 30; ++tick) supervise_link(b.program);
    EXPECT_TRUE(b.link().linked);
    EXPECT_TRUE(b.link().reply_seen);
    EXPECT_EQ(b.link().silent_ticks, 0);
}

TEST(Supervision, ReloadWhileLinkedKeepsTheLinkState) {
    Bench b({{2, kOpened}});
    b.link_up(5);
    b.link().reply_seen = true;
    b.link().silent_ticks = 3;
    b.link().port_number = 11;
    load_main_window(b.program);
    EXPECT_TRUE(b.link().linked);
    EXPECT_TRUE(b.link().reply_seen);
    EXPECT_EQ(b.link().silent_ticks, 3);
    EXPECT_EQ(b.link().port_number, 6);
    EXPECT_EQ(b.line.number, 2);
    EXPECT_EQ(b.ui().link_status_label, kNotLinked) << "design text until the next tick";
    supervise_link(b.program);
    EXPECT_EQ(b.ui().link_status_label, kLinked);
    b.line.written.clear();
    poll_instrument(b.program);
    EXPECT_EQ(b.codes(), std::vector<int32_t>{50000});
}

}  // namespace
}  // namespace eqbond
