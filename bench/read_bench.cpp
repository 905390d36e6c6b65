// How close a read of the stored groups comes to the limit of the 9600 baud line (the cost of one
// receive event, traced and not, is trace_bench's). The figures are printed last.
//
// The read runs the whole program (main window offscreen) and then the windowless core against
// the paced simulator, whose exchange of a 4-byte request and a 12-byte reply takes 16 byte
// times of 10 bits: 500 groups cannot take less than 500 x 16 x 10 / 9600 s = 8.333 s.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "base/program.h"
#include "base/protocol.h"
#include "bench_application.h"
#include "link/instrument_buttons.h"
#include "program/event_wait.h"
#include "program/qt_link_session.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "ui/app_controller.h"
#include "ui/main_window.h"

namespace {

using eqbond::Program;

constexpr int kGroups = 500;
constexpr int kWindowReads = 3;
constexpr double kExchangeLimitUs = 16 * 10 / 9600.0 * 1e6;
constexpr double kSlowExchangeUs = 2000;
constexpr double kLineLimitSeconds = kGroups * kExchangeLimitUs / 1e6;
constexpr int kLinkDeadlineMs = 15000;
constexpr int kReadDeadlineMs = 60000;

// Runs the event loop until `done` holds or `timeout_ms` passes, looking every 1 ms.
bool wait_until(const std::function<bool()>& done, int timeout_ms) {
    return eqbond::wait_until(done, timeout_ms, 1);
}

eqbond::sim::SimulatorConfig paced_instrument() {
    eqbond::sim::SimulatorConfig config;
    config.groups = eqbond::sim::generate_groups(kGroups, 1);
    config.paced = true;
    return config;
}

struct ReadResult {
    double seconds = -1;       // negative: the read did not complete
    double exchange_us = 0;    // median: one group request to the next
    int slow_exchanges = 0;    // exchanges 2 ms or more over the line's 16.7 ms
    double slow_seconds = 0;   // the time they took beyond the median
    double turnaround_us = 0;  // median: instrument's last byte to the next request
    double late_byte_us = 0;   // median: how late the simulator's last reply byte left
};

template <typename Duration>
double median_us(std::vector<Duration> samples) {
    if (samples.empty()) return 0;
    std::nth_element(samples.begin(), samples.begin() + long(samples.size() / 2), samples.end());
    return std::chrono::duration<double, std::micro>(samples[samples.size() / 2]).count();
}

template <typename Duration>
std::vector<Duration> since(const std::vector<Duration>& all, size_t from) {
    return std::vector<Duration>(all.begin() + long(std::min(from, all.size())), all.end());
}

// A read from the read button to the last group stored.
ReadResult timed_read(Program& program, const eqbond::sim::InstrumentSimulator& instrument,
                      const std::function<void()>& click_read) {
    const eqbond::LinkState& link = program.state.link;
    ReadResult result;
    if (!wait_until([&] { return link.linked && link.instrument_group_count == kGroups; },
                    kLinkDeadlineMs)) {
        return result;
    }
    const size_t turnarounds_before = instrument.turnarounds().size();
    const size_t requests_before = instrument.group_request_times().size();
    const size_t lateness_before = instrument.line().lateness().size();
    QElapsedTimer clock;
    clock.start();
    click_read();
    if (!wait_until([&] { return link.reading() == false; }, kReadDeadlineMs)) return result;
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (program.state.records.last_stored_group != kGroups) return result;
    result.seconds = seconds;
    result.turnaround_us = median_us(since(instrument.turnarounds(), turnarounds_before));
    result.late_byte_us = median_us(since(instrument.line().lateness(), lateness_before));
    const auto requests = since(instrument.group_request_times(), requests_before);
    std::vector<std::chrono::steady_clock::duration> exchanges;
    for (size_t i = 1; i < requests.size(); ++i) exchanges.push_back(requests[i] - requests[i - 1]);
    result.exchange_us = median_us(exchanges);
    // Stalls of the whole machine (other processes, a CPU quota) show as a few long exchanges.
    for (const auto& exchange : exchanges) {
        const double us = std::chrono::duration<double, std::micro>(exchange).count();
        if (us < kExchangeLimitUs + kSlowExchangeUs) continue;
        ++result.slow_exchanges;
        result.slow_seconds += (us - result.exchange_us) / 1e6;
    }
    return result;
}

std::vector<ReadResult> reads_with_window() {
    eqbond::sim::InstrumentSimulator instrument(paced_instrument());
    if (!instrument.start()) return {};
    eqbond::ui::LaunchOptions options;
    options.ports = {instrument.device_path()};
    options.splash = false;
    // Its reads are archived, as in the program, but not into the user's archive.
    const QTemporaryDir archive_folder;
    options.archive_file = archive_folder.filePath(QStringLiteral("archive.sqlite"));
    eqbond::ui::AppController controller(options);
    QString error;
    if (!controller.start(&error)) return {};
    std::vector<ReadResult> results;
    for (int i = 0; i < kWindowReads; ++i) {
        results.push_back(timed_read(controller.program(), instrument, [&] {
            controller.main_window()->run(eqbond::on_read_clicked);
        }));
    }
    return results;
}

class SilentMessages : public eqbond::MessageBox {
  public:
    void show(const QString&, const QString&) override {}
};

ReadResult read_without_window() {
    eqbond::sim::InstrumentSimulator instrument(paced_instrument());
    if (!instrument.start()) return {};
    SilentMessages messages;
    eqbond::LinkSession session(eqbond::PortTable::fixed({instrument.device_path()}), messages);
    session.start();
    return timed_read(session.program(), instrument,
                      [&] { eqbond::on_read_clicked(session.program()); });
}

QString read_text(const ReadResult& read) {
    if (read.seconds < 0) return QStringLiteral("FAILED (no complete read)");
    return QStringLiteral(
               "%1 s = %2 x the line's limit\n"
               "    median exchange %3 x the line's (program's turnaround %4 us, "
               "simulator's last byte %5 us late); %6 exchanges stalled 2 ms or "
               "more, %7 s in all")
        .arg(read.seconds, 0, 'f', 3)
        .arg(read.seconds / kLineLimitSeconds, 0, 'f', 4)
        .arg(read.exchange_us / kExchangeLimitUs, 0, 'f', 4)
        .arg(read.turnaround_us, 0, 'f', 0)
        .arg(read.late_byte_us, 0, 'f', 0)
        .arg(read.slow_exchanges)
        .arg(read.slow_seconds, 0, 'f', 3);
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Program);

