// What the running program costs while nobody touches it: all its timers ticking, and either no
// instrument at all or one answering the polls with live readings. CPU time over wall time and
// wake-ups a second: the real eqbond binary as a child process for 30 s, as a user would see it
// in /proc (chart shown; on a serial port nobody answers, with its built-in demo instrument, and
// with the same instrument simulated here instead), and the same program in this process for
// 20 s with the chart and then the listing shown. Also what one second of each timer's ticks
// costs in the program's own code and painting. The figures are printed last.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <ctime>
#include <string>

#include "bench_application.h"
#include "demo/demo_instrument.h"
#include "link/instrument_buttons.h"
#include "median_reporter.h"
#include "proc_stats.h"
#include "program/timer_table.h"
#include "records/live_reading.h"
#include "sim/instrument_simulator.h"
#include "sim/pseudo_terminal.h"
#include "ui/app_controller.h"
#include "ui/main_window.h"

namespace {

using eqbond::bench::run_events_for;
using eqbond::bench::wait_until;

constexpr int kSettleMs = 3000;         // start-up, the link and the first chart draws
constexpr int kChildMeasureMs = 30000;  // as a user would look at it
constexpr int kMeasureMs = 20000;
constexpr double kGoalPercent = 0.3;
constexpr int kLinkDeadlineMs = 15000;
constexpr int kReadDeadlineMs = 60000;  // the demo's 320 groups at the pace of the line

struct IdleFigure {
    QString what;
    double cpu_s = -1;
    double wall_s = 0;
    long wake_ups = -1;
    double percent() const { return cpu_s / wall_s * 100; }
};

double own_cpu_seconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

QString eqbond_binary() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../src/eqbond");
}

