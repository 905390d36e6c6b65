#pragma once
// All state of the program, grouped by subsystem. It outlives the main window: unloading and
// reloading the window resets only `ui` and what the start-up routine sets.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "app/controls.h"
#include "archive/archive_state.h"
#include "chart/chart_geometry.h"
#include "link/link_state.h"
#include "records/record_store.h"

namespace eqbond {

struct LiveStats {
    static constexpr int kAverageWindow = 50000;
    QString max_text = QStringLiteral(" 0.0000Ω");
    QString min_text = QStringLiteral("60.0000Ω");
    QString avg_text = QStringLiteral("0.0000Ω");
    // The newest avg_count measurements in a ring with a running 64-bit sum, so the mean of
    // the newest 50000 costs one step instead of a shift and re-sum of the whole window.
    std::vector<int32_t> avg_samples = std::vector<int32_t>(kAverageWindow, 0);
    int32_t avg_head = 0;  // slot of the newest sample
    int64_t avg_sum = 0;
    int32_t avg_count = 0;
    uint8_t alarm_hit = 0;
    QString value_text;  // display text of the last live reading
};

struct ChartState {
    std::array<double, 601> chart_samples{};  // milliohm, newest at 0
    std::array<double, 621> chart_points{};   // ohm, oldest first
    std::vector<ChartItem> display_list;      // what the last draw_chart drew
    Rgb drawn_background = colour::kCyan;     // background it was drawn on
    uint64_t generation = 0;                  // counts draws, so the window repaints only then
};

struct HistoryState {
    int16_t cur_page = 1;
    int32_t page_count = 0;
};

// Controls of the print options dialog with their design values; every load starts from these.
struct Form2Controls {
    QString Label1 = QStringLiteral("共有:2000组");
    QString Label3 = QStringLiteral("共有:15页");
    QString Text1 = QStringLiteral("1");
    QString Text2 = QStringLiteral("168");
    bool Option1 = true;  // range chosen; false = all groups (Option2)
};

// The print options dialog: its public results outlive its window.
struct PrintOptionsState {
    static constexpr int16_t kOpen = 100;
    static constexpr int16_t kPrint = 10;
    static constexpr int16_t kCancelled = 30;
    enum class Field { None, Text1, Text2 };

    int16_t biaozi = 0;  // 100 open, 10 print confirmed, 30 cancelled
    int16_t kai = 0;
    int16_t jie = 0;
    Form2Controls ui;
    bool open = false;
    Field selected_field = Field::None;  // the range field to select after a rejected entry

    // A reload of the main window keeps the groups once the dialog has answered, either way:
    // a cancelled dialog must not cost the data read from the instrument.
    bool keeps_records() const { return biaozi == kPrint || biaozi == kCancelled; }
};

struct ProgramState {
    LinkState link;
    RecordStore records;
    LiveStats stats;
    ChartState chart;
    HistoryState history;
    PrintOptionsState form2;
    MainControls ui;
    ArchiveState archive;
};

}  // namespace eqbond
