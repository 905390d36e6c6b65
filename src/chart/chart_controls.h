#pragma once
// The colour swatches and the pointer read-out over the chart.
#include <QString>
#include <array>

#include "base/rgb.h"

namespace eqbond {

struct Program;

// The five swatches, left to right.
inline constexpr std::array<Rgb, 5> kSwatchColours = {Rgb{192, 255, 255}, Rgb{255, 192, 192},
                                                      Rgb{255, 192, 255}, Rgb{255, 255, 255},
                                                      Rgb{192, 192, 255}};
inline constexpr std::array<int, 5> kSwatchLefts = {720, 960, 1200, 1440, 1680};

// A click on swatch `index` (0 = the leftmost): the chart's background becomes its colour, redrawn.
void on_swatch_clicked(Program& p, int index);

// The resistance at height y (twips) of a chart whose interior is `interior_height` twips high,
// as the read-out shows it: "52.41379Ω".
QString cursor_text(float y, float interior_height);

// Mouse press or move over the chart: the read-out box shows cursor_text.
void show_cursor_value(Program& p, float x, float y, float interior_height);

}  // namespace eqbond
