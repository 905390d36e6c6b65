#pragma once
// One element of the chart's display list: a line as two points or a text by its top-left
// corner, in twips of the chart's interior.
#include <QString>
#include <array>

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
// The plotted points in ohm, oldest first.
using ChartPoints = std::array<double, kChartPoints>;

}  // namespace eqbond
