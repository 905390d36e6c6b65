#pragma once
// The one table of the interface's texts: captions, status texts and messages. Each is written in
// Chinese, the source, and reads in the interface's language (screen_text.h); the English
// translation is translations/eqbond_en.ts. Inner blanks matter: they space out captions. Texts
// written into files are in file_texts.h.
#include <QString>

#include "base/screen_text.h"

namespace eqbond::text {

// Not words: readings, units, names and the maker's line read the same in every language, and
// the same on screen as in the reports.
inline const QString kBanner = QStringLiteral("KORVAL  www.korval.example  service@korval.example");
inline const QString kNoReading = QStringLiteral(" - - - - -");
inline const QString kIdleReading = QStringLiteral("0.0000");
inline const QString kDesignReading = QStringLiteral("- - - - -");
inline const QString kZeroOhm = QStringLiteral("0.0000Ω");
inline const QString kComPrefix = QStringLiteral("COM");
inline const QString kReadingBox = QStringLiteral("Frame8");  // the design left its own name
inline const QString kOverload = QStringLiteral("  O L  Ω");
inline const QString kOhm = QStringLiteral("Ω");

// The language chooser speaks both languages whatever the interface speaks, as whoever looks for
// it may read only one of them: these are never translated.
inline const QString kLanguageButton = QStringLiteral("中/EN");
inline const QString kLanguageTitle = QStringLiteral("界面语言 / Interface language");
inline const QString kFromNextStart = QStringLiteral("下次启动时 / From the next start:");
inline const QString kChineseName = QStringLiteral("中文");
inline const QString kEnglishName = QStringLiteral("English");
inline const QString kChineseAtNextStart =
    QStringLiteral("下次启动时界面为中文.\nThe interface will be in Chinese from the next start.");
inline const QString kEnglishAtNextStart =
    QStringLiteral("下次启动时界面为英文.\nThe interface will be in English from the next start.");

// Main window. Its controls keep their laid-out sizes in every language: a translation must fit.
inline constexpr ScreenText kWindowTitle{"MainWindow",
                                         QT_TRANSLATE_NOOP("MainWindow", "智能型等电位测试仪")};
//: Status box, 113 pixels.
inline constexpr ScreenText kPortOpen{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "串口已打开")};
//: Status box, 113 pixels.
inline constexpr ScreenText kPortClosed{"MainWindow",
                                        QT_TRANSLATE_NOOP("MainWindow", "串口已关闭")};
//: Status box, 113 pixels: the instrument answers.
inline constexpr ScreenText kLinked{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "连接成功")};
//: Status box, 113 pixels: no instrument answers.
inline constexpr ScreenText kNotLinked{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "连接失败")};
//: Status box, 113 pixels: walking the serial ports for the instrument.
inline constexpr ScreenText kSearching{"MainWindow",
                                       QT_TRANSLATE_NOOP("MainWindow", "正在查找设备....")};
//: Status box, 113 pixels: reading the instrument's stored groups.
inline constexpr ScreenText kReadingActivity{"MainWindow",
                                             QT_TRANSLATE_NOOP("MainWindow", "正在读取.....")};
//: Tag beside the live reading when it is the test leads' own resistance, 33 pixels.
inline constexpr ScreenText kLeadMarker{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "线阻")};

inline constexpr ScreenText kStatisticsBox{"MainWindow",
                                           QT_TRANSLATE_NOOP("MainWindow", "电阻分析")};
inline constexpr ScreenText kAlarmBox{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "设置报警")};
inline constexpr ScreenText kPagingBox{"MainWindow",
                                       QT_TRANSLATE_NOOP("MainWindow", "历史查询操作")};
inline constexpr ScreenText kStatusBox{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "状态信息")};
inline constexpr ScreenText kDataBox{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "操作")};
inline constexpr ScreenText kInstrumentBox{"MainWindow",
                                           QT_TRANSLATE_NOOP("MainWindow", "仪表操作")};
//: After the page number field, 17 pixels.
inline constexpr ScreenText kPageUnit{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "页")};
//: Before the largest reading, 137 pixels with the value.
inline constexpr ScreenText kMaxPrefix{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "最大值:")};
//: Before the smallest reading, 137 pixels with the value.
inline constexpr ScreenText kMinPrefix{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "最小值:")};
//: Before the average reading, 137 pixels with the value.
inline constexpr ScreenText kAveragePrefix{"MainWindow",
                                           QT_TRANSLATE_NOOP("MainWindow", "平均值:")};
//: The instrument's battery is low, 49 pixels in a small font.
inline constexpr ScreenText kBatteryLow{"MainWindow",
                                        QT_TRANSLATE_NOOP("MainWindow", "电池电压低")};
//: Button, 105 pixels: the instrument starts measuring.
inline constexpr ScreenText kTest{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "测    试")};
//: Button, 105 pixels: the instrument measures its test leads.
inline constexpr ScreenText kVerify{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "校    验")};
//: Button, 105 pixels: the instrument stops measuring.
inline constexpr ScreenText kReset{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "复    位")};
//: Button, 105 pixels: saves the chart as a bitmap or the groups as a text report.
inline constexpr ScreenText kSave{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "保    存")};
//: Button, 105 pixels: forgets the groups read into the program.
inline constexpr ScreenText kClear{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "数据清除")};
//: Button, 105 pixels.
inline constexpr ScreenText kPrint{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "打    印")};
//: Button, 73 pixels.
inline constexpr ScreenText kPreviousPage{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "上一页")};
//: Button, 73 pixels.
inline constexpr ScreenText kNextPage{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "下一页")};
//: Button, 73 pixels: shows the page typed beside it.
inline constexpr ScreenText kGoToPage{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "确定")};

