#pragma once
// The texts every value is shown with, made once when its frame arrives.
#include <QString>

namespace eqbond {

// Milliohm (0..65535) to the 8-character display text: " 0.1236Ω", "12.3454Ω" or "  O L  Ω".
// The fourth decimal is the square of the sum of the three milliohm digits, modulo 10.
QString format_resistance(int milliohm);

// A date or time field: one "0" in front of values below 10 ("07"); larger values unchanged.
QString pad_date_time(int value);

// A group number zero-filled to four digits by three separate tests (7 -> "0007").
QString pad_group_number(int group);

}  // namespace eqbond
