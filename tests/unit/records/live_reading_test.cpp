// The live display: reading, maximum, minimum, average, chart samples, alarm flag, battery label.
#include "records/live_reading.h"

#include <gtest/gtest.h>

#include <memory>

#include "program/startup.h"
#include "program/window_views.h"
#include "support/fake_ports.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

const QString kOverload = QStringLiteral("  O L  Ω");

struct Live : test::FakeProgram {
    Live() {
        line.outcomes = {{2, OpenOutcome::Opened}};
        load_main_window(program);
    }
    void measure(int milliohm) { update_live_reading(program, milliohm); }
    void lead(int milliohm) { show_lead_resistance(program, milliohm); }
    LiveStats& stats() { return state().stats; }
    const MainWindowView ui() { return main_window_view(state()); }
};

TEST(LiveReading, FirstMeasurement) {
    Live l;
    l.measure(123);
    EXPECT_EQ(l.ui().reading_label, QStringLiteral(" 0.1236Ω"));
    EXPECT_EQ(maximum_text(l.stats()), QStringLiteral(" 0.1236Ω"));
    EXPECT_EQ(minimum_text(l.stats()), QStringLiteral(" 0.1236Ω"));
    EXPECT_EQ(average_text(l.stats()), QStringLiteral(" 0.1236Ω"));
    EXPECT_EQ(l.ui().max_label, QStringLiteral("最大值: 0.1236Ω"));
    EXPECT_EQ(l.ui().min_label, QStringLiteral("最小值: 0.1236Ω"));
    EXPECT_EQ(l.ui().average_label, QStringLiteral("平均值: 0.1236Ω"));
    EXPECT_EQ(l.state().chart.chart_samples[0], 123.0);
    EXPECT_EQ(l.state().chart.chart_samples[1], 0.0);
    EXPECT_EQ(l.stats().avg_count, 1);
    EXPECT_FALSE(l.stats().alarm_hit) << "\" 0.1236Ω\" sorts before the design \"0.0000Ω\"";
}

TEST(LiveReading, EqualReadingsAddNoChartSampleButDoAverage) {
    Live l;
    l.measure(300);
    l.measure(300);
    EXPECT_EQ(l.state().chart.chart_samples[0], 300.0);
    EXPECT_EQ(l.state().chart.chart_samples[1], 0.0);
    EXPECT_EQ(l.stats().avg_count, 2);
    l.measure(100);  // (300 + 300 + 100) / 3 = 233
    EXPECT_EQ(l.state().chart.chart_samples[0], 100.0);
    EXPECT_EQ(l.state().chart.chart_samples[1], 300.0);
    EXPECT_EQ(l.state().chart.chart_samples[2], 0.0);
    EXPECT_EQ(average_text(l.stats()), QStringLiteral(" 0.2334Ω"));
}

TEST(LiveReading, ChartSamplesShiftThrough300Slots) {
    Live l;
    const auto& samples = l.state().chart.chart_samples;
    for (int i = 1; i <= 305; ++i) l.measure(i);
    EXPECT_EQ(samples[0], 305.0);
    EXPECT_EQ(samples[299], 6.0);
    EXPECT_EQ(samples[300], 5.0) << "the oldest kept sample";
}

TEST(LiveReading, ExtremesCompareAsText) {
    const struct {
        std::vector<int> readings;
        const char* max;
        const char* min;
    } cases[] = {
        {{9999, 10000}, "10.0000Ω", " 9.9999Ω"},
        {{10000, 9999}, "10.0000Ω", " 9.9999Ω"},
        {{500, 40000, 1}, "40.0000Ω", " 0.0011Ω"},
        {{0}, " 0.0000Ω", " 0.0000Ω"},  // equal to the start-up maximum
        {{60000}, "  O L  Ω", ""},
        {{700, 40001, 100, 50000, 30000}, "  O L  Ω", ""},
        {{61000}, "  O L  Ω", ""},
    };
    for (const auto& c : cases) {
        Live l;
        for (int r : c.readings) l.measure(r);
        SCOPED_TRACE(c.max);
        EXPECT_EQ(maximum_text(l.stats()), QString::fromUtf8(c.max));
        EXPECT_EQ(minimum_text(l.stats()), QString::fromUtf8(c.min));
        EXPECT_EQ(l.ui().max_label, QStringLiteral("最大值:") + QString::fromUtf8(c.max));
        EXPECT_EQ(l.ui().min_label, QStringLiteral("最小值:") + QString::fromUtf8(c.min));
    }
}

