#include "chart/chart_geometry.h"

namespace eqbond {

namespace {
constexpr double kOriginX = 540;
constexpr double kTimeAxisY = 4800;
constexpr double kTopTickY = 450;  // 60 ohm
constexpr double kTwipsPerOhm = 72.5;
constexpr double kTwipsPerSample = 60.73333;
constexpr double kTwipsPerTenSamples = 607.3333;

void line(std::vector<ChartItem>& out, double x1, double y1, double x2, double y2) {
    out.push_back({ChartItem::Kind::Line, float(x1), float(y1), float(x2), float(y2), {}});
}

void text_at(std::vector<ChartItem>& out, double x, double y, const QString& text) {
    out.push_back({ChartItem::Kind::Text, float(x), float(y), 0, 0, text});
}
}  // namespace

std::vector<ChartItem> chart_geometry(const ChartPoints& chart_points) {
    std::vector<ChartItem> out;
    out.reserve(6 + 2 + 14 + 61 + 13 + 16 + 31 + 151 + 149);

    line(out, kOriginX, 300, kOriginX, kTimeAxisY);     // resistance axis
    line(out, kOriginX, kTimeAxisY, 9800, kTimeAxisY);  // time axis
    line(out, kOriginX, 300, 450, 450);
    line(out, kOriginX, 300, 630, 450);
    line(out, 9800, kTimeAxisY, 9650, 4710);
    line(out, 9800, kTimeAxisY, 9650, 4890);

    text_at(out, 9960, 4703, QStringLiteral("T(S)"));
    text_at(out, 0, 0, QStringLiteral("R(Ω)"));

    for (int j = 0; j <= 6; ++j) {
        line(out, 400, kTopTickY + 725 * j, kOriginX, kTopTickY + 725 * j);
        text_at(out, 100, 350 + 725 * j, QString::number(6 - j) + QLatin1Char('0'));
    }
    for (int j = 0; j <= 60; ++j) {
        line(out, 500, kTopTickY + kTwipsPerOhm * j, kOriginX, kTopTickY + kTwipsPerOhm * j);
    }
    for (int k = 0; k <= 12; ++k) {
        const double y = kTopTickY + kTwipsPerOhm * 5 * k;
        line(out, 450, y, kOriginX, y);
    }
    for (int l = 0; l <= 15; ++l) {
        const double x = kOriginX + kTwipsPerTenSamples * l;
        line(out, x, kTimeAxisY, x, 4950);
    }
    for (int m = 0; m <= 30; ++m) {
        const double x = kOriginX + kTwipsPerSample * 5 * m;
        line(out, x, kTimeAxisY, x, 4900);
    }
    for (int c = 0; c <= 150; ++c) {
        const double x = kOriginX + kTwipsPerSample * c;
        line(out, x, kTimeAxisY, x, 4860);
    }
    for (int d = 0; d < kChartPoints - 1; ++d) {
        line(out, kOriginX + kTwipsPerSample * d, kTimeAxisY - kTwipsPerOhm * chart_points[d],
             kOriginX + kTwipsPerSample * (d + 1), kTimeAxisY - kTwipsPerOhm * chart_points[d + 1]);
    }
    return out;
}

}  // namespace eqbond
