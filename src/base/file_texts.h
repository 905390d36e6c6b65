#pragma once
// Texts written into files and onto paper: the text report, the printed report, the CSV file and
// the archive's judged report. They stay Chinese, byte for byte, whatever language the interface
// speaks: other programs and people read these files. Inner blanks matter: the headings line up
// with the entry columns.
#include <QString>
#include <QStringList>

namespace eqbond::file_text {

// Text report: the second 组数 starts at byte 63 of the GBK line, where the right entry starts.
inline const QString kReportHeading = QStringLiteral(
    "组数     电阻值       日期     时间                "
    "            组数     电阻值       日期     时间                 ");
// Printed report: the same headings with the printout's own spacing.
inline const QString kPrintHeading = QStringLiteral(
    "组数     电阻值      日期    时间                "
    "           组数     电阻值     日期    时间                 ");

inline const QString kReportFileName = QStringLiteral("KORVAL.txt");
inline const QString kBitmapFileName = QStringLiteral("KORVAL.bmp");

// The CSV file's header row.
inline const QStringList kCsvHeader{QStringLiteral("组号"),   QStringLiteral("电阻(mΩ)"),
                                    QStringLiteral("电阻值"), QStringLiteral("日期"),
                                    QStringLiteral("时间"),   QStringLiteral("电池电压低")};

// The verdict against a bonding limit: the CSV file's last column, the judged report's column.
inline const QString kVerdictHeading = QStringLiteral("判定");
inline const QString kPass = QStringLiteral("合格");
inline const QString kFail = QStringLiteral("不合格");

// The CSV file's columns after the others when a download's groups carry test-point labels.
inline const QStringList kCsvPointHeader{QStringLiteral("测试点"), QStringLiteral("上次电阻(mΩ)"),
                                         QStringLiteral("变化(%)")};

// The last CSV column when some test point has a limit of its own: the limit each group was
// judged by, in ohm.
inline const QString kLimitHeading = QStringLiteral("限值(Ω)");

// The judged report: a line of facts over the printed report's columns.
inline const QString kReportFacts =
    QStringLiteral("读取时间: %1   设备: %2   限值: %3   合格: %4组   不合格: %5组");
// In place of the limit when only the test points' own limits judge.
inline const QString kOwnLimitsOnly = QStringLiteral("按测试点");

}  // namespace eqbond::file_text
