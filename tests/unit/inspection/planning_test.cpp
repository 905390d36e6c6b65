// Re-test dates without a database: which locations are overdue, due or in order and in what
// order they are listed, the days groups were measured on, the calibration mark, and the view.
#include <gtest/gtest.h>

#include "inspection/instrument_register.h"
#include "inspection/planning_view.h"
#include "inspection/retest.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

const QDate kToday(2026, 3, 10);

InspectedLocation inspected(const char* site, QDate last, int months) {
    return {QString::fromUtf8(site), QStringLiteral("1F"), last, months, 0};
}

TEST(Retest, StatusAtTheEdgesAndOverdueFirstThenByNextDate) {
    const std::vector<InspectedLocation> locations = {
        inspected("ok, a day past the window", QDate(2025, 4, 10), 12),  // next 2026-04-10
        inspected("due at the window's end", QDate(2025, 4, 9), 12),     // next 2026-04-09
        inspected("due today", QDate(2025, 9, 10), 6),                   // next 2026-03-10
        inspected("overdue by a day", QDate(2024, 3, 9), 24),            // next 2026-03-09
        inspected("overdue long ago", QDate(2020, 1, 31), 1),            // next 2020-02-29
    };
    const struct {
        const char* site;
        DueStatus status;
        QDate next;
    } expected[] = {
        {"overdue long ago", DueStatus::Overdue, QDate(2020, 2, 29)},
        {"overdue by a day", DueStatus::Overdue, QDate(2026, 3, 9)},
        {"due today", DueStatus::Due, QDate(2026, 3, 10)},
        {"due at the window's end", DueStatus::Due, QDate(2026, 4, 9)},
        {"ok, a day past the window", DueStatus::Ok, QDate(2026, 4, 10)},
    };
    const std::vector<DueLine> lines = due_lines(locations, kToday, 30);
    ASSERT_EQ(lines.size(), std::size(expected));
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(expected[i].site);
        EXPECT_EQ(lines[i].location.site, QString::fromUtf8(expected[i].site));
        EXPECT_EQ(lines[i].status, expected[i].status);
        EXPECT_EQ(lines[i].next, expected[i].next);
    }
}

TEST(Retest, TheLastDayMeasuredAndTheCalibrationMark) {
    const Instrument sn{QStringLiteral("SN"), QDate(2025, 1, 1), QDate(2026, 3, 1), {}, {}};
    const struct {
        std::vector<Group> groups;
        QDate last;
        bool expired;
    } cases[] = {
        {{Group{1, 5, 0, 26, 3, 1, 9, 0}}, QDate(2026, 3, 1), false},  // on the due date
        {{Group{1, 5, 0, 26, 3, 2, 9, 0}, Group{2, 5, 0, 25, 12, 31, 9, 0}},
         QDate(2026, 3, 2),
         true},
        {{Group{1, 5, 0, 26, 0, 0, 9, 0}, Group{2, 5, 0, 26, 2, 30, 9, 0}}, QDate(), false},
        {{}, QDate(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(last_measured(c.groups), c.last);
        EXPECT_EQ(calibration_expired(c.groups, sn), c.expired);
    }
}

TEST(Retest, TypedDays) {
    const struct {
        const char* typed;
        QDate day;
    } cases[] = {{"2026-02-28", QDate(2026, 2, 28)},
                 {" 2028-02-29 ", QDate(2028, 2, 29)},
                 {"2026-02-29", QDate()},
                 {"2026-2-28", QDate()},
                 {"28.02.2026", QDate()},
                 {"", QDate()}};
    for (const auto& c : cases)
        EXPECT_EQ(typed_day(QString::fromLatin1(c.typed)).value_or(QDate()), c.day) << c.typed;
}

// Colour and word say the same, so that a black-and-white printout keeps the status; every
// page of a long list carries the headings.
TEST(PlanningView, ColourAndWordAndPagesOfALongList) {
    std::vector<DueLine> lines;
    for (int i = 0; i < 120; ++i)
        lines.push_back({DueStatus(i % 3), kToday.addDays(i), inspected("S", kToday, 12)});
    const PlanningView view = planning_view(lines, {}, kToday);
    ASSERT_EQ(view.due.rows.size(), lines.size());
    const struct {
        bool failing;
        CellTone tone;
    } looks[] = {{true, CellTone::Plain}, {false, CellTone::Warning}, {false, CellTone::Fine}};
    QStringList words;
    for (size_t i = 0; i < 3; ++i) {
        const TableCell& status = view.due.rows[i].cells[due_column::Status];
        EXPECT_EQ(status.failing, looks[i].failing);
        EXPECT_EQ(status.tone, looks[i].tone);
        EXPECT_FALSE(words.contains(status.text));
        words << status.text;
    }
    const std::vector<ReportPage> pages = due_report_pages(view.due);
    ASSERT_EQ(pages.size(), 3u);  // 50 rows a page
    size_t rows = 0;
    for (const ReportPage& page : pages) {
        EXPECT_LE(int(page.size()), kReportLinesPerPage + 1);
        EXPECT_EQ(page[2].kind, ReportLineKind::Heading);
        rows += size_t(std::count_if(page.begin(), page.end(), [](const ReportLine& l) {
            return l.kind == ReportLineKind::Row;
        }));
    }
    EXPECT_EQ(rows, lines.size());
}

}  // namespace
}  // namespace eqbond