TEST(LiveReading, OverloadKeepsTheAlarmOn) {
    Live l;
    l.state().main_window.threshold_text = QStringLiteral("50.0000");
    l.measure(123);
    EXPECT_FALSE(l.stats().alarm_hit);
    l.measure(40001);
    EXPECT_EQ(l.ui().reading_label, kOverload);
    EXPECT_EQ(l.ui().min_label, QStringLiteral("最小值:"));
    EXPECT_TRUE(l.stats().alarm_hit);
    for (int r : {0, 123, 39999}) {
        l.measure(r);
        EXPECT_TRUE(l.stats().alarm_hit) << r;
        EXPECT_EQ(maximum_text(l.stats()), kOverload);
        EXPECT_EQ(minimum_text(l.stats()), QString());
    }
}

TEST(LiveReading, LeadResistanceChangesOnlyTheDisplay) {
    Live l;
    l.measure(200);
    const LiveStats before = l.stats();
    const auto samples = l.state().chart.chart_samples;
    const QString label1 = l.ui().max_label, label3 = l.ui().average_label;
    l.lead(45000);
    EXPECT_EQ(l.ui().reading_label, kOverload);
    EXPECT_EQ(l.ui().reading_kind_label, QStringLiteral("线阻"));
    l.lead(550);
    EXPECT_EQ(l.ui().reading_label, QStringLiteral(" 0.5500Ω"));
    EXPECT_EQ(maximum_text(l.stats()), maximum_text(before));
    EXPECT_EQ(minimum_text(l.stats()), minimum_text(before));
    EXPECT_EQ(average_text(l.stats()), average_text(before));
    EXPECT_EQ(l.stats().avg_count, before.avg_count);
    EXPECT_EQ(l.stats().alarm_hit, before.alarm_hit);
    EXPECT_EQ(l.state().chart.chart_samples, samples);
    EXPECT_EQ(l.ui().max_label, label1);
    EXPECT_EQ(l.ui().average_label, label3);
    l.measure(200);
    EXPECT_EQ(l.ui().reading_kind_label, QString()) << "the next measurement clears the marker";
}

TEST(LiveReading, StatusReplyShowsZeroWithoutOhmSign) {
    Live l;
    l.lead(300);
    show_idle_status(l.program);
    EXPECT_EQ(l.ui().reading_label, QStringLiteral("0.0000"));
    EXPECT_EQ(l.ui().reading_kind_label, QString());
}

TEST(LiveReading, BatteryLabel) {
    const struct {
        bool before;
        int battery;
        bool after;
    } cases[] = {{false, 1, true},  {true, 0, false},  {true, 2, true},
                 {false, 2, false}, {true, 255, true}, {true, 1, true}};
    for (const auto& c : cases) {
        Live l;
        l.state().main_window.battery_warning_visible = c.before;
        update_battery_indicator(l.program, c.battery);
        EXPECT_EQ(l.ui().battery_warning_visible, c.after) << c.battery;
    }
}

TEST(Average, CoversTheNewest50000Only) {
    Live l;
    l.measure(65535);
    for (int i = 0; i < 50000; ++i) l.measure(1);
    EXPECT_EQ(l.stats().avg_count, 50000);
    // The mean of the newest 50000 is 1; with the first reading still in, it would be 2.
    EXPECT_EQ(average_text(l.stats()), QStringLiteral(" 0.0011Ω"));
    EXPECT_EQ(l.ui().average_label, QStringLiteral("平均值: 0.0011Ω"));
}

