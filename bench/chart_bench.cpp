// One chart redraw, as Timer10 does it every 800 ms: the display list from 150 samples and its
// painting into the retained image. Prints the median redraw as a share of the period, last.
#include <benchmark/benchmark.h>

#include <QTextStream>
#include <cmath>

#include "base/program.h"
#include "bench_application.h"
#include "chart/chart.h"
#include "chart/qt_chart_image.h"
#include "median_reporter.h"

namespace {

constexpr double kPeriodMs = 800;
constexpr double kGoalPercent = 0.25;
const QSize kInterior(693, 365);  // pixels of the 10455 x 5535 twip box inside its border

// A wandering reading over the whole scale, so the curve crosses most of the image.
void fill_samples(eqbond::Program& p) {
    for (int i = 0; i < eqbond::kChartPoints; ++i)
        p.state.chart.chart_samples[size_t(i)] = 30000 + 29000 * std::sin(i * 0.21);
}

void BM_DrawChart(benchmark::State& state) {
    eqbond::Program program;
    fill_samples(program);
    eqbond::QtChartImage image(kInterior, Qt::black);
    for (auto _ : state) {
        eqbond::draw_chart(program);
        image.render(program.state.chart.display_list, program.state.chart.drawn_background);
        benchmark::DoNotOptimize(image.image().constBits());
    }
}
BENCHMARK(BM_DrawChart)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // Painting text needs the fonts of a GUI application.
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Qt);
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);
    const double median_us = reporter.real_us("BM_DrawChart");
    if (median_us < 0) return 1;

    const double percent = median_us / (kPeriodMs * 1000) * 100;
    QTextStream(stdout) << QStringLiteral(
                               "draw_chart (150 samples, geometry and painting): median %1 us = "
                               "%2% of its %3 ms period (goal %4% or less) %5\n")
                               .arg(median_us, 0, 'f', 1)
                               .arg(percent, 0, 'f', 4)
                               .arg(kPeriodMs)
                               .arg(kGoalPercent)
                               .arg(percent <= kGoalPercent ? QStringLiteral("met")
                                                            : QStringLiteral("MISSED"));
    return 0;
}
