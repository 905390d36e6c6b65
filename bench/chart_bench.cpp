// One chart redraw, as Timer10 does it every 800 ms: the display list from 150 samples and its
// painting into the retained image. Prints the median redraw as a share of the period, last.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextStream>
#include <cmath>

#include "base/program.h"
#include "chart/chart.h"
#include "chart/qt_chart_image.h"

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

// Keeps the median of the repetitions while the console shows every aggregate.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    double median_us = -1;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                median_us = run.GetAdjustedRealTime();  // in the run's unit, microseconds
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    // Painting text needs the fonts of a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.median_us < 0) return 1;

    const double percent = reporter.median_us / (kPeriodMs * 1000) * 100;
    QTextStream(stdout) << QStringLiteral(
                               "draw_chart (150 samples, geometry and painting): median %1 us = "
                               "%2% of its %3 ms period (goal %4% or less) %5\n")
                               .arg(reporter.median_us, 0, 'f', 1)
                               .arg(percent, 0, 'f', 4)
                               .arg(kPeriodMs)
                               .arg(kGoalPercent)
                               .arg(percent <= kGoalPercent ? QStringLiteral("met")
                                                            : QStringLiteral("MISSED"));
    return 0;
}