TEST(Average, IsTheTrueMeanWhereA32BitSumWouldOverflow) {
    Live l;
    // 32768 x 65535 = 2147516416 passes 2^31 - 1.
    for (int i = 0; i < 32768; ++i) l.measure(65535);
    EXPECT_EQ(average_text(l.stats()), kOverload);
    for (int i = 32768; i < 50000; ++i) l.measure(65535);
    EXPECT_EQ(l.stats().avg_count, 50000);
    EXPECT_EQ(average_text(l.stats()), kOverload);
    // Slide 40000s in: the window sum stays above 2^31 - 1 until the mean is a number again.
    for (int i = 0; i < 49998; ++i) l.measure(40000);
    EXPECT_EQ(average_text(l.stats()), kOverload) << "mean 40001.02 milliohm";
    l.measure(40000);
    EXPECT_EQ(average_text(l.stats()), QStringLiteral("40.0000Ω")) << "mean 40000.51 milliohm";
    l.measure(40000);
    EXPECT_EQ(average_text(l.stats()), QStringLiteral("40.0000Ω"));
    l.measure(0);  // 49999 x 40000 / 50000 = 39999.2
    EXPECT_EQ(average_text(l.stats()), QStringLiteral("39.9999Ω"));
}

TEST(Average, TruncatesTheMean) {
    Live l;
    for (int r : {1, 2}) l.measure(r);  // 1.5 -> 1
    EXPECT_EQ(average_text(l.stats()), QStringLiteral(" 0.0011Ω"));
    l.measure(3);  // 2
    EXPECT_EQ(average_text(l.stats()), QStringLiteral(" 0.0024Ω"));
}

TEST(Alarm, TypedThresholdComparedAsText) {
    const struct {
        const char* threshold;
        int milliohm;
        uint8_t hit;
    } cases[] = {
        {"0.0000", 5000, 0},                           // " 5.0000Ω": the leading space sorts first
        {"0.0000", 12000, 1},                          // "12.0000Ω"
        {"0.0000", 123, 0},    {"10.0000", 10000, 1},  // equal
        {"10.0000", 9999, 0},  {"10.0000", 35000, 1},
        {"10.0000", 40001, 1},  // an overload always alarms
        {"10", 10000, 0},       // "10.0000Ω" < "10Ω": '.' sorts before 'Ω'
        {"10", 12000, 1},      {" 5.0000", 5000, 1},
        {" 5.0000", 4999, 0},  {" 5.0000", 600, 0},
        {" 5.0000", 12000, 1}, {"5.0000", 5000, 0},
        {"5.0000", 6000, 0},   {"5.0000", 12000, 0},  // '1' sorts before '5'
        {"5.0000", 40000, 0},  {" 0.5000", 600, 1},   // " 0.6006Ω"
        {" 0.5000", 400, 0},   {"0.5000", 600, 0},
        {"0.5000", 400, 0},    {"", 123, 0},  // against "Ω" alone
        {"", 40000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.threshold << "\" " << c.milliohm);
        Live l;
        l.state().main_window.threshold_text = QString::fromUtf8(c.threshold);
        l.measure(c.milliohm);
        EXPECT_EQ(l.stats().alarm_hit, c.hit);
    }
}

TEST(Alarm, FollowsEachReadingUntilAnOverload) {
    Live l;
    l.state().main_window.threshold_text = QStringLiteral(" 1.0000");
    l.measure(1500);
    EXPECT_TRUE(l.stats().alarm_hit);
    l.measure(500);
    EXPECT_FALSE(l.stats().alarm_hit);
    l.lead(5000);
    EXPECT_FALSE(l.stats().alarm_hit) << "lead resistance is not measured against the alarm";
}

}  // namespace
}  // namespace eqbond
