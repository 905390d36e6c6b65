#pragma once
// What the main window's controls hold, as typed state with its design values. Reloading the
// window (after the print options dialog) resets this struct; the captions are computed from it
// by main_window_view.
#include <QString>
#include <array>
#include <cstdint>

#include "base/rgb.h"

namespace eqbond {

enum class WindowState { Normal, Minimised, Maximised };

// The main window's outer size, border and title bar included, and its client area, in twips.
inline constexpr int kWindowWidthTwips = 13312;
inline constexpr int kWindowHeightTwips = 9900;
inline constexpr int kClientWidthTwips = 13230;
inline constexpr int kClientHeightTwips = 9690;

// The main window's timers: each entry's period lives in MainWindowState::timer_periods.
enum class TimerId {
    ReadWatchdog,     // re-requests a group that did not come
    LinkSupervision,  // port search, probe, link state
    WindowSize,       // keeps the window's size
    AlarmIndicator,   // blinks the indicator
    Banner,           // moves the hidden banner
    ReadProgress,     // the progress bar
    LinkPoll,         // state poll while linked
    ReadActivity,     // activity text and page buttons
    ChartRedraw,      // redraws the chart
};
inline constexpr int kTimerCount = 9;

// Which of the two views sharing the work area is shown.
enum class WorkView { Chart, Listing };

// The activity line of the status box.
enum class Activity { Searching, None, Reading };

// What the large reading shows.
enum class ReadingShown {
    Design,          // the design dashes, until anything is shown
    NoReading,       // the link is down
    IdleStatus,      // a status reply: the instrument is idle
    Measurement,     // reading_milliohm, a live measurement
    LeadResistance,  // reading_milliohm, with the lead-resistance tag beside it
};

struct MainWindowState {
    // Outer size in twips; the size keeper restores it.
    int window_width = kWindowWidthTwips;
    int window_height = kWindowHeightTwips;
    WindowState window_state = WindowState::Normal;

    bool statistics_shown = false;  // maximum, minimum and average show the statistics
    ReadingShown reading_shown = ReadingShown::Design;
    int32_t reading_milliohm = 0;  // the measurement or lead resistance shown
    bool battery_warning_visible = false;

    int shown_port_number = 1;  // the COM number in the status box
    QString shown_port_device;  // the device behind it, as its tooltip
    bool port_open_shown = true;
    bool link_shown = false;
    Activity activity = Activity::Searching;
    float banner_left = 120.0f;  // twips

    bool backlight_on = false;  // the backlight button offers the other action
    bool alarm_locked = false;
    bool indicator_red = false;  // the alarm indicator's fill: red, otherwise green
    bool page_buttons_enabled = true;

    // Texts the user types, kept as typed.
    QString page_field_text = QStringLiteral("1");
    QString threshold_text = QStringLiteral("0.0000");
    QString readout_text = QStringLiteral("0.0000Ω");  // the chart's pointer read-out

    WorkView work_view = WorkView::Chart;
    Rgb chart_background = colour::kCyan;
    QString listing_text;
    bool progress_visible = true;
    int progress_value = 0;

    // Periods in milliseconds, indexed by TimerId; 0 stops a timer.
    std::array<int, kTimerCount> timer_periods = {100, 300, 100, 400, 60, 200, 10, 200, 100};
    int& period(TimerId id) { return timer_periods[size_t(id)]; }
    int period(TimerId id) const { return timer_periods[size_t(id)]; }
};

}  // namespace eqbond
