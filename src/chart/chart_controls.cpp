#include "chart/chart_controls.h"

#include <cmath>

#include "app/program.h"
#include "chart/chart.h"

namespace eqbond {

void on_swatch_clicked(Program& p, int index) {
    if (index < 0 || index >= int(kSwatchColours.size())) return;
    p.state.ui.Picture2_back = kSwatchColours[size_t(index)];
    draw_chart(p);
}

QString cursor_text(float y, float interior_height) {
    double pos = y;
    if (pos > interior_height - 675) pos = interior_height - 675;
    if (pos < 450) pos = 450;
    const double n = std::nearbyint((4800 - pos) / 4350 * 6000000);
    const double ohms = n / 100000;
    // At most five decimals by construction; the shortest text drops trailing zeros.
    QString out = QString::number(ohms, 'f', 5);
    while (out.endsWith(QLatin1Char('0'))) out.chop(1);
    if (out.endsWith(QLatin1Char('.'))) out.chop(1);
    if (out == QLatin1String("-0")) out = QStringLiteral("0");
    return out + text::kOhm;
}

void show_cursor_value(Program& p, float /*x*/, float y, float interior_height) {
    p.state.ui.Text3.caption = cursor_text(y, interior_height);
}

}  // namespace eqbond
