// The printed report drawn by the Qt printer into a PDF file and read back as text: every row
// on its page, the columns lined up, the pages split at 168 groups.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "base/record_store.h"
#include "report/print_layout.h"
#include "report/qt_printer.h"
#include "support/pdf_text.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

struct PdfReport : ::testing::Test {
    QTemporaryDir dir;
    RecordStore store;
    void SetUp() override {
        if (!test::poppler_installed()) GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) missing";
        test::put_groups(store, 400);
    }
    QString print(int16_t first, int16_t last) {
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        QtPrinter printer(pdf);
        EXPECT_EQ(print_job(printer, store, first, last), PrintOutcome::Printed);
        return pdf;
    }
};

// Group numbers that start an entry, in the order the text shows them.
QStringList group_numbers(const QString& text) {
    static const QRegularExpression kEntry(QStringLiteral("(\\d{4})组:"));
    QStringList out;
    for (auto it = kEntry.globalMatch(text); it.hasNext();) out << it.next().captured(1);
    return out;
}

TEST_F(PdfReport, PagesHoldTheirGroupsInTwoColumns) {
    const struct {
        int16_t first, last;
        int pages;
    } cases[] = {{1, 168, 1}, {1, 169, 2}, {1, 337, 3}, {169, 200, 1}, {9, 3, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last);
        const QString pdf = print(c.first, c.last);
        ASSERT_EQ(test::pdf_pages(pdf), c.pages);
        for (int page = 1; page <= c.pages; ++page) {
            SCOPED_TRACE(page);
            const QString text = test::pdf_text(pdf, page, page);
            EXPECT_EQ(text.count(QStringLiteral("组数")), 2) << "headings on every page";
            EXPECT_EQ(text.count(QStringLiteral("电阻值")), 2);
            const int a = c.first + (page - 1) * 168;
            const int last_on_page = std::min<int>(c.last, a + 167);
            const int rows = last_on_page >= a ? (last_on_page - a + 2) / 2 : 0;
            QStringList expected;
            for (int i = a; i < a + rows; ++i) {
                expected << QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
                if (i + rows <= last_on_page)
                    expected << QStringLiteral("%1").arg(i + rows, 4, 10, QLatin1Char('0'));
            }
            EXPECT_EQ(group_numbers(text), expected) << text.toStdString();
        }
    }
}

TEST_F(PdfReport, ColumnsLineUpAndMarksShow) {
    test::put_group(store, 3, 65535, "24/05/18", "14:30", true);
    test::put_group(store, 87, 12345, "24/05/18", "14:30", true);
    const QString pdf = print(1, 168);
    const QStringList lines = test::pdf_text(pdf).split(QLatin1Char('\n'));
    int right_column = -1, rows = 0;
    for (const QString& line : lines) {
        const int right = line.indexOf(QRegularExpression(QStringLiteral("\\d{4}组:")), 10);
        if (!line.startsWith(QLatin1Char('0')) || right < 0) continue;
        ++rows;
        if (right_column < 0) right_column = right;
        EXPECT_EQ(right, right_column) << line.toStdString();
    }
    EXPECT_EQ(rows, 84);
    const QString text = lines.join(QLatin1Char('\n'));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("0003组:\\s+O L\\s+Ω\\s+24/05/18\\s+14:30\\s+■"))));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("0087组:\\s+12\\.3454Ω\\s+24/05/18\\s+14:30\\s+■"))));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("0001组:\\s+0\\.0011Ω\\s+24/05/17\\s+09:05"))));
}

TEST_F(PdfReport, PrintsInASongOrMingTypeface) {
    const QString fonts = test::pdf_fonts(print(1, 10));
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("SimSun|Song|Ming|Sung"),
                                                  QRegularExpression::CaseInsensitiveOption)))
        << fonts.toStdString();
}

TEST_F(PdfReport, AFileThatCannotBeWrittenIsAPrinterError) {
    QtPrinter printer(dir.filePath(QStringLiteral("missing/report.pdf")));
    EXPECT_EQ(print_job(printer, store, 1, 10), PrintOutcome::Failed);
}

}  // namespace
}  // namespace eqbond
