#include "records/live_reading.h"

#include <algorithm>

#include "app/program.h"
#include "records/value_format.h"

namespace eqbond {

namespace {
constexpr int kShiftedChartSlots = 300;  // slots 0..299 move up, slot 300 is lost

void push_chart_sample(ChartState& chart, int32_t value) {
    if (chart.chart_samples[0] == double(value)) return;
    std::copy_backward(chart.chart_samples.begin(),
                       chart.chart_samples.begin() + kShiftedChartSlots,
                       chart.chart_samples.begin() + kShiftedChartSlots + 1);
    chart.chart_samples[0] = value;
}

void update_extremes(LiveStats& stats) {
    const QString& value = stats.value_text;
    if (value < stats.min_text) {
        if (value == text::kOverload) {
            stats.min_text.clear();
            stats.max_text = text::kOverload;
        } else {
            stats.min_text = value;
        }
    }
    if (value > stats.max_text && stats.max_text != text::kOverload) stats.max_text = value;
}
}  // namespace

void reset_statistics_texts(LiveStats& stats) {
    stats.max_text = QStringLiteral(" 0.0000Ω");
    stats.min_text = QStringLiteral("60.0000Ω");
    stats.avg_text = QStringLiteral("0.0000Ω");
}

void reset_average(LiveStats& stats) {
    std::fill(stats.avg_samples.begin(), stats.avg_samples.end(), 0);
    stats.avg_head = 0;
    stats.avg_sum = 0;
    stats.avg_count = 0;
}

uint8_t alarm_test(const LiveStats& stats, const QString& threshold_text) {
    if (stats.value_text >= threshold_text + text::kOhm) return 1;
    return stats.max_text == text::kOverload ? 1 : 0;
}

void update_average(Program& p) {
    LiveStats& stats = p.state.stats;
    const int window = LiveStats::kAverageWindow;
    stats.avg_head = (stats.avg_head + 1) % window;
    // A full window drops its oldest sample, which is the one the new sample overwrites.
    if (stats.avg_count == window) stats.avg_sum -= stats.avg_samples[stats.avg_head];
    stats.avg_samples[stats.avg_head] = p.state.link.raw_value;
    stats.avg_sum += p.state.link.raw_value;
    stats.avg_count = std::min(stats.avg_count + 1, window);
    stats.avg_text = format_resistance(static_cast<int>(stats.avg_sum / stats.avg_count));
}

void update_live_reading(Program& p) {
    ProgramState& s = p.state;
    s.ui.Label8.caption.clear();
    push_chart_sample(s.chart, s.link.raw_value);
    update_average(p);
    s.stats.value_text = format_resistance(s.link.raw_value);
    update_extremes(s.stats);
    s.ui.Label1.caption = QStringLiteral("最大值:") + s.stats.max_text;
    s.ui.Label2.caption = QStringLiteral("最小值:") + s.stats.min_text;
    s.ui.Label3.caption = QStringLiteral("平均值:") + s.stats.avg_text;
    s.ui.Label6.caption = s.stats.value_text;
    s.stats.alarm_hit = alarm_test(s.stats, s.ui.Text2.caption);
}

void show_lead_resistance(Program& p) {
    p.state.ui.Label6.caption = format_resistance(p.state.link.raw_value);
    p.state.ui.Label8.caption = text::kLeadMarker;
}

void show_idle_status(Program& p) {
    p.state.ui.Label6.caption = text::kIdleReading;
    p.state.ui.Label8.caption.clear();
}

void update_battery_indicator(Program& p, int battery) {
    if (battery == 1) p.state.ui.Label5.visible = true;
    if (battery == 0) p.state.ui.Label5.visible = false;
}

}  // namespace eqbond
