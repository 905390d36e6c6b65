#pragma once
// All state of the program, grouped by subsystem. It outlives the main window: unloading and
// reloading the window resets only `main_window` and what the start-up routine sets.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/chart_item.h"
#include "base/link_state.h"
#include "base/main_window_state.h"
#include "base/record_store.h"
#include "base/rgb.h"

namespace eqbond {

// The live measurements since start-up, in milliohm as sent.
struct LiveStats {
    static constexpr int kAverageWindow = 50000;
    // Once an overload has been seen the maximum stays at overload and the minimum has no value
    // left to show, until the next start-up.
    bool overload_seen = false;
    int32_t highest_milliohm = 0;
    std::optional<int32_t> lowest_milliohm;  // nothing before the first measurement
    // The newest avg_count measurements in a ring with a running 64-bit sum, so the mean of
    // the newest 50000 costs one step instead of a shift and re-sum of the whole window.
    std::vector<int32_t> avg_samples = std::vector<int32_t>(kAverageWindow, 0);
    int32_t avg_head = 0;  // slot of the newest sample
    int64_t avg_sum = 0;
    int32_t avg_count = 0;
    bool alarm_hit = false;
    int32_t last_milliohm = 0;  // the last live measurement
};

struct ChartState {
    static constexpr int kKeptSamples = 301;           // samples 0..299 move up, slot 300 is lost
    std::array<double, kKeptSamples> chart_samples{};  // milliohm, newest at 0
    ChartPoints chart_points{};                        // ohm, oldest first
    std::vector<ChartItem> display_list;               // what the last draw_chart drew
    Rgb drawn_background = colour::kCyan;              // background it was drawn on
    uint64_t generation = 0;         // counts draws, so the window repaints only then
    uint64_t forced_generation = 0;  // a draw the user asked for: painted even if unchanged
};

struct HistoryState {
    int16_t current_page = 1;
    int32_t page_count = 0;
};

// What the print options dialog's controls hold, with their design values; every load starts
// from these.
struct PrintOptionsControls {
    bool counts_shown = false;  // the counts of groups and pages replace the design's
    int shown_groups = 2000;
    int shown_pages = 15;
    QString first_group_text = QStringLiteral("1");
    QString last_group_text = QStringLiteral("168");
    bool range_chosen = true;  // otherwise all groups
};

// How the print options dialog was answered.
enum class DialogAnswer {
    None,       // never opened
    Open,       // waiting for the user
    Print,      // print confirmed
    Cancelled,  // cancel, the title bar or Escape
};

// The print options dialog: its results outlive its window.
struct PrintOptionsState {
    enum class Field { None, FirstGroup, LastGroup };

    DialogAnswer dialog_answer = DialogAnswer::None;
    int16_t first_group = 0;
    int16_t last_group = 0;
    PrintOptionsControls controls;
    bool open = false;
    Field selected_field = Field::None;  // the range field to select after a rejected entry

    // A reload of the main window keeps the groups once the dialog has answered, either way:
    // a cancelled dialog must not cost the data read from the instrument.
    bool keeps_records() const {
        return dialog_answer == DialogAnswer::Print || dialog_answer == DialogAnswer::Cancelled;
    }
};

struct ProgramState {
    LinkState link;
    RecordStore records;
    LiveStats stats;
    ChartState chart;
    HistoryState history;
    PrintOptionsState print_options;
    MainWindowState main_window;
};

}  // namespace eqbond
