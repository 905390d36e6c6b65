// The main window's start-up routine and its housekeeping timers Timer3, Timer5, Timer6, Timer10.
#include "program/startup.h"

#include <gtest/gtest.h>

#include <map>

#include "chart/chart_geometry.h"
#include "program/window_views.h"
#include "records/live_reading.h"
#include "support/fake_ports.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::FakeProgram;

constexpr auto kOpened = OpenOutcome::Opened;

struct Loaded : FakeProgram {
    explicit Loaded(std::map<int, OpenOutcome> ports = {{2, kOpened}}) {
        line.outcomes = std::move(ports);
        load_main_window(program);
    }
};

Group filled(int i) {
    return Group{i, 12345, 1, 24, 3, 15, 14, 30};
}

void fill_slot(RecordStore& r, int i) {
    r.groups[size_t(i)] = filled(i);
}

bool slot_cleared(const RecordStore& r, int i) {
    return r.at(i) == Group{};
}

TEST(Startup, FirstLoadClearsSlotsUpTo7000AndLeavesTheRest) {
    FakeProgram f;
    f.line.outcomes = {{2, kOpened}};
    RecordStore& r = f.state().records;
    // A fresh store has the cleared values everywhere, above 7000 too.
    for (int i : {0, 1, 7000, 7001, 9999, 10000}) EXPECT_TRUE(slot_cleared(r, i)) << i;
    for (int i : {0, 1, 6999, 7000, 7001, 10000}) fill_slot(r, i);
    ASSERT_EQ(f.state().print_options.dialog_answer, DialogAnswer::None);
    load_main_window(f.program);
    for (int i : {0, 1, 6999, 7000}) EXPECT_TRUE(slot_cleared(r, i)) << i;
    for (int i : {7001, 10000}) {
        EXPECT_EQ(r.at(i), filled(i));
    }
}

TEST(Startup, ReloadAfterTheDialogAnsweredKeepsTheStoreOnlyThen) {
    const struct {
        DialogAnswer dialog_answer;
        bool kept;
    } cases[] = {{DialogAnswer::Print, true},
                 {DialogAnswer::Cancelled, true},
                 {DialogAnswer::Open, false},
                 {DialogAnswer::None, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.dialog_answer));
        Loaded f;
        for (int i = 1; i <= 5; ++i) fill_slot(f.state().records, i);
        f.state().records.last_stored_group = 5;
        LinkState& link = f.state().link;
        link.instrument_group_count = 5;
        link.next_group = 6;
        link.resume_group = 3;
        link.read_state = ReadState::Reading;
        f.state().print_options.dialog_answer = c.dialog_answer;
        load_main_window(f.program);
        EXPECT_EQ(f.state().records.at(5).number == 5, c.kept);
        EXPECT_EQ(slot_cleared(f.state().records, 1), !c.kept);
        EXPECT_EQ(f.state().records.last_stored_group, 5) << "the start-up does not touch it";
        EXPECT_EQ(link.instrument_group_count, 0);
        EXPECT_EQ(link.next_group, 1);
        EXPECT_EQ(link.resume_group, 1);
        EXPECT_FALSE(link.reading());
    }
}

TEST(Startup, OpensCom2ThenLeavesPortNoAtSix) {
    const struct {
        std::map<int, OpenOutcome> ports;
        const char* label16;
        bool port_taken;
    } cases[] = {
        {{{2, kOpened}}, "串口已打开", true},
        {{}, "串口已关闭", false},
        {{{1, kOpened}, {7, kOpened}}, "串口已关闭", false},
        {{{2, OpenOutcome::OtherFailure}}, "串口已关闭", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label16);
        Loaded f(c.ports);
        EXPECT_EQ(f.line.number, 2) << "the first port tried is COM2";
        EXPECT_EQ(f.line.opens, 1);
        EXPECT_EQ(main_window_view(f.state()).port_name_label, QStringLiteral("COM2"));
        EXPECT_EQ(main_window_view(f.state()).port_status_label, QString::fromUtf8(c.label16));
        EXPECT_EQ(f.state().link.port_taken, c.port_taken);
        EXPECT_EQ(f.state().link.port_number, 6);
        EXPECT_GE(f.line.configures, 1);
        EXPECT_TRUE(f.line.written.empty()) << "the start-up sends no command";
    }
}

