#pragma once
// State of every main-window control that a handler reads or writes, with its design value.
// Reloading the window (after the print options dialog) resets this struct to these values.
#include <QString>

#include "app/texts.h"

namespace eqbond {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb& x, const Rgb& y) { return x.r == y.r && x.g == y.g && x.b == y.b; }
    friend bool operator!=(const Rgb& x, const Rgb& y) { return !(x == y); }
};

namespace colour {
inline constexpr Rgb kCyan{192, 255, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
}  // namespace colour

struct Control {
    QString caption;
    bool visible = true;
    bool enabled = true;
};

enum class WindowState { Normal, Minimised, Maximised };

// Design periods of the main window's timers in milliseconds; 0 stops a timer.
struct TimerPeriods {
    int Timer1 = 100;
    int Timer2 = 300;
    int Timer3 = 100;
    int Timer4 = 400;
    int Timer5 = 60;
    int Timer6 = 200;
    int Timer7 = 10;
    int Timer9 = 200;
    int Timer10 = 100;
};

struct MainControls {
    // Outer size in twips; Timer3 keeps it.
    int window_width = 13312;
    int window_height = 9900;
    WindowState window_state = WindowState::Normal;

    Control Label1{QStringLiteral("最大值:0.0000Ω")};
    Control Label2{QStringLiteral("最小值:0.0000Ω")};
    Control Label3{QStringLiteral("平均值:0.0000Ω")};
    Control Label5{QStringLiteral("电池电压低"), false};
    Control Label6{QStringLiteral("- - - - -")};
    Control Label8{QString()};
    Control Label15{QStringLiteral("COM1")};
    QString Label15_tooltip;  // the device behind the COM number
    Control Label16{text::kPortOpen};
    Control Label17{text::kNotLinked};
    Control Label18{text::kSearching};
    Control Label20{QString(), false};
    float Label20_left = 120.0f;

    Control Command1{QStringLiteral("测    试")};
    Control Command3{QStringLiteral("校    验")};
    Control Command4{QStringLiteral("保    存")};
    Control Command5{text::kRead};
    Control Command6{QStringLiteral("数据清除")};
    Control Command7{QStringLiteral("打    印")};
    Control Command8{text::kBacklightOn};
    Control Command10{QStringLiteral("复    位")};
    Control Command12{QStringLiteral("上一页")};
    Control Command13{QStringLiteral("下一页")};
    Control Command14{QStringLiteral("确定")};
    Control Command15{text::kLock};

    Control Text1{QStringLiteral("1")};
    Control Text2{QStringLiteral("0.0000")};
    Control Text3{QStringLiteral("0.0000Ω")};
    Control Combo2{text::kOhm};
    Rgb Shape1_fill = colour::kGreen;

    Control Picture2{QString(), true};
    Rgb Picture2_back = colour::kCyan;
    Control RichTextBox1{QString(), false};
    Control ProgressBar1{QString(), true};
    int ProgressBar1_value = 0;

    TimerPeriods timers;
};

}  // namespace eqbond
