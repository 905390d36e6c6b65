// The print button and the print options dialog's handlers, over a fake window system.
#include "report/print_options.h"

#include <gtest/gtest.h>

#include "support/report_fakes.h"

namespace eqbond {
namespace {

using Field = PrintOptionsState::Field;
using test::FakePrinter;
using test::put_groups;
using test::ReportProgram;

const std::pair<QString, QString> kRangeMessage{
    QStringLiteral("系统提示!"), QStringLiteral("请输入 -32768 到 32767 之间的组号.")};

TEST(Form2Load, CountsGroupsAndPages) {
    const struct {
        int16_t groups;
        const char* label1;
        const char* label3;
    } cases[] = {
        {0, "共有: 0组", "共有: 0页"},     {168, "共有: 168组", "共有: 1页"},
        {169, "共有: 169组", "共有: 2页"}, {336, "共有: 336组", "共有: 2页"},
        {337, "共有: 337组", "共有: 3页"}, {250, "共有: 250组", "共有: 2页"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.groups);
        ReportProgram f;
        f.records().last_stored_group = c.groups;
        load_print_options(f.program);
        EXPECT_EQ(print_options_view(f.state()).group_count_label, QString::fromUtf8(c.label1));
        EXPECT_EQ(print_options_view(f.state()).page_count_label, QString::fromUtf8(c.label3));
    }
}

TEST(Form2Load, StartsFromTheDesignValuesEachTime) {
    ReportProgram f;
    PrintOptionsState& print_options = f.state().print_options;
    print_options.controls.first_group_text = QStringLiteral("9");
    print_options.controls.last_group_text = QStringLiteral("abc");
    print_options.controls.range_chosen = false;
    print_options.selected_field = Field::LastGroup;
    print_options.dialog_answer = DialogAnswer::Cancelled;
    print_options.first_group = 4;
    load_print_options(f.program);
    EXPECT_EQ(print_options.controls.first_group_text, QStringLiteral("1"));
    EXPECT_EQ(print_options.controls.last_group_text, QStringLiteral("168"));
    EXPECT_TRUE(print_options.controls.range_chosen);
    EXPECT_EQ(print_options.selected_field, Field::None);
    EXPECT_EQ(print_options.dialog_answer, DialogAnswer::Open);
    EXPECT_TRUE(print_options.open);
    EXPECT_EQ(print_options.first_group, 4) << "the results are the dialog's print button's to set";
}

TEST(Form2Print, RangeOrAllSetsKaiAndJie) {
    const struct {
        int16_t groups;
        const char* text1;
        const char* text2;
        bool range;
        int16_t first_group, last_group;
    } cases[] = {
        {100, "1", "168", true, 1, 100},    // no further than the groups read
        {200, "1", "150.7", true, 1, 151},  // nearest whole number
        {200, "1", "150.5", true, 1, 150},  // a half goes to the even neighbour
        {200, "1", "151.5", true, 1, 152},
        {200, "2.5", "10", true, 2, 10},
        {200, "0", "5", true, 0, 5},  // no lower limit
        {200, "-3", "5", true, -3, 5},
        {200, "9", "3", true, 9, 3},  // reversed ranges pass
        {200, " 16 ", "1e2", true, 16, 100},
        {200, "１６", "２０．５", true, 16, 20},  // full-width digits from a Chinese input method
        {200, "-32768", "32767", true, -32768, 200},
        {0, "1", "168", false, 1, 0},     // 全部
        {250, "abc", "", false, 1, 250},  // 全部 ignores the range fields
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text1 << ".." << c.text2 << " of " << c.groups);
        ReportProgram f;
        f.records().last_stored_group = c.groups;
        load_print_options(f.program);
        PrintOptionsState& print_options = f.state().print_options;
        print_options.controls.first_group_text = QString::fromUtf8(c.text1);
        print_options.controls.last_group_text = QString::fromUtf8(c.text2);
        print_options.controls.range_chosen = c.range;
        on_print_options_confirmed(f.program);
        EXPECT_EQ(print_options.dialog_answer, DialogAnswer::Print);
        EXPECT_EQ(print_options.first_group, c.first_group);
        EXPECT_EQ(print_options.last_group, c.last_group);
        EXPECT_FALSE(print_options.open);
        EXPECT_EQ(f.host.shows, 1) << "the main window comes back";
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST(Form2Print, AFieldThatIsNoGroupNumberKeepsTheDialogOpen) {
    const struct {
        const char* text1;
        const char* text2;
        Field selected;
    } cases[] = {
        {"", "168", Field::FirstGroup},        {" ", "168", Field::FirstGroup},
        {"abc", "168", Field::FirstGroup},     {"12abc", "168", Field::FirstGroup},
        {"32768", "168", Field::FirstGroup},   {"-32769", "168", Field::FirstGroup},
        {"32767.5", "168", Field::FirstGroup}, {"inf", "168", Field::FirstGroup},
        {"nan", "168", Field::FirstGroup},     {"0x10", "168", Field::FirstGroup},
        {"1,000", "168", Field::FirstGroup},   {"1", "", Field::LastGroup},
        {"1", "一百", Field::LastGroup},       {"1", "99999", Field::LastGroup},
        {"x", "y", Field::FirstGroup},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text1 << "\" \"" << c.text2 << '"');
        ReportProgram f;
        f.records().last_stored_group = 200;
        load_print_options(f.program);
        PrintOptionsState& print_options = f.state().print_options;
        print_options.first_group = 7;
        print_options.last_group = 8;
        print_options.controls.first_group_text = QString::fromUtf8(c.text1);
        print_options.controls.last_group_text = QString::fromUtf8(c.text2);
        on_print_options_confirmed(f.program);
        EXPECT_EQ(print_options.dialog_answer, DialogAnswer::Open);
        EXPECT_TRUE(print_options.open);
        EXPECT_EQ(print_options.selected_field, c.selected);
        EXPECT_EQ(print_options.first_group, 7);
        EXPECT_EQ(print_options.last_group, 8);
        EXPECT_EQ(f.host.shows, 0);
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0], kRangeMessage);
    }
}

