#include "app/startup.h"

#include <cmath>

#include "app/program.h"
#include "archive/download_recorder.h"
#include "chart/chart.h"
#include "link/command_sender.h"
#include "records/live_reading.h"

namespace eqbond {

namespace {
constexpr int kWindowWidth = 13312;
constexpr int kWindowHeight = 9900;
constexpr float kBannerStep = 40.0f;
constexpr float kBannerRightTurn = 7400.0f;
constexpr float kBannerLeftTurn = 120.0f;
}  // namespace

void load_main_window(Program& p) {
    p.state.ui = MainControls{};
    startup_routine(p);
}

void startup_routine(Program& p) {
    // A read left paused cannot be continued after this: it is archived as it stands.
    archive_abandoned_read(p);
    ProgramState& s = p.state;
    s.link.banner_dir = 1;
    s.ui.window_width = kWindowWidth;
    s.ui.window_height = kWindowHeight;
    s.ui.Label20.caption = text::kBanner;
    s.link.port_no = 1;
    com_st(p);
    s.ui.ProgressBar1.visible = false;
    s.link.read_progress = 100;
    reset_statistics_texts(s.stats);
    reset_average(s.stats);
    if (!s.form2.keeps_records()) s.records.clear();
    s.stats.avg_count = 0;
    s.link.reading = 0;
    s.link.group_total = 0;
    s.link.next_group = 1;
    s.link.resume_group = 1;
    s.ui.Picture2.visible = true;
    s.ui.RichTextBox1.visible = false;
    s.link.port_no = 6;
    s.history.cur_page = 1;
    s.history.page_count = 0;
    s.link.send_gate = 100;
}

void timer3_tick(Program& p) {
    MainControls& ui = p.state.ui;
    if (ui.window_state != WindowState::Normal) return;
    ui.window_width = kWindowWidth;
    ui.window_height = kWindowHeight;
}

void timer5_tick(Program& p) {
    uint8_t& dir = p.state.link.banner_dir;
    float& left = p.state.ui.Label20_left;
    if (dir == 1) {
        left += kBannerStep;
        if (left > kBannerRightTurn) dir = 2;
    }
    if (dir == 2) {
        left -= kBannerStep;
        if (left < kBannerLeftTurn) dir = 1;
    }
}

void timer6_tick(Program& p) {
    LinkState& link = p.state.link;
    MainControls& ui = p.state.ui;
    if (link.reading != 1) {
        ui.ProgressBar1.visible = false;
        return;
    }
    if (link.next_group > link.group_total) {
        link.read_progress = 100;
    } else {
        // nearbyint rounds an exact half to the even neighbour under the default rounding mode.
        const double percent = double(link.next_group) / double(link.group_total) * 100.0;
        link.read_progress = static_cast<uint8_t>(std::nearbyint(percent));
    }
    if (link.read_progress < 100) {
        ui.ProgressBar1_value = link.read_progress;
        ui.ProgressBar1.visible = true;
    } else {
        ui.ProgressBar1_value = 0;
        ui.ProgressBar1.visible = false;
    }
}

void timer10_tick(Program& p) {
    p.state.ui.timers.Timer10 = 800;
    draw_chart(p);
}

}  // namespace eqbond
