#pragma once
// Captions and messages of the archive and its window.
#include <QString>

namespace eqbond::text {

inline const QString kArchiveTitle = QStringLiteral("测量档案");
inline const QString kArchiveUnusable =
    QStringLiteral("测量档案无法使用, 本次运行不再存档.\n文件: %1\n原因: %2");
inline const QString kFaultCannotOpen = QStringLiteral("无法建立或打开该文件");
inline const QString kFaultNotArchive = QStringLiteral("文件已损坏或不是测量档案");
inline const QString kFaultNewer = QStringLiteral("档案由更新版本的程序建立");
inline const QString kFaultLocked = QStringLiteral("文件被另一个程序锁定");
inline const QString kFaultReadOnly = QStringLiteral("文件或所在文件夹不可写");
inline const QString kFaultDiskFull = QStringLiteral("磁盘已满");
inline const QString kFaultFailed = QStringLiteral("数据库出错");

inline const QString kFilterLabel = QStringLiteral("筛选:");
inline const QString kLimitLabel = QStringLiteral("限值(Ω):");
inline const QString kNoLimit = QStringLiteral("无");
inline const QString kColumnStarted = QStringLiteral("读取时间");
inline const QString kColumnDevice = QStringLiteral("设备");
inline const QString kColumnGroups = QStringLiteral("组数");
inline const QString kColumnState = QStringLiteral("状态");
inline const QString kColumnMin = QStringLiteral("最小值");
inline const QString kColumnMax = QStringLiteral("最大值");
inline const QString kColumnPass = QStringLiteral("合格");
inline const QString kColumnFail = QStringLiteral("不合格");
inline const QString kColumnGroup = QStringLiteral("组号");
inline const QString kColumnValue = QStringLiteral("电阻值");
inline const QString kColumnDate = QStringLiteral("日期");
inline const QString kColumnTime = QStringLiteral("时间");
inline const QString kColumnBattery = QStringLiteral("电池电压低");
inline const QString kColumnVerdict = QStringLiteral("判定");
inline const QString kComplete = QStringLiteral("完成");
inline const QString kAbandoned = QStringLiteral("未完成");
inline const QString kPass = QStringLiteral("合格");
inline const QString kFail = QStringLiteral("不合格");
inline const QString kLowBatteryMark = QStringLiteral("■");

inline const QString kExportText = QStringLiteral("导出文本");
inline const QString kExportCsv = QStringLiteral("导出CSV");
inline const QString kExportPdf = QStringLiteral("导出PDF");
inline const QString kPrintDownload = QStringLiteral("打印");
inline const QString kDeleteDownload = QStringLiteral("删除");
inline const QString kConfirmDelete = QStringLiteral("删除 %1 读取的 %2 组数据?");
inline const QString kCsvFilter = QStringLiteral("CSV 文件 (*.csv)");
inline const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");

// The judged report: a line of facts over the printed report's columns.
inline const QString kReportFacts =
    QStringLiteral("读取时间: %1   设备: %2   限值: %3   合格: %4组   不合格: %5组");
inline const QString kJudgedPrintHeading = QStringLiteral(
    "组数     电阻值      日期    时间      判定    "
    "           组数     电阻值     日期    时间      判定 ");

}  // namespace eqbond::text
