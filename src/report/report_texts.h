#pragma once
// Captions and messages of the save button, the print options dialog and the printed report.
// Inner blanks matter: the headings line up with the entry columns.
#include <QString>

namespace eqbond::text {

inline const QString kSongTypeface = QStringLiteral("宋体");

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
inline const QString kReportFilter = QStringLiteral("文本文件 (*.txt)");
inline const QString kBitmapFilter = QStringLiteral("位图文件 (*.bmp)");

inline const QString kPrintOptionsTitle = QStringLiteral("打印选项");
inline const QString kRangeWanted = QStringLiteral("请输入 -32768 到 32767 之间的组号.");
inline const QString kPrintFailedMessage = QStringLiteral("打印出错, 打印已停止.");

}  // namespace eqbond::text
