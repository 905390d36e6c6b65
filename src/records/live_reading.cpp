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

void update_extremes(LiveStats& stats, int32_t milliohm) {
    if (stats.overload_seen) return;
    if (is_overload(milliohm)) {
        stats.overload_seen = true;
        return;
    }
    stats.lowest_milliohm = std::min(stats.lowest_milliohm.value_or(milliohm), milliohm);
    stats.highest_milliohm = std::max(stats.highest_milliohm, milliohm);
}
}  // namespace

void reset_statistics(LiveStats& stats) {
    stats.overload_seen = false;
    stats.highest_milliohm = 0;
    stats.lowest_milliohm.reset();
}

void reset_average(LiveStats& stats) {
    std::fill(stats.avg_samples.begin(), stats.avg_samples.end(), 0);
    stats.avg_head = 0;
    stats.avg_sum = 0;
    stats.avg_count = 0;
}

QString maximum_text(const LiveStats& stats) {
    return stats.overload_seen ? text::kOverload : format_resistance(stats.highest_milliohm);
}

QString minimum_text(const LiveStats& stats) {
    if (stats.overload_seen) return QString();
    return stats.lowest_milliohm ? format_resistance(*stats.lowest_milliohm)
                                 : QStringLiteral("60.0000Ω");
}

QString average_text(const LiveStats& stats) {
    if (stats.avg_count == 0) return text::kZeroOhm;
    return format_resistance(static_cast<int>(stats.avg_sum / stats.avg_count));
}

bool shown_value_reaches_threshold(const QString& shown_value, const QString& threshold_text) {
    return shown_value >= threshold_text + text::kOhm;
}

bool alarm_test(const LiveStats& stats, const QString& threshold_text) {
    return shown_value_reaches_threshold(format_resistance(stats.last_milliohm), threshold_text) ||
           stats.overload_seen;
}

void update_average(LiveStats& stats, int milliohm) {
    const int window = LiveStats::kAverageWindow;
    stats.avg_head = (stats.avg_head + 1) % window;
    // A full window drops its oldest sample, which is the one the new sample overwrites.
    if (stats.avg_count == window) stats.avg_sum -= stats.avg_samples[stats.avg_head];
    stats.avg_samples[stats.avg_head] = milliohm;
    stats.avg_sum += milliohm;
    stats.avg_count = std::min(stats.avg_count + 1, window);
}

void update_live_reading(Program& p, int milliohm) {
    ProgramState& s = p.state;
    push_chart_sample(s.chart, milliohm);
    update_average(s.stats, milliohm);
    s.stats.last_milliohm = milliohm;
    update_extremes(s.stats, milliohm);
    s.main_window.statistics_shown = true;
    s.main_window.reading_shown = ReadingShown::Measurement;
    s.main_window.reading_milliohm = milliohm;
    s.stats.alarm_hit = alarm_test(s.stats, s.main_window.threshold_text);
}

void show_lead_resistance(Program& p, int milliohm) {
    p.state.main_window.reading_shown = ReadingShown::LeadResistance;
    p.state.main_window.reading_milliohm = milliohm;
}

void show_idle_status(Program& p) {
    p.state.main_window.reading_shown = ReadingShown::IdleStatus;
}

void update_battery_indicator(Program& p, int battery) {
    if (battery == 1) p.state.main_window.battery_warning_visible = true;
    if (battery == 0) p.state.main_window.battery_warning_visible = false;
}

}  // namespace eqbond
