#include "records/live_reading.h"

#include <algorithm>

#include "base/program.h"
#include "base/texts.h"
#include "base/value_format.h"

namespace eqbond {

namespace {
constexpr int kShiftedChartSlots = ChartState::kKeptSamples - 1;

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

bool alarm_test(const LiveStats& stats, const QString& threshold_text) {
    if (stats.value_text >= threshold_text + text::kOhm) return true;
    return stats.max_text == text::kOverload;
}

void update_average(LiveStats& stats, int milliohm) {
    const int window = LiveStats::kAverageWindow;
    stats.avg_head = (stats.avg_head + 1) % window;
    // A full window drops its oldest sample, which is the one the new sample overwrites.
    if (stats.avg_count == window) stats.avg_sum -= stats.avg_samples[stats.avg_head];
    stats.avg_samples[stats.avg_head] = milliohm;
    stats.avg_sum += milliohm;
    stats.avg_count = std::min(stats.avg_count + 1, window);
    stats.avg_text = format_resistance(static_cast<int>(stats.avg_sum / stats.avg_count));
}

void update_live_reading(Program& p, int milliohm) {
    ProgramState& s = p.state;
    push_chart_sample(s.chart, milliohm);
    update_average(s.stats, milliohm);
    s.stats.value_text = format_resistance(milliohm);
    update_extremes(s.stats);
    s.main_window.statistics_shown = true;
    s.main_window.reading_shown = ReadingShown::Measurement;
    s.main_window.reading_text = s.stats.value_text;
    s.stats.alarm_hit = alarm_test(s.stats, s.main_window.threshold_text);
}

void show_lead_resistance(Program& p, int milliohm) {
    p.state.main_window.reading_shown = ReadingShown::LeadResistance;
    p.state.main_window.reading_text = format_resistance(milliohm);
}

void show_idle_status(Program& p) {
    p.state.main_window.reading_shown = ReadingShown::IdleStatus;
}

void update_battery_indicator(Program& p, int battery) {
    if (battery == 1) p.state.main_window.battery_warning_visible = true;
    if (battery == 0) p.state.main_window.battery_warning_visible = false;
}

}  // namespace eqbond
