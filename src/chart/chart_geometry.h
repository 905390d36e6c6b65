#pragma once
// The trend chart as a display list: every line as two points and every text with its top-left
// corner, in twips of the chart's interior, in the order they are drawn.
#include <array>
#include <vector>

#include "base/chart_item.h"

namespace eqbond {

// The curve's segments end every list. What comes before them, the frame (axes, arrow heads,
// titles, ticks with their labels), is the same whatever the points.
inline constexpr size_t kCurveSegments = kChartPoints - 1;

// Axes, arrow heads, titles, ticks with their labels, and the curve through the 150 points
// (ohm, oldest first).
std::vector<ChartItem> chart_geometry(const ChartPoints& chart_points);

}  // namespace eqbond
