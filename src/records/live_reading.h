#pragma once
// What an idle reply does to the live display: reading, statistics, chart samples, alarm flag,
// battery warning.
#include <QString>

namespace eqbond {

struct Program;
struct LiveStats;

// A measurement reply of `milliohm`.
void update_live_reading(Program& p, int milliohm);

// Adds `milliohm` to the mean of the newest measurements and refreshes avg_text.
void update_average(LiveStats& stats, int milliohm);

// A lead-resistance reply: the value with its tag beside it, nothing else.
void show_lead_resistance(Program& p, int milliohm);

// A status reply (kind 0).
void show_idle_status(Program& p);

// 1 shows the low-battery warning, 0 hides it, anything else leaves it.
void update_battery_indicator(Program& p, int battery);

// Start-up values of the maximum, minimum and average texts.
void reset_statistics_texts(LiveStats& stats);

// Empties the average window.
void reset_average(LiveStats& stats);

// The alarm rule: the reading text against the typed threshold followed by "Ω", as plain text;
// an overload maximum keeps the alarm on.
bool alarm_test(const LiveStats& stats, const QString& threshold_text);

}  // namespace eqbond
