// The printed report through a fake printer: lines, fonts and page breaks.
#include "report/print_layout.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/record_store.h"
#include "base/value_format.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

using test::FakePrinter;
using test::put_group;
using test::put_groups;
using Kind = FakePrinter::Kind;

const QString kHeading = QStringLiteral(
    "组数     电阻值      日期    时间                           组数     电阻值     日期    时间"
    "                 ");

// What put_groups stores for group g, as one entry of the printout (blank mark included).
QString entry(int g) {
    return QStringLiteral("%1组: %2   24/05/17  09:05    ")
        .arg(g, 4, 10, QLatin1Char('0'))
        .arg(format_resistance(g));
}
QString row(int l, int r) {
    return entry(l) + QString(24, ' ') + entry(r) + QLatin1Char(' ');
}
QString left_only(int l) {
    return entry(l) + QString(24, ' ');
}

// The rows of a page: the lines after the three heading lines.
QStringList rows_of(const QStringList& page) {
    return page.mid(3);
}

TEST(PrintReport, OnePageOfLinesAndFonts) {
    RecordStore store;
    put_group(store, 3, 123, "24/05/17", "09:05");
    put_group(store, 87, 12345, "24/05/18", "14:30", true);
    FakePrinter printer;
    print_report(printer, store, 1, 168);

    ASSERT_GE(printer.calls.size(), 7u);
    const auto font = [&](int i) {
        const FakePrinter::Call& c = printer.calls[size_t(i)];
        EXPECT_EQ(c.kind, Kind::Font);
        return std::make_pair(c.points, c.bold && c.text == QStringLiteral("宋体"));
    };
    EXPECT_EQ(font(0), std::make_pair(20.0, true));
    EXPECT_EQ(printer.calls[1].text, QString(21, ' '));
    EXPECT_EQ(font(2), std::make_pair(10.0, true));
    EXPECT_EQ(printer.calls[3].text, QStringLiteral("  "));
    EXPECT_EQ(printer.calls[4].text, kHeading);
    EXPECT_EQ(font(5), std::make_pair(9.5, true));
    EXPECT_EQ(printer.count(Kind::Font), 3);
    EXPECT_EQ(printer.count(Kind::NewPage), 0) << "a page starts no page itself";

    QStringList lines;
    for (const auto& c : printer.calls) lines << c.text;
    const QStringList rows = lines.mid(6);
    ASSERT_EQ(rows.size(), 84);
    EXPECT_EQ(rows[2],
              QStringLiteral("0003组:  0.1236Ω   24/05/17  09:05                            "
                             "0087组: 12.3454Ω   24/05/18  14:30  ■ "));
    EXPECT_EQ(rows[0], QString()) << "neither group stored";
}

