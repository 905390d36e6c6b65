#include "program/startup.h"

#include <cmath>

#include "base/program.h"
#include "chart/chart.h"
#include "link/command_sender.h"
#include "records/live_reading.h"

namespace eqbond {

namespace {
constexpr float kBannerStep = 40.0f;
constexpr float kBannerRightTurn = 7400.0f;
constexpr float kBannerLeftTurn = 120.0f;
constexpr int kChartRedrawPeriodMs = 800;
// The search goes on from COM7 after the start-up's own COM2.
constexpr int16_t kSearchResumesAfter = 6;
}  // namespace

void load_main_window(Program& p) {
    p.state.main_window = MainWindowState{};
    startup_routine(p);
}

void startup_routine(Program& p) {
    // A read left paused cannot be continued after this: it is archived as it stands.
    note_read_given_up(p);
    ProgramState& s = p.state;
    s.link.banner_direction = BannerDirection::Right;
    s.main_window.window_width = kWindowWidthTwips;
    s.main_window.window_height = kWindowHeightTwips;
    s.link.port_number = 1;
    open_next_port(p);
    s.main_window.progress_visible = false;
    s.link.read_progress = 100;
    reset_statistics(s.stats);
    reset_average(s.stats);
    if (!s.print_options.keeps_records()) s.records.clear();
    s.stats.avg_count = 0;
    s.link.read_state = ReadState::Idle;
    s.link.instrument_group_count = 0;
    s.link.next_group = 1;
    s.link.resume_group = 1;
    s.main_window.work_view = WorkView::Chart;
    s.link.port_number = kSearchResumesAfter;
    s.history.current_page = 1;
    s.history.page_count = 0;
    s.link.sender_free = true;
}

void keep_window_size(Program& p) {
    MainWindowState& window = p.state.main_window;
    if (window.window_state != WindowState::Normal) return;
    window.window_width = kWindowWidthTwips;
    window.window_height = kWindowHeightTwips;
}

void move_banner(Program& p) {
    BannerDirection& direction = p.state.link.banner_direction;
    float& left = p.state.main_window.banner_left;
    if (direction == BannerDirection::Right) {
        left += kBannerStep;
        if (left > kBannerRightTurn) direction = BannerDirection::Left;
    }
    if (direction == BannerDirection::Left) {
        left -= kBannerStep;
        if (left < kBannerLeftTurn) direction = BannerDirection::Right;
    }
}

void show_read_progress(Program& p) {
    LinkState& link = p.state.link;
    MainWindowState& window = p.state.main_window;
    if (!link.reading()) {
        window.progress_visible = false;
        return;
    }
    if (link.next_group > link.instrument_group_count) {
        link.read_progress = 100;
    } else {
        // nearbyint rounds an exact half to the even neighbour under the default rounding mode.
        const double percent =
            double(link.next_group) / double(link.instrument_group_count) * 100.0;
        link.read_progress = static_cast<uint8_t>(std::nearbyint(percent));
    }
    if (link.read_progress < 100) {
        window.progress_value = link.read_progress;
        window.progress_visible = true;
    } else {
        window.progress_value = 0;
        window.progress_visible = false;
    }
}

void redraw_chart(Program& p) {
    p.state.main_window.period(TimerId::ChartRedraw) = kChartRedrawPeriodMs;
    draw_chart(p);
}

}  // namespace eqbond