TEST(Startup, DesignValuesAfterTheRoutine) {
    Loaded f;
    const ProgramState& s = f.state();
    EXPECT_TRUE(s.link.sender_free);
    EXPECT_EQ(s.link.read_progress, 100);
    EXPECT_EQ(s.link.banner_direction, BannerDirection::Right);
    EXPECT_FALSE(main_window_view(s).progress_visible);
    EXPECT_TRUE(main_window_view(s).chart_visible);
    EXPECT_FALSE(main_window_view(s).listing_visible);
    EXPECT_EQ(s.history.current_page, 1);
    EXPECT_EQ(s.history.page_count, 0);
    EXPECT_EQ(main_window_view(s).window_width, 13312);
    EXPECT_EQ(main_window_view(s).window_height, 9900);
    EXPECT_EQ(maximum_text(s.stats), QStringLiteral(" 0.0000Ω"));
    EXPECT_EQ(minimum_text(s.stats), QStringLiteral("60.0000Ω"));
    EXPECT_EQ(average_text(s.stats), QStringLiteral("0.0000Ω"));
    EXPECT_EQ(s.stats.avg_count, 0);
    EXPECT_EQ(main_window_view(s).link_status_label, QStringLiteral("连接失败"));
    EXPECT_EQ(main_window_view(s).activity_label, QStringLiteral("正在查找设备...."));
    EXPECT_EQ(main_window_view(s).reading_label, QStringLiteral("- - - - -"));
    EXPECT_EQ(main_window_view(s).read_button, QStringLiteral("读    取"));
    EXPECT_FALSE(main_window_view(s).banner_label.isEmpty());
}

TEST(Startup, ReloadRestartsTheStatisticsButKeepsTheLink) {
    Loaded f;
    ProgramState& s = f.state();
    update_live_reading(f.program, 45000);
    update_live_reading(f.program, 700);
    ASSERT_EQ(maximum_text(s.stats), QStringLiteral("  O L  Ω"));
    s.link.linked = true;
    s.link.reply_seen = true;
    s.link.silent_ticks = 4;
    load_main_window(f.program);
    EXPECT_EQ(maximum_text(s.stats), QStringLiteral(" 0.0000Ω"));
    EXPECT_EQ(minimum_text(s.stats), QStringLiteral("60.0000Ω"));
    EXPECT_EQ(average_text(s.stats), QStringLiteral("0.0000Ω"));
    EXPECT_EQ(s.stats.avg_count, 0);
    // The average starts afresh: the first reading after the reload is its own mean.
    update_live_reading(f.program, 123);
    EXPECT_EQ(average_text(s.stats), QStringLiteral(" 0.1236Ω"));
    EXPECT_TRUE(s.link.linked);
    EXPECT_TRUE(s.link.reply_seen);
    EXPECT_EQ(s.link.silent_ticks, 4);
}

TEST(Timer3, KeepsTheSizeOfANormalWindowOnly) {
    const struct {
        WindowState state;
        int width, height;
    } cases[] = {
        {WindowState::Normal, 13312, 9900},
        {WindowState::Minimised, 5000, 3000},
        {WindowState::Maximised, 5000, 3000},
    };
    for (const auto& c : cases) {
        Loaded f;
        MainWindowState& ui = f.state().main_window;
        ui.window_state = c.state;
        ui.window_width = 5000;
        ui.window_height = 3000;
        keep_window_size(f.program);
        EXPECT_EQ(ui.window_width, c.width);
        EXPECT_EQ(ui.window_height, c.height);
    }
}