// The real program as a user starts it, measured from outside through /proc, with `arguments`
// after --no-splash.
IdleFigure idle_of_real_binary(const QString& what, const QStringList& arguments) {
    IdleFigure figure{QStringLiteral("eqbond --no-splash ") + what +
                      QStringLiteral(", chart shown")};
    const QString binary = eqbond_binary();
    if (!QFileInfo::exists(binary)) {
        figure.what += QStringLiteral(": NOT BUILT (") + binary + QLatin1Char(')');
        return figure;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(binary, QStringList{QStringLiteral("--no-splash")} + arguments);
    if (!child.waitForStarted()) return figure;
    run_events_for(kSettleMs);
    const double cpu_before = eqbond::bench::cpu_seconds(child.processId());
    const long wake_ups_before = eqbond::bench::wake_ups(child.processId());
    QElapsedTimer wall;
    wall.start();
    run_events_for(kChildMeasureMs);
    const double cpu_after = eqbond::bench::cpu_seconds(child.processId());
    const long wake_ups_after = eqbond::bench::wake_ups(child.processId());
    figure.wall_s = double(wall.nsecsElapsed()) / 1e9;
    if (child.state() == QProcess::Running && cpu_before >= 0 && cpu_after >= 0) {
        figure.cpu_s = cpu_after - cpu_before;
        if (wake_ups_before >= 0 && wake_ups_after >= 0)
            figure.wake_ups = wake_ups_after - wake_ups_before;
    }
    child.terminate();
    if (!child.waitForFinished(5000)) child.kill();
    return figure;
}

IdleFigure measure_own_idle(const QString& what) {
    IdleFigure figure{what};
    const double cpu_before = own_cpu_seconds();
    const long wake_ups_before = eqbond::bench::wake_ups();
    QElapsedTimer wall;
    wall.start();
    run_events_for(kMeasureMs);
    figure.cpu_s = own_cpu_seconds() - cpu_before;
    figure.wall_s = double(wall.nsecsElapsed()) / 1e9;
    const long wake_ups_after = eqbond::bench::wake_ups();
    if (wake_ups_before >= 0 && wake_ups_after >= 0)
        figure.wake_ups = wake_ups_after - wake_ups_before;
    return figure;
}

std::unique_ptr<eqbond::ui::AppController> start_demo_program() {
    eqbond::ui::LaunchOptions options;
    options.demo = true;
    options.splash = false;
    auto controller = std::make_unique<eqbond::ui::AppController>(options);
    QString error;
    if (!controller->start(&error)) return nullptr;
    return controller;
}

// The same program in this process: chart first, then the listing after a read of the demo's
// groups (the read button switches the view; the listing stays when the read ends).
std::vector<IdleFigure> idle_in_process() {
    std::vector<IdleFigure> figures;
    auto controller = start_demo_program();
    if (!controller) return figures;
    eqbond::Program& program = controller->program();
    const eqbond::LinkState& link = program.state.link;
    run_events_for(kSettleMs);
    figures.push_back(measure_own_idle(QStringLiteral("same program in-process, chart shown")));

    if (!wait_until([&] { return link.linked && link.instrument_group_count > 0; },
                    kLinkDeadlineMs))
        return figures;
    controller->main_window()->run(eqbond::on_read_clicked);
    if (!wait_until([&] { return link.reading() == false; }, kReadDeadlineMs)) return figures;
    run_events_for(kSettleMs);
    if (program.state.main_window.work_view != eqbond::WorkView::Listing) return figures;
    figures.push_back(
        measure_own_idle(QStringLiteral("same program in-process, listing shown (%1 groups read)")
                             .arg(program.state.records.last_stored_group)));
    return figures;
}

// Each timer's ticks of one second at its steady period.
using eqbond::TimerId;
constexpr std::pair<TimerId, int> kTicksPerSecond[] = {
    {TimerId::ReadWatchdog, 10},  {TimerId::LinkSupervision, 3}, {TimerId::WindowSize, 10},
    {TimerId::AlarmIndicator, 2}, {TimerId::Banner, 16},         {TimerId::ReadProgress, 5},
    {TimerId::LinkPoll, 2},       {TimerId::ReadActivity, 5},    {TimerId::ChartRedraw, 1}};
// Benchmark arguments: 0 for all timers, otherwise 1 + the timer's id.
int argument_of(TimerId id) {
    return int(id) + 1;
}

// One demo program for the micro-benchmarks, linked, its timers stopped: they tick only when a
// benchmark says so.
std::unique_ptr<eqbond::ui::AppController> ticked_program;

eqbond::ui::AppController* program_for_ticks() {
    if (ticked_program) return ticked_program.get();
    ticked_program = start_demo_program();
    if (!ticked_program) return nullptr;
    const eqbond::LinkState& link = ticked_program->program().state.link;
    if (!wait_until([&] { return link.linked; }, kLinkDeadlineMs)) {
        ticked_program.reset();
        return nullptr;
    }
    ticked_program->main_window()->stop_timers();
    return ticked_program.get();
}

// One second of ticks of one timer (argument: its number) or of all of them (argument 0): each
// handler, the state shown after it, then the repaints they asked for.
void BM_OneSecondOfTimerTicks(benchmark::State& state) {
    eqbond::ui::AppController* controller = program_for_ticks();
    if (!controller) {
        state.SkipWithError("no linked demo program");
        return;
    }
    eqbond::ui::MainWindow* window = controller->main_window();
    eqbond::LinkState& link = controller->program().state.link;
    const int only = int(state.range(0));
    for (auto _ : state) {
        for (const auto& [id, count] : kTicksPerSecond) {
            if (only != 0 && argument_of(id) != only) continue;
            for (int i = 0; i < count; ++i) {
                // The replies to the polls come between the ticks of a running program; here
                // the ticks come in a burst, so the supervision is told one came.
                if (id == TimerId::LinkSupervision) link.reply_seen = true;
                QMetaObject::invokeMethod(window->timer(id), "timeout", Qt::DirectConnection);
            }
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OneSecondOfTimerTicks)
    ->Arg(0)
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (const auto& entry : kTicksPerSecond) b->Arg(argument_of(entry.first));
    })
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// One live measurement as a poll's reply brings it (twice a second while linked): statistics,
// the reading and its labels shown, repainted.
void BM_LiveReading(benchmark::State& state) {
    eqbond::ui::AppController* controller = program_for_ticks();
    if (!controller) {
        state.SkipWithError("no linked demo program");
        return;
    }
    int value = 1234;
    for (auto _ : state) {
        value = value == 1234 ? 5678 : 1234;  // a changed reading, as a wandering one is
        controller->main_window()->run(
            [value](eqbond::Program& p) { eqbond::update_live_reading(p, value); });
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LiveReading)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

QString figure_line(const IdleFigure& f) {
    if (f.cpu_s < 0) return f.what + QStringLiteral(": FAILED (no measurement)");
    const QString wake_ups = f.wake_ups < 0
                                 ? QStringLiteral("?")
                                 : QString::number(double(f.wake_ups) / f.wall_s, 'f', 1);
    return QStringLiteral(
               "%1: %2 s CPU in %3 s = %4% of one core (goal at most %5%) %6, %7 "
               "wake-ups a second")
        .arg(f.what)
        .arg(f.cpu_s, 0, 'f', 3)
        .arg(f.wall_s, 0, 'f', 1)
        .arg(f.percent(), 0, 'f', 3)
        .arg(kGoalPercent)
        .arg(f.percent() <= kGoalPercent ? QStringLiteral("met") : QStringLiteral("MISSED"))
        .arg(wake_ups);
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Program);
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);
    ticked_program.reset();

    QTextStream out(stdout);
    out << "idle for " << kChildMeasureMs / 1000 << " s (child) or " << kMeasureMs / 1000
        << " s (in-process) after " << kSettleMs / 1000 << " s of settling, each..." << Qt::endl;
    std::vector<IdleFigure> figures;
    {
        // A serial port that is there but silent: the program keeps searching.
        eqbond::sim::PseudoTerminal silent_port;
        if (silent_port.open()) {
            figures.push_back(
                idle_of_real_binary(QStringLiteral("--port PTY (nobody answers)"),
                                    {QStringLiteral("--port"), silent_port.slave_path()}));
        }
    }
    figures.push_back(idle_of_real_binary(QStringLiteral("--demo"), {QStringLiteral("--demo")}));
    {
        // The demo's instrument, live from the start, in this process instead of the program's,
        // at COM2 where the demo stands: the first port the start-up opens.
        eqbond::sim::InstrumentSimulator instrument(eqbond::sim::demo_config());
        if (instrument.start()) {
            instrument.start_live_readings();
            figures.push_back(
                idle_of_real_binary(QStringLiteral("--port PTY (simulator in the benchmark)"),
                                    {QStringLiteral("--port"), QString(), QStringLiteral("--port"),
                                     instrument.device_path()}));
        }
    }
    const std::vector<IdleFigure> in_process = idle_in_process();
    figures.insert(figures.end(), in_process.begin(), in_process.end());

    out << "\n== figures: idle_bench ==\n";
    for (const IdleFigure& f : figures) out << figure_line(f) << "\n";
    if (in_process.size() < 2) out << "listing shown: FAILED (the demo read did not complete)\n";
    for (const eqbond::bench::MedianReporter::Median& median : reporter.medians()) {
        const double cpu_us = median.cpu_us;
        if (median.name == "BM_LiveReading") {
            out << QStringLiteral(
                       "one live reading shown (statistics, labels, repaint): median "
                       "%1 us CPU; at two a second %2% of one core\n")
                       .arg(cpu_us, 0, 'f', 0)
                       .arg(2 * cpu_us / 1e6 * 100, 0, 'f', 3);
            continue;
        }
        const int argument = std::stoi(median.args);
        const QString timers =
            argument == 0
                ? QStringLiteral("all timers")
                : QString::fromLatin1(eqbond::timer_table()[size_t(argument - 1)].object_name);
        out << QStringLiteral(
                   "one second of ticks of %1 (handlers, state shown, repaints; chart "
                   "shown): median %2 us CPU = %3% of one core\n")
                   .arg(timers, -10)
                   .arg(cpu_us, 6, 'f', 0)
                   .arg(cpu_us / 1e6 * 100, 0, 'f', 3);
    }
    return 0;
}
