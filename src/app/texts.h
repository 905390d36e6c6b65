#pragma once
// The program's own captions and messages, shared by several handlers. Inner blanks matter:
// button captions double as state and are compared exactly.
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

}  // namespace eqbond::text
