#include "chart/chart.h"

#include "base/program.h"
#include "chart/chart_geometry.h"

namespace eqbond {

void draw_chart(Program& p) {
    ChartState& chart = p.state.chart;
    for (int i = 0; i < kChartPoints; ++i) {
        chart.chart_points[kChartPoints - 1 - i] = chart.chart_samples[i] / 1000.0;
    }
    chart.display_list = chart_geometry(chart.chart_points);
    chart.drawn_background = p.state.main_window.chart_background;
    ++chart.generation;
}

}  // namespace eqbond
