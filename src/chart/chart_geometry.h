#pragma once
// The trend chart as a display list: every line as two points and every text with its top-left
// corner, in twips of the chart's interior, in the order they are drawn.
#include <QString>
#include <array>
#include <vector>

namespace eqbond {

struct ChartItem {
    enum class Kind { Line, Text };
    Kind kind = Kind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a text uses x1, y1 as its top-left corner
    QString text;
    bool operator==(const ChartItem& o) const {
        return kind == o.kind && x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 &&
               text == o.text;
    }
    bool operator!=(const ChartItem& o) const { return !(*this == o); }
};

inline constexpr int kChartPoints = 150;

// Axes, arrow heads, titles, ticks with their labels, and the curve through the 150 points
// (ohm, oldest first).
std::vector<ChartItem> chart_geometry(const std::array<double, 621>& chart_points);

}  // namespace eqbond
