// Whatever a person types into the fields of the program, one table for all of them: the alarm
// threshold (compared as text, never read as a number), the page to jump to and the two range
// fields of the print options dialog (read as 16-bit numbers, refused otherwise).
#include <gtest/gtest.h>

#include <optional>

#include "alarm/alarm.h"
#include "base/program.h"
#include "history/history_page.h"
#include "history/page_navigation.h"
#include "program/window_views.h"
#include "records/live_reading.h"
#include "report/print_options.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

using Field = PrintOptionsState::Field;

constexpr int kGroupsRead = 200;
constexpr int kPages = 3;
constexpr int16_t kPageShown = 2;

struct TypedInput {
    const char* what;
    QString typed;
    // Alarm threshold: alarm_hit for a reading of 5 ohm (" 5.0000Ω") and of 12 ohm ("12.0000Ω").
    int hit_at_5_ohm, hit_at_12_ohm;
    // Page jump from page 2 of 3: the page shown and what Text1 shows afterwards.
    int page_after;
    QString text1_after;
    // A print range field: the group number it gives, or nothing when the dialog refuses it.
    std::optional<int> range_value;
};

const QString kTyped = QStringLiteral("<as typed>");

std::vector<TypedInput> typed_inputs() {
    const QString current = QString::number(kPageShown);
    const QString last = QString::number(kPages);
    return {
        {"empty", QString(), 0, 0, kPageShown, current, std::nullopt},
        {"letters", QStringLiteral("abc"), 0, 0, kPageShown, current, std::nullopt},
        {"Chinese numerals", QStringLiteral("十二"), 0, 0, kPageShown, current, std::nullopt},
        {"spaces", QStringLiteral("   "), 1, 1, kPageShown, current, std::nullopt},
        {"huge number", QStringLiteral("123456789012345678901234567890"), 0, 0, kPageShown, current,
         std::nullopt},
        {"just above 16 bits", QStringLiteral("32768"), 0, 0, kPageShown, current, std::nullopt},
        {"just below 16 bits", QStringLiteral("-32769"), 0, 1, kPageShown, current, std::nullopt},
        {"a thousand nines", QString(1000, QLatin1Char('9')), 0, 0, kPageShown, current,
         std::nullopt},
        {"negative", QStringLiteral("-5"), 0, 1, 1, QStringLiteral("1"), -5},
        {"decimal", QStringLiteral("2.6"), 0, 0, 3, kTyped, 3},
        {"decimal half", QStringLiteral("2.5"), 0, 0, 2, kTyped, 2},
        {"decimal comma", QStringLiteral("2,5"), 0, 0, kPageShown, current, std::nullopt},
        {"full-width digits", QStringLiteral("１２"), 0, 0, kPages, last, 12},
        {"full-width page", QStringLiteral("３"), 0, 0, 3, kTyped, 3},
        {"full-width minus", QStringLiteral("－５"), 0, 0, 1, QStringLiteral("1"), -5},
        {"emoji", QStringLiteral("😀"), 0, 0, kPageShown, current, std::nullopt},
        {"digit and emoji", QStringLiteral("2😀"), 0, 0, kPageShown, current, std::nullopt},
        {"half an emoji", QString(QChar(0xD83D)), 0, 0, kPageShown, current, std::nullopt},
        {"display shape", QStringLiteral(" 5.0000"), 1, 1, kPages, last, 5},
    };
}

QString expected_text1(const TypedInput& input) {
    return input.text1_after == kTyped ? input.typed : input.text1_after;
}

int alarm_for_reading(const QString& threshold, int milliohm) {
    test::FakeProgram f;
    ProgramState& s = f.state();
    s.main_window.threshold_text = threshold;
    update_live_reading(f.program, milliohm);
    // The indicator blinks on what the test found while the alarm is locked and the link stands.
    s.main_window.alarm_locked = true;
    s.link.linked = true;
    blink_alarm_indicator(f.program);
    const Rgb expected = s.stats.alarm_hit ? colour::kRed : colour::kGreen;
    EXPECT_EQ(main_window_view(s).indicator_fill, expected)
        << "indicator after a reading of " << milliohm;
    return s.stats.alarm_hit;
}

