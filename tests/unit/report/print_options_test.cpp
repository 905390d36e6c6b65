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
        f.records().form2zushu = c.groups;
        form2_load(f.program);
        EXPECT_EQ(f.state().form2.ui.Label1, QString::fromUtf8(c.label1));
        EXPECT_EQ(f.state().form2.ui.Label3, QString::fromUtf8(c.label3));
    }
}

TEST(Form2Load, StartsFromTheDesignValuesEachTime) {
    ReportProgram f;
    PrintOptionsState& form2 = f.state().form2;
    form2.ui.Text1 = QStringLiteral("9");
    form2.ui.Text2 = QStringLiteral("abc");
    form2.ui.Option1 = false;
    form2.selected_field = Field::Text2;
    form2.biaozi = 30;
    form2.kai = 4;
    form2_load(f.program);
    EXPECT_EQ(form2.ui.Text1, QStringLiteral("1"));
    EXPECT_EQ(form2.ui.Text2, QStringLiteral("168"));
    EXPECT_TRUE(form2.ui.Option1);
    EXPECT_EQ(form2.selected_field, Field::None);
    EXPECT_EQ(form2.biaozi, 100);
    EXPECT_TRUE(form2.open);
    EXPECT_EQ(form2.kai, 4) << "the results are the dialog's print button's to set";
}

TEST(Form2Print, RangeOrAllSetsKaiAndJie) {
    const struct {
        int16_t groups;
        const char* text1;
        const char* text2;
        bool range;
        int16_t kai, jie;
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
        f.records().form2zushu = c.groups;
        form2_load(f.program);
        PrintOptionsState& form2 = f.state().form2;
        form2.ui.Text1 = QString::fromUtf8(c.text1);
        form2.ui.Text2 = QString::fromUtf8(c.text2);
        form2.ui.Option1 = c.range;
        on_form2_print_clicked(f.program);
        EXPECT_EQ(form2.biaozi, 10);
        EXPECT_EQ(form2.kai, c.kai);
        EXPECT_EQ(form2.jie, c.jie);
        EXPECT_FALSE(form2.open);
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
        {"", "168", Field::Text1},        {" ", "168", Field::Text1},
        {"abc", "168", Field::Text1},     {"12abc", "168", Field::Text1},
        {"32768", "168", Field::Text1},   {"-32769", "168", Field::Text1},
        {"32767.5", "168", Field::Text1}, {"inf", "168", Field::Text1},
        {"nan", "168", Field::Text1},     {"0x10", "168", Field::Text1},
        {"1,000", "168", Field::Text1},   {"1", "", Field::Text2},
        {"1", "一百", Field::Text2},      {"1", "99999", Field::Text2},
        {"x", "y", Field::Text1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text1 << "\" \"" << c.text2 << '"');
        ReportProgram f;
        f.records().form2zushu = 200;
        form2_load(f.program);
        PrintOptionsState& form2 = f.state().form2;
        form2.kai = 7;
        form2.jie = 8;
        form2.ui.Text1 = QString::fromUtf8(c.text1);
        form2.ui.Text2 = QString::fromUtf8(c.text2);
        on_form2_print_clicked(f.program);
        EXPECT_EQ(form2.biaozi, 100);
        EXPECT_TRUE(form2.open);
        EXPECT_EQ(form2.selected_field, c.selected);
        EXPECT_EQ(form2.kai, 7);
        EXPECT_EQ(form2.jie, 8);
        EXPECT_EQ(f.host.shows, 0);
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0], kRangeMessage);
    }
}

TEST(Form2Cancel, BringsTheMainWindowBackWithTheGroupsKept) {
    ReportProgram f;
    put_groups(f.records(), 5);
    f.state().link.next_group = 6;
    form2_load(f.program);
    on_form2_cancel_clicked(f.program);
    EXPECT_EQ(f.state().form2.biaozi, 30);
    EXPECT_FALSE(f.state().form2.open);
    EXPECT_EQ(f.host.shows, 1);
    EXPECT_EQ(f.records().rec_index[5], 5) << "a cancelled dialog costs no data";
    EXPECT_EQ(f.records().form2zushu, 5);
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
             p.state.form2.ui.Option1 = false;
             on_form2_print_clicked(p);
         },
         1, 0},
        {"print a range",
         [](Program& p) {
             p.state.form2.ui.Text2 = QStringLiteral("3");
             on_form2_print_clicked(p);
         },
         1, 0},
        {"cancel", [](Program& p) { on_form2_cancel_clicked(p); }, 0, 0},
        {"a wrong entry, then a good one",
         [](Program& p) {
             PrintOptionsState& form2 = p.state.form2;
             form2.ui.Text1 =
                 form2.selected_field == Field::None ? QStringLiteral("x") : QStringLiteral("1");
             on_form2_print_clicked(p);
         },
         1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReportProgram f;
        put_groups(f.records(), 5);
        f.state().form2.biaozi = 30;
        f.host.operator_acts = c.operator_acts;
        on_print_clicked(f.program);
        EXPECT_EQ(f.host.unloads, 1);
        EXPECT_EQ(f.host.shows, 1);
        EXPECT_FALSE(f.host.main_window_shown_while_dialog_open);
        EXPECT_EQ(f.printer.count(FakePrinter::Kind::End), c.jobs);
        EXPECT_EQ(int(f.messages.shown.size()), c.messages);
        EXPECT_EQ(f.state().form2.biaozi, 100) << "ready for the next print";
        EXPECT_EQ(f.records().rec_index[5], 5);
    }
}

TEST(PrintButton, PrintsTheChosenRangeFromTheKeptStore) {
    ReportProgram f;
    put_groups(f.records(), 5);
    f.host.operator_acts = [](Program& p) {
        p.state.form2.ui.Text1 = QStringLiteral("2");
        p.state.form2.ui.Text2 = QStringLiteral("4");
        on_form2_print_clicked(p);
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
    f.host.operator_acts = on_form2_cancel_clicked;
    on_print_clicked(f.program);
    f.host.operator_acts = [](Program& p) {
        p.state.form2.ui.Option1 = false;
        on_form2_print_clicked(p);
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