TEST(Form2Cancel, BringsTheMainWindowBackWithTheGroupsKept) {
    ReportProgram f;
    put_groups(f.records(), 5);
    f.state().link.next_group = 6;
    load_print_options(f.program);
    on_print_options_cancelled(f.program);
    EXPECT_EQ(f.state().print_options.dialog_answer, DialogAnswer::Cancelled);
    EXPECT_FALSE(f.state().print_options.open);
    EXPECT_EQ(f.host.shows, 1);
    EXPECT_EQ(f.records().at(5).number, 5) << "a cancelled dialog costs no data";
    EXPECT_EQ(f.records().last_stored_group, 5);
    EXPECT_EQ(f.state().link.next_group, 1) << "the main window's start-up ran";
}

TEST(PrintButton, WaitsForTheDialogThenPrintsOrNot) {
    const struct {
        const char* what;
        std::function<void(Program&)> operator_acts;
        int jobs;
        int messages;
    } cases[] = {
        {"print all",
         [](Program& p) {
             p.state.print_options.controls.range_chosen = false;
             on_print_options_confirmed(p);
         },
         1, 0},
        {"print a range",
         [](Program& p) {
             p.state.print_options.controls.last_group_text = QStringLiteral("3");
             on_print_options_confirmed(p);
         },
         1, 0},
        {"cancel", [](Program& p) { on_print_options_cancelled(p); }, 0, 0},
        {"a wrong entry, then a good one",
         [](Program& p) {
             PrintOptionsState& print_options = p.state.print_options;
             print_options.controls.first_group_text = print_options.selected_field == Field::None
                                                           ? QStringLiteral("x")
                                                           : QStringLiteral("1");
             on_print_options_confirmed(p);
         },
         1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReportProgram f;
        put_groups(f.records(), 5);
        f.state().print_options.dialog_answer = DialogAnswer::Cancelled;
        f.host.operator_acts = c.operator_acts;
        on_print_clicked(f.program);
        EXPECT_EQ(f.host.unloads, 1);
        EXPECT_EQ(f.host.shows, 1);
        EXPECT_FALSE(f.host.main_window_shown_while_dialog_open);
        EXPECT_EQ(f.printer.count(FakePrinter::Kind::End), c.jobs);
        EXPECT_EQ(int(f.messages.shown.size()), c.messages);
        EXPECT_EQ(f.state().print_options.dialog_answer, DialogAnswer::Open)
            << "ready for the next print";
        EXPECT_EQ(f.records().at(5).number, 5);
    }
}

TEST(PrintButton, PrintsTheChosenRangeFromTheKeptStore) {
    ReportProgram f;
    put_groups(f.records(), 5);
    f.host.operator_acts = [](Program& p) {
        p.state.print_options.controls.first_group_text = QStringLiteral("2");
        p.state.print_options.controls.last_group_text = QStringLiteral("4");
        on_print_options_confirmed(p);
    };
    on_print_clicked(f.program);
    const std::vector<QStringList> pages = f.printer.pages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 5);
    EXPECT_TRUE(pages[0][3].startsWith(QStringLiteral("0002组:")));
    EXPECT_TRUE(pages[0][3].contains(QStringLiteral("0004组:")));
    EXPECT_TRUE(pages[0][4].startsWith(QStringLiteral("0003组:")));
}

TEST(PrintButton, ACancelledDialogLeavesTheGroupsForALaterPrintOfAll) {
    ReportProgram f;
    put_groups(f.records(), 3);
    f.host.operator_acts = on_print_options_cancelled;
    on_print_clicked(f.program);
    f.host.operator_acts = [](Program& p) {
        p.state.print_options.controls.range_chosen = false;
        on_print_options_confirmed(p);
    };
    on_print_clicked(f.program);
    const std::vector<QStringList> pages = f.printer.pages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 5);
    EXPECT_TRUE(pages[0][3].startsWith(QStringLiteral("0001组:")));
    EXPECT_TRUE(pages[0][3].contains(QStringLiteral("0003组:")));
    EXPECT_TRUE(pages[0][4].startsWith(QStringLiteral("0002组:")));
}

}  // namespace
}  // namespace eqbond
