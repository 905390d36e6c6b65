// Start-up: from starting the program to its main window painted for the first time, median of
// ten starts on the offscreen platform. Each start is a fresh process (this program again, in
// child mode, doing what eqbond's main() does with --no-splash), so loading the libraries, the
// fonts and the windows all count. Also, in this process, what building the main window and
// painting it costs. The figures are printed last.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "base/serial_line.h"
#include "bench_application.h"
#include "median_reporter.h"
#include "program/startup.h"
#include "ui/app_controller.h"
#include "ui/main_window.h"

namespace {

constexpr int kStarts = 10;
constexpr int kStartDeadlineMs = 30000;
const char* const kChildFlag = "--startup-child";
const char* const kPaintedMark = "painted ";

using Clock = std::chrono::steady_clock;

// Tells when the main window ("Form1") has been painted: once its first paint event has been
// handled, the report goes out from the next turn of the event loop.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(Clock::time_point started) : started_(started) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == QLatin1String("Form1")) {
            reported_ = true;
            QTimer::singleShot(0, [this] {
                const double ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - started_).count();
                std::printf("%s%.3f\n", kPaintedMark, ms);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    Clock::time_point started_;
    bool reported_ = false;
};

// eqbond's main() with --no-splash (and --demo when asked), reporting its first paint.
int run_child(int argc, char** argv, bool demo) {
    const Clock::time_point started = Clock::now();
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Program);
    FirstPaint first_paint(started);
    app.installEventFilter(&first_paint);
    eqbond::ui::LaunchOptions options;
    options.demo = demo;
    options.splash = false;
    eqbond::ui::AppController controller(options);
    QString error;
    if (!controller.start(&error)) return 1;
    return app.exec();
}

struct StartTimes {
    std::vector<double> total_ms;     // process start to the report of the first paint
    std::vector<double> in_child_ms;  // main() entry to the first paint
};

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

StartTimes time_starts(bool demo) {
    StartTimes times;
    for (int i = 0; i < kStarts; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QStringList arguments{QString::fromLatin1(kChildFlag)};
        if (demo) arguments << QStringLiteral("--demo");
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), arguments);
        QByteArray line;
        while (!line.endsWith('\n') && child.waitForReadyRead(kStartDeadlineMs))
            line += child.readLine();
        const double total_ms = double(clock.nsecsElapsed()) / 1e6;
        if (!child.waitForFinished(kStartDeadlineMs)) child.kill();
        if (!line.startsWith(kPaintedMark)) continue;
        times.total_ms.push_back(total_ms);
        times.in_child_ms.push_back(line.mid(int(qstrlen(kPaintedMark))).trimmed().toDouble());
    }
    return times;
}

// A machine without serial ports.
class NoLine : public eqbond::SerialLine {
  public:
    void close() override {}
    void set_number(int) override {}
    eqbond::OpenOutcome open() override { return eqbond::OpenOutcome::InvalidNumber; }
    void configure() override {}
    bool is_open() const override { return false; }
    void write(const QByteArray&) override {}
    QByteArray read(int) override { return {}; }
    void discard_input() override {}
    QString device_name(int) const override { return {}; }
};

// Building the main window, loading it (the start-up routine, no ports to open) and painting it
// once.
void BM_BuildLoadAndPaintMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        eqbond::Program program;
        NoLine line;
        program.ports.line = &line;
        eqbond::ui::MainWindow window(program);
        window.run(eqbond::load_main_window);
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_BuildLoadAndPaintMainWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

QString starts_line(const char* what, const StartTimes& times) {
    if (times.total_ms.empty()) return QStringLiteral("%1: FAILED (no start painted)").arg(what);
    const auto [low, high] = std::minmax_element(times.total_ms.begin(), times.total_ms.end());
    return QStringLiteral(
               "%1: median %2 ms to the first painted main window (%3 of %4 starts, "
               "%5..%6 ms; %7 ms of it from main())")
        .arg(what)
        .arg(median(times.total_ms), 0, 'f', 1)
        .arg(times.total_ms.size())
        .arg(kStarts)
        .arg(*low, 0, 'f', 1)
        .arg(*high, 0, 'f', 1)
        .arg(median(times.in_child_ms), 0, 'f', 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0) {
        const bool demo = argc > 2 && qstrcmp(argv[2], "--demo") == 0;
        return run_child(argc, argv, demo);
    }
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Program);
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);
    const double window_ms = reporter.real_ms("BM_BuildLoadAndPaintMainWindow");

    QTextStream out(stdout);
    out << "starting the program " << kStarts << " times, twice..." << Qt::endl;
    const StartTimes demo = time_starts(true);
    const StartTimes system_ports = time_starts(false);

    out << "\n== figures: startup_bench ==\n";
    out << starts_line("start-up --no-splash --demo", demo) << "\n";
    out << starts_line("start-up --no-splash (the system's serial ports)", system_ports) << "\n";
    if (window_ms >= 0) {
        out << QStringLiteral(
                   "build, load and paint the main window in a running program: "
                   "median %1 ms\n")
                   .arg(window_ms, 0, 'f', 2);
    }
    return 0;
}
