// The alarm as the operator meets it: a typed threshold, live readings arriving, the lock button
// and the indicator blinking on the 400 ms tick.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "alarm/alarm.h"
#include "base/program.h"
#include "program/window_views.h"
#include "records/live_reading.h"

namespace eqbond {
namespace {

const QString kLock = QStringLiteral("锁  定");
const QString kRelease = QStringLiteral("解  除");
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};

void reading(Program& p, int milliohm) {
    update_live_reading(p, milliohm);
}

const char* name_of(const Rgb& c) {
    return c == kRed ? "red" : c == kGreen ? "green" : "other";
}

TEST(AlarmThreshold, ReadingTextAgainstTheTypedThresholdAsText) {
    const struct {
        const char* threshold;      // as typed in Text2
        std::vector<int> readings;  // milliohm, in order; the last one decides
        const char* last_text;      // its display text, for the reader
        uint8_t alarm_hit;
    } cases[] = {
        // The design threshold: a space sorts before "0".
        {"0.0000", {5000}, " 5.0000Ω", 0},
        {"0.0000", {10000}, "10.0000Ω", 1},  // every two-digit reading, from 10 ohm up
        {"0.0000", {12000}, "12.0000Ω", 1},
        {"0.0000", {45000}, "  O L  Ω", 1},
        // Two integer digits, as the display writes them.
        {"10.0000", {10000}, "10.0000Ω", 1},
        {"10.0000", {9999}, " 9.9999Ω", 0},
        {"10.0000", {35000}, "35.0000Ω", 1},
        // No decimals: "." sorts before "Ω".
        {"10", {10000}, "10.0000Ω", 0},
        {"10", {12000}, "12.0000Ω", 1},
        // One integer digit without the leading space.
        {"5.0000", {12000}, "12.0000Ω", 0},
        {"5.0000", {6000}, " 6.0000Ω", 0},
        // ... and with it, as the display writes it.
        {" 5.0000", {6000}, " 6.0000Ω", 1},
        {" 5.0000", {12000}, "12.0000Ω", 1},
        {" 5.0000", {5000}, " 5.0000Ω", 1},
        {" 5.0000", {4000}, " 4.0000Ω", 0},
        {" 0.5000", {600}, " 0.6006Ω", 1},
        {" 0.5000", {400}, " 0.4006Ω", 0},
        {"0.5000", {600}, " 0.6006Ω", 0},
        // Empty: "Ω" alone sorts after every reading; only an overload sets the alarm.
        {"", {40000}, "40.0000Ω", 0},
        {"", {45000}, "  O L  Ω", 1},
        // After an overload the maximum stays overloaded and so does the alarm.
        {"10.0000", {45000, 100}, " 0.1001Ω", 1},
        {"", {45000, 100}, " 0.1001Ω", 1},
        {"0.0000", {45000, 5000, 5000}, " 5.0000Ω", 1},
        // A reading below the threshold clears an earlier hit.
        {"10.0000", {12000, 9999}, " 9.9999Ω", 0},
    };
    for (const auto& c : cases) {
        Program p;
        p.state.main_window.threshold_text = QString::fromUtf8(c.threshold);
        for (const int milliohm : c.readings) reading(p, milliohm);
        const QString context = QStringLiteral("threshold \"%1\", reading \"%2\"")
                                    .arg(main_window_view(p.state).threshold_field,
                                         main_window_view(p.state).reading_label);
        ASSERT_EQ(main_window_view(p.state).reading_label.toStdString(), c.last_text)
            << qPrintable(context);
        EXPECT_EQ(p.state.stats.alarm_hit, c.alarm_hit) << qPrintable(context);
    }
}

TEST(AlarmLock, TheButtonToggles) {
    Program p;
    p.state.stats.alarm_hit = true;
    p.state.main_window.threshold_text = QStringLiteral("12.3456");
    for (const QString& expected : {kRelease, kLock, kRelease}) {
        on_lock_clicked(p);
        EXPECT_EQ(main_window_view(p.state).lock_button.toStdString(), expected.toStdString());
        // Locking changes nothing else.
        EXPECT_TRUE(p.state.stats.alarm_hit);
        EXPECT_EQ(main_window_view(p.state).threshold_field.toStdString(), "12.3456");
    }
}

TEST(AlarmIndicator, TheLockArmsItAndItsCaptionOffersTheOtherAction) {
    const struct {
        int clicks;
        const char* caption;
        const char* fill;
    } cases[] = {{0, "锁  定", "green"}, {1, "解  除", "red"}, {2, "锁  定", "green"}};
    for (const auto& c : cases) {
        Program p;
        p.state.link.linked = true;
        p.state.stats.alarm_hit = true;
        for (int i = 0; i < c.clicks; ++i) on_lock_clicked(p);
        blink_alarm_indicator(p);
        EXPECT_EQ(main_window_view(p.state).lock_button.toStdString(), c.caption) << c.clicks;
        EXPECT_STREQ(name_of(main_window_view(p.state).indicator_fill), c.fill) << c.clicks;
    }
}

TEST(AlarmIndicator, BlinksWhileLockedLinkedAndHitSteadyGreenOtherwise) {
    using Action = std::function<void(Program&)>;
    const Action none = [](Program&) {};
    const Action lock = [](Program& p) { on_lock_clicked(p); };
    auto read = [](int milliohm) { return Action([=](Program& p) { reading(p, milliohm); }); };
    auto link = [](uint8_t linked) {
        return Action([=](Program& p) { p.state.link.linked = linked; });
    };
    auto type = [](const char* t) {
        return Action(
            [=](Program& p) { p.state.main_window.threshold_text = QString::fromUtf8(t); });
    };
    const struct {
        const char* step;
        Action before_tick;
        Rgb fill;  // after the tick
    } steps[] = {
        {"a reading at the threshold, not locked", read(6000), kGreen},
        {"locked: the first tick shows red", lock, kRed},
        {"next tick", none, kGreen},
        {"next tick", none, kRed},
        {"the same reading again keeps the rhythm", read(6000), kGreen},
        {"next tick", none, kRed},
        {"released", lock, kGreen},
        {"stays green while released", none, kGreen},
        {"locked again: starts with red", lock, kRed},
        {"link lost", link(0), kGreen},
        {"still unlinked", none, kGreen},
        {"link back", link(1), kRed},
        {"a reading below the threshold", read(4000), kGreen},
        {"stays green", none, kGreen},
        {"a reading above", read(12000), kRed},
        // The threshold counts only when a reading arrives.
        {"threshold raised, no reading yet", type("20.0000"), kGreen},
        {"still blinking on the old outcome", none, kRed},
        {"the next reading is below the new threshold", read(12000), kGreen},
        {"stays green", none, kGreen},
        {"an overload", read(45000), kRed},
        {"any later reading keeps the alarm", read(100), kGreen},
        {"next tick", none, kRed},
    };
    Program p;
    p.state.link.linked = true;
    p.state.main_window.threshold_text = QStringLiteral(" 5.0000");
    ASSERT_EQ(main_window_view(p.state).indicator_fill, kGreen);
    int number = 0;
    for (const auto& s : steps) {
        ++number;
        s.before_tick(p);
        blink_alarm_indicator(p);
        EXPECT_STREQ(name_of(main_window_view(p.state).indicator_fill), name_of(s.fill))
            << "step " << number << ": " << s.step;
    }
}

}  // namespace
}  // namespace eqbond
