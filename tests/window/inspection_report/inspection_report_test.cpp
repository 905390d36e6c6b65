// The inspection report as a PDF read back as text: the header, a row per group with its verdict
// and the change since the previous inspection, the summary and the page numbers, in Chinese and
// in English.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include "inspection/qt_inspection_pdf.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

InspectionReportInput small_inspection() {
    InspectionReportInput in;
    in.download.groups = {Group{1, 80, 0, 25, 6, 2, 9, 5}, Group{2, 3000, 0, 25, 6, 3, 9, 6},
                          Group{3, 45000, 0, 25, 6, 3, 9, 7}};
    in.download.labels = {{1, QStringLiteral("手术室3 无影灯接地端子")},
                          {2, QStringLiteral("B2-12 cold water pipe")}};
    in.download.details = {
        1, QStringLiteral("3F 手术室"), QStringLiteral("王工"), QStringLiteral("SN-4711"), {}};
    in.site = Site{1, QStringLiteral("北区医院"), QStringLiteral("中山路 8 号"),
                   QStringLiteral("卫生局")};
    in.limit = BondingLimit{2000};  // 0.2 ohm
    in.standard = QStringLiteral("GB 16895.24");
    in.previous = {{QStringLiteral("B2-12 cold water pipe"), {9, {}, Group{5, 1000, 0}}}};
    in.download.own_limits = {{1, {100}}};
    in.instrument = Instrument{QStringLiteral("SN-4711"),
                               QDate(2024, 6, 1),
                               QDate(2025, 6, 2),
                               QStringLiteral("K-77"),
                               {}};
    return in;
}

// The report's lines with their runs of blanks made one.
QStringList lines_of(const QString& pdf) {
    QStringList lines;
    for (const QString& line : test::pdf_text(pdf).split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) lines << simple;
    }
    return lines;
}

TEST(InspectionReport, ReadsBackInEitherLanguage) {
    if (!test::poppler_installed()) GTEST_SKIP() << "poppler-utils are not installed";
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/eqbond_en.qm")));
    struct Case {
        bool english;
        QStringList expected;  // in order, each within one line of the text
    } cases[] = {
        {false,
         {"等电位联结检测报告", "现场: 北区医院", "地址: 中山路 8 号", "客户: 卫生局",
          "位置: 3F 手术室", "检测人员: 王工",
          "仪器编号: SN-4711 校准证书 K-77, 校准有效期至 2025-06-02 校准已过期",
          "测量日期: 2025-06-02 – 2025-06-03", "限值: 0.200Ω", "依据标准: GB 16895.24",
          "1 手术室3 无影灯接地端子 0.080 Ω 0.100 Ω 合格",
          "2 B2-12 cold water pipe 3.000 Ω 0.200 Ω 不合格 1.000 Ω +2000 mΩ +200.0% 劣化",
          "3 O L Ω 0.200 Ω 不合格", "测试点数: 3 合格: 1 不合格: 2 劣化: 1 超量程: 1",
          "姓名:", "签名:", "日期:", "第 1 页 共 1 页"}},
        {true,
         {"Equipotential bonding inspection report", "Site: 北区医院", "Inspector: 王工",
          "calibration certificate K-77, calibration due 2025-06-02 calibration expired",
          "Bonding limit: 0.200Ω", "Standard: GB 16895.24",
          "1 手术室3 无影灯接地端子 0.080 Ω 0.100 Ω Pass",
          "2 B2-12 cold water pipe 3.000 Ω 0.200 Ω Fail 1.000 Ω +2000 mΩ +200.0% deteriorated",
          "Points tested: 3 Passed: 1 Failed: 2 Deteriorated: 1 Overloads: 1",
          "Signature:", "Page 1 of 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        if (c.english) QCoreApplication::installTranslator(&english);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        QString error;
        ASSERT_TRUE(write_inspection_pdf(pdf, inspection_report_pages(small_inspection()), &error))
            << error.toStdString();
        QCoreApplication::removeTranslator(&english);
        const QStringList lines = lines_of(pdf);
        int at = 0;
        for (const QString& expected : c.expected) {
            while (at < lines.size() && !lines[at].contains(expected)) ++at;
            EXPECT_LT(at, lines.size()) << expected.toStdString() << "\n"
                                        << lines.join('\n').toStdString();
        }
        // pdffonts: name, type, encoding, then "emb sub uni object id".
        const QStringList fonts = test::pdf_fonts(pdf).split('\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(fonts.isEmpty());
        for (const QString& font : fonts) {
            const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
            EXPECT_EQ(columns.value(columns.size() - 5), QStringLiteral("yes"))
                << font.toStdString();
        }
        EXPECT_EQ(test::pdf_pages(pdf), 1);
    }
}

TEST(InspectionReport, EveryPageSaysWhichOfHowMany) {
    InspectionReportInput in = small_inspection();
    in.download.groups.clear();
    for (int n = 1; n <= 150; ++n) in.download.groups.push_back(Group{n, 80, 0, 25, 6, 2, 9, 5});
    const std::vector<ReportPage> pages = inspection_report_pages(in);
    ASSERT_GT(pages.size(), 2u);
    int rows = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pages[i].back().cells.value(0),
                  QStringLiteral("第 %1 页 共 %2 页").arg(i + 1).arg(pages.size()));
        EXPECT_LE(int(pages[i].size()), kReportLinesPerPage + 1);
        for (const ReportLine& line : pages[i]) rows += line.kind == ReportLineKind::Row;
        if (i + 1 < pages.size()) {
            EXPECT_EQ(pages[i + 1][0].kind, ReportLineKind::Heading);
        }
    }
    EXPECT_EQ(rows, 150);
}

}  // namespace
}  // namespace eqbond