//: Button, 105 pixels: reads the groups stored in the instrument.
inline constexpr ScreenText kRead{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "读    取")};
//: Button, 105 pixels: pauses the read.
inline constexpr ScreenText kPause{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "暂    停")};
//: Button, 105 pixels: continues a paused read.
inline constexpr ScreenText kContinue{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "继   续")};
//: Button, 105 pixels: turns the instrument's backlight on.
inline constexpr ScreenText kBacklightOn{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "开背光灯")};
//: Button, 105 pixels: turns the instrument's backlight off.
inline constexpr ScreenText kBacklightOff{"MainWindow",
                                          QT_TRANSLATE_NOOP("MainWindow", "关背光灯")};
//: Button, 97 pixels: fixes the alarm threshold typed beside it.
inline constexpr ScreenText kLock{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "锁  定")};
//: Button, 97 pixels: frees the alarm threshold again.
inline constexpr ScreenText kRelease{"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "解  除")};

// Message boxes: titles, messages and buttons.
inline constexpr ScreenText kMessageTitle{"Messages", QT_TRANSLATE_NOOP("Messages", "系统提示!")};
inline constexpr ScreenText kLinkFailedMessage{"Messages",
                                               QT_TRANSLATE_NOOP("Messages", "连接失败.")};
//: The instrument reports no stored groups.
inline constexpr ScreenText kNoDataMessage{"Messages",
                                           QT_TRANSLATE_NOOP("Messages", "仪表数据为0.")};
inline constexpr ScreenText kSaveFailedMessage{"Messages",
                                               QT_TRANSLATE_NOOP("Messages", "文件保存失败.")};
inline constexpr ScreenText kNoPrinterMessage{"Messages",
                                              QT_TRANSLATE_NOOP("Messages", "未找到打印机.")};
//: A group number typed in the print options is not a number in this range.
inline constexpr ScreenText kRangeWanted{
    "Messages", QT_TRANSLATE_NOOP("Messages", "请输入 -32768 到 32767 之间的组号.")};
inline constexpr ScreenText kPrintFailedMessage{
    "Messages", QT_TRANSLATE_NOOP("Messages", "打印出错, 打印已停止.")};
//: Also the print options' button, 65 pixels.
inline constexpr ScreenText kCancelButton{"Messages", QT_TRANSLATE_NOOP("Messages", "取消")};
inline constexpr ScreenText kTryAgainButton{"Messages", QT_TRANSLATE_NOOP("Messages", "重试")};
inline constexpr ScreenText kContinueButton{"Messages", QT_TRANSLATE_NOOP("Messages", "继续")};
inline constexpr ScreenText kOkButton{"Messages", QT_TRANSLATE_NOOP("Messages", "确定")};

// The save dialog's file types.
inline constexpr ScreenText kReportFilter{"SaveDialog",
                                          QT_TRANSLATE_NOOP("SaveDialog", "文本文件 (*.txt)")};
inline constexpr ScreenText kBitmapFilter{"SaveDialog",
                                          QT_TRANSLATE_NOOP("SaveDialog", "位图文件 (*.bmp)")};

// Print options dialog. Its controls keep their laid-out sizes too.
inline constexpr ScreenText kPrintOptionsTitle{"PrintOptions",
                                               QT_TRANSLATE_NOOP("PrintOptions", "打印选项")};
inline constexpr ScreenText kPrintInfoBox{"PrintOptions",
                                          QT_TRANSLATE_NOOP("PrintOptions", "打印信息")};
//: Box around a range of groups to print, 265 pixels.
inline constexpr ScreenText kRangeBox{"PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "自定义")};
//: 121 pixels.
inline constexpr ScreenText kGroupsPerPageNote{
    "PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "每页可打印:168组")};
//: Before the first group of the range, 17 pixels.
inline constexpr ScreenText kRangeFrom{"PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "从")};
//: Between the first and last group of the range, 25 pixels.
inline constexpr ScreenText kRangeTo{"PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "到")};
//: After the range's last group, 25 pixels.
inline constexpr ScreenText kGroupUnit{"PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "组")};
//: Print every group, 113 pixels.
inline constexpr ScreenText kAllGroups{"PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "全部")};
//: Button, 65 pixels.
inline constexpr ScreenText kPrintButton{"PrintOptions", QT_TRANSLATE_NOOP("PrintOptions", "打印")};
//: The number of groups read, 129 pixels.
inline constexpr ScreenText kGroupCount{"PrintOptions",
                                        QT_TRANSLATE_NOOP("PrintOptions", "共有:%1组")};
//: The number of pages they fill, 105 pixels.
inline constexpr ScreenText kPageCount{"PrintOptions",
                                       QT_TRANSLATE_NOOP("PrintOptions", "共有:%1页")};
//: The number of groups read, once loaded (the source has a blank more), 129 pixels.
inline constexpr ScreenText kLoadedGroupCount{"PrintOptions",
                                              QT_TRANSLATE_NOOP("PrintOptions", "共有: %1组")};
//: The number of pages they fill, once loaded (the source has a blank more), 105 pixels.
inline constexpr ScreenText kLoadedPageCount{"PrintOptions",
                                             QT_TRANSLATE_NOOP("PrintOptions", "共有: %1页")};

}  // namespace eqbond::text
