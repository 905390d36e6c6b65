#include "chart/chart_controls.h"

#include <QLocale>
#include <cmath>

#include "base/program.h"
#include "base/texts.h"
#include "chart/chart.h"

namespace eqbond {

void on_swatch_clicked(Program& p, int index) {
    if (index < 0 || index >= int(kSwatchColours.size())) return;
    p.state.main_window.chart_background = kSwatchColours[size_t(index)];
    draw_chart(p);
    // A click on the colour already shown still redraws: the user asked for it.
    p.state.chart.forced_generation = p.state.chart.generation;
}

QString cursor_text(float y, float interior_height) {
    // The pointer's height stays single precision, as the mouse event delivers it.
    float pos = y;
    if (pos > interior_height - 675) pos = interior_height - 675;
    if (pos < 450) pos = 450;
    // llrint rounds an exact half to the even neighbour under the default rounding mode.
    const long long n = std::llrint((4800 - double(pos)) / 4350 * 6000000);
    const double ohms = double(n) / 100000;
    // Shortest plain decimal: no trailing zeros, no point for whole ohms, and no exponent even
    // for the smallest steps (0.00001, which 'g' would write as 1e-05). n / 100000 has at most
    // seven significant digits, well inside the fifteen the read-out may show.
    return QString::number(ohms, 'f', QLocale::FloatingPointShortest) + text::kOhm;
}

void show_cursor_value(Program& p, float /*x*/, float y, float interior_height) {
    p.state.main_window.readout_text = cursor_text(y, interior_height);
}

}  // namespace eqbond
