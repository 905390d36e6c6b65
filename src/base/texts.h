#pragma once
// The one table of the program's own texts: captions, messages and report headings. Inner blanks
// matter: they space out captions and line up the report columns.
#include <QString>

namespace eqbond::text {

inline const QString kWindowTitle = QStringLiteral("智能型等电位测试仪");
inline const QString kBanner = QStringLiteral("KORVAL  www.korval.example  service@korval.example");

inline const QString kPortOpen = QStringLiteral("串口已打开");
inline const QString kPortClosed = QStringLiteral("串口已关闭");
inline const QString kLinked = QStringLiteral("连接成功");
inline const QString kNotLinked = QStringLiteral("连接失败");
inline const QString kSearching = QStringLiteral("正在查找设备....");
inline const QString kReadingActivity = QStringLiteral("正在读取.....");
inline const QString kNoReading = QStringLiteral(" - - - - -");
inline const QString kLeadMarker = QStringLiteral("线阻");
inline const QString kIdleReading = QStringLiteral("0.0000");

// Main window: boxes and fixed captions.
inline const QString kStatisticsBox = QStringLiteral("电阻分析");
inline const QString kAlarmBox = QStringLiteral("设置报警");
inline const QString kPagingBox = QStringLiteral("历史查询操作");
inline const QString kStatusBox = QStringLiteral("状态信息");
inline const QString kDataBox = QStringLiteral("操作");
inline const QString kInstrumentBox = QStringLiteral("仪表操作");
inline const QString kReadingBox = QStringLiteral("Frame8");  // the design left its own name
inline const QString kPageUnit = QStringLiteral("页");
inline const QString kMaxPrefix = QStringLiteral("最大值:");
inline const QString kMinPrefix = QStringLiteral("最小值:");
inline const QString kAveragePrefix = QStringLiteral("平均值:");
inline const QString kZeroOhm = QStringLiteral("0.0000Ω");
inline const QString kBatteryLow = QStringLiteral("电池电压低");
inline const QString kDesignReading = QStringLiteral("- - - - -");
inline const QString kComPrefix = QStringLiteral("COM");
inline const QString kTest = QStringLiteral("测    试");
inline const QString kVerify = QStringLiteral("校    验");
inline const QString kReset = QStringLiteral("复    位");
inline const QString kSave = QStringLiteral("保    存");
inline const QString kClear = QStringLiteral("数据清除");
inline const QString kPrint = QStringLiteral("打    印");
inline const QString kPreviousPage = QStringLiteral("上一页");
inline const QString kNextPage = QStringLiteral("下一页");
inline const QString kGoToPage = QStringLiteral("确定");

inline const QString kRead = QStringLiteral("读    取");
inline const QString kPause = QStringLiteral("暂    停");
inline const QString kContinue = QStringLiteral("继   续");
inline const QString kBacklightOn = QStringLiteral("开背光灯");
inline const QString kBacklightOff = QStringLiteral("关背光灯");
inline const QString kLock = QStringLiteral("锁  定");
inline const QString kRelease = QStringLiteral("解  除");

inline const QString kMessageTitle = QStringLiteral("系统提示!");
inline const QString kLinkFailedMessage = QStringLiteral("连接失败.");
inline const QString kNoDataMessage = QStringLiteral("仪表数据为0.");
inline const QString kSaveFailedMessage = QStringLiteral("文件保存失败.");
inline const QString kNoPrinterMessage = QStringLiteral("未找到打印机.");

inline const QString kOverload = QStringLiteral("  O L  Ω");
inline const QString kOhm = QStringLiteral("Ω");

// Save button, print options dialog and printed report. Inner blanks matter: the headings line
// up with the entry columns.

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
inline const QString kPrintInfoBox = QStringLiteral("打印信息");
inline const QString kRangeBox = QStringLiteral("自定义");
inline const QString kGroupsPerPageNote = QStringLiteral("每页可打印:168组");
inline const QString kRangeFrom = QStringLiteral("从");
inline const QString kRangeTo = QStringLiteral("到");
inline const QString kGroupUnit = QStringLiteral("组");
inline const QString kAllGroups = QStringLiteral("全部");
inline const QString kPrintButton = QStringLiteral("打印");
inline const QString kCancelButton = QStringLiteral("取消");
inline const QString kCountPrefix = QStringLiteral("共有:");
inline const QString kLoadedCountPrefix = QStringLiteral("共有: ");

// Buttons of the program's message boxes.
inline const QString kTryAgainButton = QStringLiteral("重试");
inline const QString kContinueButton = QStringLiteral("继续");
inline const QString kOkButton = QStringLiteral("确定");
inline const QString kRangeWanted = QStringLiteral("请输入 -32768 到 32767 之间的组号.");
inline const QString kPrintFailedMessage = QStringLiteral("打印出错, 打印已停止.");

}  // namespace eqbond::text