    QTextStream out(stdout);
    out << "reading " << kGroups << " groups from the paced simulator..." << Qt::endl;
    std::vector<ReadResult> window_reads = reads_with_window();
    const ReadResult core_read = read_without_window();

    out << "\n== figures: read_bench ==\n";
    out << QStringLiteral(
               "line limit for %1 groups (16 bytes of 10 bits at 9600 baud each): "
               "%2 s\n")
               .arg(kGroups)
               .arg(kLineLimitSeconds, 0, 'f', 3);
    for (size_t i = 0; i < window_reads.size(); ++i) {
        out << "read " << kGroups << " groups, whole program (window offscreen), run " << i + 1
            << ": " << read_text(window_reads[i]) << "\n";
    }
    if (window_reads.empty()) out << "read with window: FAILED (no simulator or window)\n";
    std::sort(window_reads.begin(), window_reads.end(),
              [](const ReadResult& a, const ReadResult& b) { return a.seconds < b.seconds; });
    if (!window_reads.empty() && window_reads.front().seconds >= 0) {
        out << "read " << kGroups << " groups, whole program, median run: "
            << read_text(window_reads[window_reads.size() / 2]) << " -- goal 1.02 or less\n";
    }
    out << "read " << kGroups << " groups, windowless core: " << read_text(core_read) << "\n";
    return 0;
}