TEST(TypedFields, AlarmThresholdIsComparedAsTextWhateverIsTyped) {
    for (const TypedInput& input : typed_inputs()) {
        SCOPED_TRACE(input.what);
        EXPECT_EQ(alarm_for_reading(input.typed, 5000), input.hit_at_5_ohm);
        EXPECT_EQ(alarm_for_reading(input.typed, 12000), input.hit_at_12_ohm);
        EXPECT_EQ(alarm_for_reading(input.typed, 45000), 1) << "an overload always alarms";
    }
}

TEST(TypedFields, AlarmThresholdIsReadAfreshWithEachReading) {
    test::FakeProgram f;
    ProgramState& s = f.state();
    for (const TypedInput& input : typed_inputs()) {
        SCOPED_TRACE(input.what);
        s.main_window.threshold_text = input.typed;
        update_live_reading(f.program, 12000);
        EXPECT_EQ(s.stats.alarm_hit, input.hit_at_12_ohm);
        EXPECT_EQ(main_window_view(s).reading_label, QStringLiteral("12.0000Ω"));
        EXPECT_EQ(main_window_view(s).threshold_field, input.typed)
            << "the threshold is never rewritten";
    }
}

TEST(TypedFields, PageJumpTakesANumberOrShowsTheCurrentPageAgain) {
    for (const TypedInput& input : typed_inputs()) {
        SCOPED_TRACE(input.what);
        test::FakeProgram f;
        HistoryState& history = f.state().history;
        history.page_count = kPages;
        history.current_page = kPageShown;
        f.state().main_window.page_field_text = input.typed;
        on_jump_page_clicked(f.program);
        EXPECT_EQ(history.current_page, input.page_after);
        EXPECT_EQ(main_window_view(f.state()).page_field, expected_text1(input));
        EXPECT_EQ(main_window_view(f.state()).listing,
                  history_page_text(f.state().records, input.page_after));
        EXPECT_TRUE(f.messages.shown.empty()) << "the page field gives no message";
    }
}

// The range fields: `field` holds the input, the other field a good number.
void check_range_field(const TypedInput& input, Field field) {
    test::ReportProgram f;
    test::put_groups(f.records(), kGroupsRead);
    load_print_options(f.program);
    PrintOptionsState& print_options = f.state().print_options;
    print_options.controls.first_group_text =
        field == Field::FirstGroup ? input.typed : QStringLiteral("1");
    print_options.controls.last_group_text =
        field == Field::LastGroup ? input.typed : QStringLiteral("168");
    on_print_options_confirmed(f.program);
    if (!input.range_value) {
        EXPECT_TRUE(print_options.open) << "the dialog stays open";
        EXPECT_EQ(print_options.dialog_answer, DialogAnswer::Open);
        EXPECT_EQ(print_options.selected_field, field);
        EXPECT_EQ(f.host.shows, 0);
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0].first, QStringLiteral("系统提示!"));
        EXPECT_EQ(f.messages.shown[0].second, QStringLiteral("请输入 -32768 到 32767 之间的组号."));
        return;
    }
    EXPECT_FALSE(print_options.open);
    EXPECT_EQ(print_options.dialog_answer, DialogAnswer::Print);
    EXPECT_TRUE(f.messages.shown.empty());
    if (field == Field::FirstGroup) {
        EXPECT_EQ(print_options.first_group, *input.range_value);
        EXPECT_EQ(print_options.last_group, 168);
    } else {
        EXPECT_EQ(print_options.first_group, 1);
        EXPECT_EQ(print_options.last_group, std::min(*input.range_value, kGroupsRead));
    }
}

TEST(TypedFields, PrintRangeFieldsTakeANumberOrKeepTheDialogOpenWithAMessage) {
    for (const TypedInput& input : typed_inputs()) {
        for (Field field : {Field::FirstGroup, Field::LastGroup}) {
            SCOPED_TRACE(testing::Message()
                         << input.what << " in Text" << (field == Field::FirstGroup ? 1 : 2));
            check_range_field(input, field);
        }
    }
}

}  // namespace
}  // namespace eqbond
