#pragma once
// How values are shown. Every text is made from the typed value where it is written.
#include <QString>
#include <cstdint>

namespace eqbond {

struct Group;

// The shown value in tenths of a milliohm: the milliohm and a derived fourth decimal, which is
// the square of the sum of the three milliohm digits, modulo 10 (123 -> 1236).
int32_t shown_tenths_of_milliohm(int milliohm);

// Shown above 40 ohm as the overload text.
bool is_overload(int milliohm);

// Where a value stands among all shown values: its shown tenths, an overload above every value.
int32_t shown_rank(int milliohm);

// Milliohm (0..65535) to the 8-character display text: " 0.1236Ω", "12.3454Ω" or "  O L  Ω".
QString format_resistance(int milliohm);

// The value the instrument measured, at its resolution and in the same 8 characters:
// " 0.200 Ω", "12.345 Ω" or the overload text. For the documents that judge readings.
QString measured_resistance(int milliohm);

// A date or time field: one "0" in front of values below 10 ("07"); larger values unchanged.
QString pad_date_time(int value);

// A group's date and time as the listing shows them: "25/03/15" and "14:30".
QString group_date_text(const Group& group);
QString group_time_text(const Group& group);

// A group number zero-filled to four digits by three separate tests (7 -> "0007").
QString pad_group_number(int group);

}  // namespace eqbond
