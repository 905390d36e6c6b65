#pragma once
// Numbers a person types into the program's fields (the page to jump to, the print range).
#include <QString>
#include <cstdint>
#include <optional>

namespace eqbond {

// A decimal number rounded to the nearest whole number, halves to the even neighbour, when it
// lies within -32768..32767. Blanks around it are ignored, and full-width digits, point and
// signs (typed with a Chinese input method) count as plain ones. Nothing for an empty text, a
// text that is no number, or a number outside 16 bits.
std::optional<int16_t> typed_int16(const QString& typed);

}  // namespace eqbond
