#pragma once
// Captions and messages of the archive and its window, as texts.h. What the archive's reports
// write into files is in file_texts.h.
#include <QString>

#include "base/screen_text.h"

namespace eqbond::text {

//: The archive window's title.
inline constexpr ScreenText kArchiveTitle{"Archive", QT_TRANSLATE_NOOP("Archive", "测量档案")};
//: The main window's button that opens the archive window, 105 pixels.
inline constexpr ScreenText kArchiveButton{"Archive",
                                           QT_TRANSLATE_NOOP3("Archive", "测量档案", "button")};
//: %1 the archive's file, %2 the reason.
inline constexpr ScreenText kArchiveUnusable{
    "Archive",
    QT_TRANSLATE_NOOP("Archive", "测量档案无法使用, 本次运行不再存档.\n文件: %1\n原因: %2")};
inline constexpr ScreenText kFaultCannotOpen{"Archive",
                                             QT_TRANSLATE_NOOP("Archive", "无法建立或打开该文件")};
inline constexpr ScreenText kFaultNotArchive{
    "Archive", QT_TRANSLATE_NOOP("Archive", "文件已损坏或不是测量档案")};
inline constexpr ScreenText kFaultNewer{"Archive",
                                        QT_TRANSLATE_NOOP("Archive", "档案由更新版本的程序建立")};
inline constexpr ScreenText kFaultLocked{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "文件被另一个程序锁定")};
inline constexpr ScreenText kFaultReadOnly{"Archive",
                                           QT_TRANSLATE_NOOP("Archive", "文件或所在文件夹不可写")};
inline constexpr ScreenText kFaultDiskFull{"Archive", QT_TRANSLATE_NOOP("Archive", "磁盘已满")};
inline constexpr ScreenText kFaultFailed{"Archive", QT_TRANSLATE_NOOP("Archive", "数据库出错")};

inline constexpr ScreenText kFilterLabel{"Archive", QT_TRANSLATE_NOOP("Archive", "筛选:")};
inline constexpr ScreenText kLimitLabel{"Archive", QT_TRANSLATE_NOOP("Archive", "限值(Ω):")};
//: Shown in the empty limit field.
inline constexpr ScreenText kNoLimit{"Archive", QT_TRANSLATE_NOOP("Archive", "无")};
//: Column: when the read started.
inline constexpr ScreenText kColumnStarted{"Archive", QT_TRANSLATE_NOOP("Archive", "读取时间")};
//: Column: the serial port it came from.
inline constexpr ScreenText kColumnDevice{"Archive", QT_TRANSLATE_NOOP("Archive", "设备")};
//: Column: how many groups were read.
inline constexpr ScreenText kColumnGroups{"Archive", QT_TRANSLATE_NOOP("Archive", "组数")};
//: Column: whether the read ended.
inline constexpr ScreenText kColumnState{"Archive", QT_TRANSLATE_NOOP("Archive", "状态")};
inline constexpr ScreenText kColumnMin{"Archive", QT_TRANSLATE_NOOP("Archive", "最小值")};
inline constexpr ScreenText kColumnMax{"Archive", QT_TRANSLATE_NOOP("Archive", "最大值")};
//: Column and verdict: at or below the bonding limit.
inline constexpr ScreenText kPass{"Archive", QT_TRANSLATE_NOOP("Archive", "合格")};
//: Column and verdict: above the bonding limit, or an overload.
inline constexpr ScreenText kFail{"Archive", QT_TRANSLATE_NOOP("Archive", "不合格")};
//: Column: the group's number.
inline constexpr ScreenText kColumnGroup{"Archive", QT_TRANSLATE_NOOP("Archive", "组号")};
inline constexpr ScreenText kColumnValue{"Archive", QT_TRANSLATE_NOOP("Archive", "电阻值")};
inline constexpr ScreenText kColumnDate{"Archive", QT_TRANSLATE_NOOP("Archive", "日期")};
inline constexpr ScreenText kColumnTime{"Archive", QT_TRANSLATE_NOOP("Archive", "时间")};
//: Column: the instrument's battery was low when the group was measured.
inline constexpr ScreenText kColumnBattery{"Archive", QT_TRANSLATE_NOOP("Archive", "电池电压低")};
//: Column: the limit the group is judged by, in ohm (its test point's own, else the bonding limit).
inline constexpr ScreenText kColumnLimit{"Archive", QT_TRANSLATE_NOOP("Archive", "限值")};
//: Column: pass or fail.
inline constexpr ScreenText kColumnVerdict{"Archive", QT_TRANSLATE_NOOP("Archive", "判定")};
//: The read ended with the last group.
inline constexpr ScreenText kComplete{"Archive", QT_TRANSLATE_NOOP("Archive", "完成")};
//: The read was given up before the last group.
inline constexpr ScreenText kAbandoned{"Archive", QT_TRANSLATE_NOOP("Archive", "未完成")};

// A mark, not a word: the same in every language.
inline const QString kLowBatteryMark = QStringLiteral("■");

//: The plot's scale reaches the highest value instead of keeping the limit readable.
inline constexpr ScreenText kFullRange{"Archive", QT_TRANSLATE_NOOP("Archive", "全量程")};

inline constexpr ScreenText kExportText{"Archive", QT_TRANSLATE_NOOP("Archive", "导出文本")};
inline constexpr ScreenText kExportCsv{"Archive", QT_TRANSLATE_NOOP("Archive", "导出CSV")};
inline constexpr ScreenText kExportPdf{"Archive", QT_TRANSLATE_NOOP("Archive", "导出PDF")};
inline constexpr ScreenText kPrintDownload{"Archive", QT_TRANSLATE_NOOP("Archive", "打印")};
inline constexpr ScreenText kDeleteDownload{"Archive", QT_TRANSLATE_NOOP("Archive", "删除")};
//: %1 when the read started, %2 how many groups it holds.
inline constexpr ScreenText kConfirmDelete{
    "Archive", QT_TRANSLATE_NOOP("Archive", "删除 %1 读取的 %2 组数据?")};
inline constexpr ScreenText kCsvFilter{"Archive", QT_TRANSLATE_NOOP("Archive", "CSV 文件 (*.csv)")};
inline constexpr ScreenText kPdfFilter{"Archive", QT_TRANSLATE_NOOP("Archive", "PDF 文件 (*.pdf)")};

}  // namespace eqbond::text