TEST(PrintReport, RowsPairTheTwoColumns) {
    const struct {
        const char* what;
        int stored;
        int16_t p, q;
        QStringList rows;
    } cases[] = {
        {"range 1 to 5", 10, 1, 5, {row(1, 4), row(2, 5), left_only(3)}},
        {"range 1 to 6", 10, 1, 6, {row(1, 4), row(2, 5), row(3, 6)}},
        {"a single group", 10, 7, 7, {left_only(7)}},
        {"reversed range: headings only", 10, 6, 5, {}},
        {"right group not stored", 5, 1, 6, {row(1, 4), row(2, 5), left_only(3)}},
        {"left group not stored, right still in its column",
         5,
         0,
         5,
         {QString(63, ' ') + entry(3) + ' ', row(1, 4), row(2, 5)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordStore store;
        put_groups(store, c.stored);
        FakePrinter printer;
        print_report(printer, store, c.p, c.q);
        QStringList lines;
        for (const auto& call : printer.calls)
            if (call.kind == Kind::Line) lines << call.text;
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[2], kHeading);
        EXPECT_EQ(lines.mid(3), c.rows);
    }
}

TEST(PrintReport, OverloadAndLowBatteryInEitherColumn) {
    RecordStore store;
    put_group(store, 1, 65535, "24/05/17", "09:05", true);
    put_group(store, 2, 550, "24/05/17", "09:06", true);
    FakePrinter printer;
    print_report(printer, store, 1, 2);
    EXPECT_EQ(printer.calls.back().text,
              QStringLiteral("0001组:   O L  Ω   24/05/17  09:05  ■                        "
                             "0002组:  0.5500Ω   24/05/17  09:06  ■ "));
}

TEST(PrintJob, SplitsIntoPagesOf168Groups) {
    const struct {
        int stored;
        int16_t first, last;
        std::vector<std::vector<std::pair<int, int>>> pages;  // first and last row of each page
        std::vector<int> rows_per_page;
    } cases[] = {
        {168, 1, 168, {{{1, 85}, {84, 168}}}, {84}},
        {169, 1, 169, {{{1, 85}, {84, 168}}, {{169, 0}, {169, 0}}}, {84, 1}},
        {200, 169, 200, {{{169, 185}, {184, 200}}}, {16}},
        {336, 1, 336, {{{1, 85}, {84, 168}}, {{169, 253}, {252, 336}}}, {84, 84}},
        {337,
         1,
         337,
         {{{1, 85}, {84, 168}}, {{169, 253}, {252, 336}}, {{337, 0}, {337, 0}}},
         {84, 84, 1}},
        {10, -30000, 10, {{{1, 6}, {5, 10}}}, {5}},
        {10, 0, 10, {{{1, 6}, {5, 10}}}, {5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last);
        RecordStore store;
        put_groups(store, c.stored);
        FakePrinter printer;
        EXPECT_EQ(print_job(printer, store, c.first, c.last), PrintOutcome::Printed);
        const std::vector<QStringList> pages = printer.pages();
        ASSERT_EQ(pages.size(), c.pages.size());
        EXPECT_EQ(printer.count(Kind::NewPage), int(c.pages.size()) - 1);
        EXPECT_EQ(printer.calls.back().kind, Kind::End);
        for (size_t i = 0; i < pages.size(); ++i) {
            const QStringList rows = rows_of(pages[i]);
            EXPECT_EQ(pages[i][2], kHeading) << "page " << i + 1;
            ASSERT_EQ(rows.size(), c.rows_per_page[i]) << "page " << i + 1;
            const auto expect_row = [](int l, int r) { return r ? row(l, r) : left_only(l); };
            EXPECT_EQ(rows.first(), expect_row(c.pages[i][0].first, c.pages[i][0].second));
            EXPECT_EQ(rows.last(), expect_row(c.pages[i][1].first, c.pages[i][1].second));
        }
    }
}

TEST(PrintJob, ReversedRangePrintsTheHeadingsOnOnePage) {
    RecordStore store;
    put_groups(store, 10);
    FakePrinter printer;
    EXPECT_EQ(print_job(printer, store, 9, 3), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages().size(), 1u);
    EXPECT_EQ(printer.pages()[0].size(), 3);
}

TEST(PrintJob, StopsAtAPrinterErrorAndDropsTheDocument) {
    const struct {
        const char* what;
        bool has_printer, begin_fails, end_fails;
        int fail_at_line;
        PrintOutcome outcome;
        int pages_started;
    } cases[] = {
        {"no printer", false, false, false, -1, PrintOutcome::NoPrinter, 1},
        {"printer will not start", true, true, false, -1, PrintOutcome::Failed, 1},
        {"error on the first page", true, false, false, 10, PrintOutcome::Failed, 1},
        {"error on the second page", true, false, false, 87 + 5, PrintOutcome::Failed, 2},
        {"error when the document ends", true, false, true, -1, PrintOutcome::Failed, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordStore store;
        put_groups(store, 400);
        FakePrinter printer;
        printer.has_printer = c.has_printer;
        printer.begin_fails = c.begin_fails;
        printer.end_fails = c.end_fails;
        printer.fail_at_line = c.fail_at_line;
        EXPECT_EQ(print_job(printer, store, 1, 400), c.outcome);
        EXPECT_EQ(int(printer.pages().size()), c.pages_started);
        const bool started = c.has_printer && !c.begin_fails;
        const bool error_in_pages = c.fail_at_line >= 0;
        EXPECT_EQ(printer.count(Kind::Abort), started && error_in_pages ? 1 : 0);
        EXPECT_EQ(printer.count(Kind::End), started && !error_in_pages ? 1 : 0);
        if (!started) {
            EXPECT_EQ(printer.calls.size(), 1u) << "nothing printed";
        }
    }
}

TEST(PrintJob, MessagesWhenItCannotPrint) {
    const struct {
        const char* what;
        bool has_printer, end_fails, printer_port;
        std::vector<std::pair<QString, QString>> shown;
    } cases[] = {
        {"printed", true, false, true, {}},
        {"no printer", false, false, true, {{"系统提示!", "未找到打印机."}}},
        {"no printer port at all", false, false, false, {{"系统提示!", "未找到打印机."}}},
        {"printer error", true, true, true, {{"系统提示!", "打印出错, 打印已停止."}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ReportProgram f;
        put_groups(f.records(), 3);
        f.printer.has_printer = c.has_printer;
        f.printer.end_fails = c.end_fails;
        if (!c.printer_port) f.program.ports.printer = nullptr;
        run_print_job(f.program, 1, 3);
        EXPECT_EQ(f.messages.shown, c.shown);
    }
}

TEST(PrintPageCount, WholePagesAndOneMoreForARemainder) {
    const std::pair<int, int> cases[] = {{0, 0},   {1, 1},   {168, 1},   {169, 2},
                                         {336, 2}, {337, 3}, {2000, 12}, {6999, 42}};
    for (const auto& [groups, pages] : cases) EXPECT_EQ(print_page_count(groups), pages) << groups;
}

}  // namespace
}  // namespace eqbond