TEST(Timer5, BannerTurnsPast7400AndBelow120) {
    Loaded f;
    float& left = f.state().main_window.banner_left;
    BannerDirection& dir = f.state().link.banner_direction;
    ASSERT_EQ(left, 120.0f);
    for (int tick = 1; tick <= 182; ++tick) move_banner(f.program);
    EXPECT_EQ(left, 7400.0f);
    EXPECT_EQ(dir, BannerDirection::Right);
    move_banner(f.program);  // 183rd: to 7440, turns, back to 7400
    EXPECT_EQ(left, 7400.0f);
    EXPECT_EQ(dir, BannerDirection::Left);
    move_banner(f.program);
    EXPECT_EQ(left, 7360.0f);
    int ticks = 0;
    while (left > 80.0f && ticks < 1000) {
        move_banner(f.program);
        ++ticks;
    }
    EXPECT_EQ(left, 80.0f);
    EXPECT_EQ(dir, BannerDirection::Right) << "the tick that reaches 80 turns";
    move_banner(f.program);
    EXPECT_EQ(left, 120.0f);
    // From then on it stays between 80 and 7400.
    for (int tick = 0; tick < 2000; ++tick) {
        move_banner(f.program);
        ASSERT_GE(left, 80.0f);
        ASSERT_LE(left, 7400.0f);
    }
}

TEST(Timer6, ProgressBarFollowsTheRead) {
    constexpr ReadState kReading = ReadState::Reading;
    const struct {
        ReadState reading;
        int32_t next_group, instrument_group_count;
        uint8_t progress;
        bool visible;
        int value;
    } cases[] = {
        {kReading, 1, 3, 33, true, 33},      {kReading, 2, 3, 67, true, 67},
        {kReading, 3, 3, 100, false, 0},     {kReading, 4, 3, 100, false, 0},
        {kReading, 1, 0, 100, false, 0},     {kReading, 1, 65535, 0, true, 0},
        {kReading, 1, 200, 0, true, 0},       // 0.5 goes to the even neighbour
        {kReading, 3, 200, 2, true, 2},       // 1.5 goes to 2
        {kReading, 5, 200, 2, true, 2},       // 2.5 goes to 2
        {kReading, 199, 200, 100, false, 0},  // 99.5 goes to 100, which hides the bar
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.next_group << "/" << c.instrument_group_count);
        Loaded f;
        LinkState& link = f.state().link;
        link.read_state = c.reading;
        link.next_group = c.next_group;
        link.instrument_group_count = c.instrument_group_count;
        f.state().main_window.progress_value = 55;
        show_read_progress(f.program);
        EXPECT_EQ(link.read_progress, c.progress);
        EXPECT_EQ(main_window_view(f.state()).progress_visible, c.visible);
        EXPECT_EQ(main_window_view(f.state()).progress_value, c.value);
    }
}

TEST(Timer6, HiddenWhileNotReading) {
    Loaded f;
    f.state().main_window.progress_visible = true;
    f.state().link.read_progress = 42;
    show_read_progress(f.program);
    EXPECT_FALSE(main_window_view(f.state()).progress_visible);
    EXPECT_EQ(f.state().link.read_progress, 42);
}

TEST(Timer10, SetsItsPeriodTo800AndRedraws) {
    Loaded f;
    EXPECT_EQ(f.state().main_window.period(TimerId::ChartRedraw), 100);
    const uint64_t before = f.state().chart.generation;
    f.state().chart.chart_samples[0] = 1500;
    redraw_chart(f.program);
    EXPECT_EQ(f.state().main_window.period(TimerId::ChartRedraw), 800);
    EXPECT_EQ(f.state().chart.generation, before + 1);
    EXPECT_EQ(f.state().chart.chart_points[kChartPoints - 1], 1.5) << "newest sample, in ohm";
    redraw_chart(f.program);
    EXPECT_EQ(f.state().main_window.period(TimerId::ChartRedraw), 800);
    EXPECT_EQ(f.state().chart.generation, before + 2);
}

}  // namespace
}  // namespace eqbond
