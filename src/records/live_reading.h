#pragma once
// What an idle reply does to the live display: reading, statistics, chart samples, alarm flag,
// battery warning.
#include <QString>
#include <cstdint>

namespace eqbond {

struct Program;
struct LiveStats;

// A measurement reply of `milliohm`.
void update_live_reading(Program& p, int milliohm);

// Adds `milliohm` to the mean of the newest measurements.
void update_average(LiveStats& stats, int milliohm);

// A lead-resistance reply: the value with its tag beside it, nothing else.
void show_lead_resistance(Program& p, int milliohm);

// A status reply (kind 0).
void show_idle_status(Program& p);

// 1 shows the low-battery warning, 0 hides it, anything else leaves it.
void update_battery_indicator(Program& p, int battery);

// Start-up values of the maximum, minimum and average.
void reset_statistics(LiveStats& stats);

// Empties the average window.
void reset_average(LiveStats& stats);

// The statistics as the window shows them: " 0.1236Ω", the overload text; the minimum before the
// first measurement "60.0000Ω" and blank after an overload, the average "0.0000Ω" before any.
QString maximum_text(const LiveStats& stats);
QString minimum_text(const LiveStats& stats);
QString average_text(const LiveStats& stats);

// The alarm rule: the last measurement as shown against the threshold the user typed followed
// by "Ω", compared as plain text; an overload maximum keeps the alarm on.
bool alarm_test(const LiveStats& stats, const QString& threshold_text);

// The alarm's comparison. The threshold is free text ("0.5", "1", ".2"), and the instrument's
// users know the alarm by how it has always behaved: the shown value against the typed text,
// character by character, so " 0.6000Ω" (a blank first) stays below "0.5Ω". Not a numeric test,
// on purpose.
bool shown_value_reaches_threshold(const QString& shown_value, const QString& threshold_text);

}  // namespace eqbond
