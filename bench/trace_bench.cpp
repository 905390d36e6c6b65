// What a wire trace costs: one receive event in the core with tracing off and on, and a paced
// read of 500 groups by the windowless session with tracing off and on. Figures printed last.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "base/program.h"
#include "base/protocol.h"
#include "base/serial_line.h"
#include "link/instrument_buttons.h"
#include "link/receive_dispatcher.h"
#include "median_reporter.h"
#include "program/event_wait.h"
#include "program/qt_link_session.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "trace/wire_trace.h"

namespace {

using eqbond::Program;

constexpr int kGroups = 500;
constexpr int kReadsEach = 5;
constexpr double kEventGoalUs = 5.0;
constexpr double kReadGoal = 0.01;

QTemporaryDir& trace_folder() {
    static QTemporaryDir folder;
    return folder;
}

class SilentMessages : public eqbond::MessageBox {
  public:
    void show(const QString&, const QString&) override {}
};

// A serial line that hands out prepared frames and forgets what is written.
class PreparedLine : public eqbond::SerialLine {
  public:
    const QByteArray* next = nullptr;
    void close() override {}
    void set_number(int) override {}
    eqbond::OpenOutcome open() override { return eqbond::OpenOutcome::Opened; }
    void configure() override {}
    bool is_open() const override { return true; }
    void write(const QByteArray& bytes) override { benchmark::DoNotOptimize(bytes.data()); }
    QByteArray read(int) override { return *next; }
    void discard_input() override {}
    QString device_name(int) const override { return QStringLiteral("/dev/ttyUSB0"); }
};

// The core over prepared frames, traced into a file when `traced`.
struct Core {
    PreparedLine line;
    SilentMessages messages;
    Program program;
    std::unique_ptr<eqbond::trace::WireTrace> wire_trace;
    explicit Core(bool traced) {
        program.ports.line = &line;
        program.ports.message_box = &messages;
        program.state.link.sender_free = true;
        if (!traced) return;
        QString error;
        wire_trace = eqbond::trace::start_wire_trace(
            line, trace_folder().filePath(QStringLiteral("event.trace")), "trace_bench", &error);
        wire_trace->attach(program);
        program.ports.line->set_number(1);
    }
};

// Reading: each event stores the requested group and requests the next (a read and a write).
void BM_ReceiveWhileReading(benchmark::State& state) {
    Core core(state.range(0) != 0);
    std::vector<QByteArray> frames(eqbond::kLastReadableGroup + 1);
    for (int n = 1; n <= eqbond::kLastReadableGroup; ++n) {
        frames[size_t(n)] = eqbond::encode_reply({100 + n, n, 0, 24, 3, 15, 14, n % 60, 0});
    }
    eqbond::LinkState& link = core.program.state.link;
    link.instrument_group_count = eqbond::kLastReadableGroup;
    link.read_state = eqbond::ReadState::Reading;
    link.next_group = 1;
    for (auto _ : state) {
        if (link.next_group == eqbond::kLastReadableGroup) link.next_group = 1;  // never finish
        core.line.next = &frames[size_t(link.next_group)];
        eqbond::on_receive(core.program, eqbond::PortEvent::DataReceived);
    }
}

// Idle: each event is a live measurement (one read).
void BM_ReceiveMeasurement(benchmark::State& state) {
    Core core(state.range(0) != 0);
    std::vector<QByteArray> frames;
    for (int i = 0; i < 1000; ++i) {
        frames.push_back(eqbond::encode_reply({1000 + i * 7 % 400, 250, 0, 24, 3, 15, 14, 30, 1}));
    }
    size_t i = 0;
    for (auto _ : state) {
        core.line.next = &frames[i++ % frames.size()];
        eqbond::on_receive(core.program, eqbond::PortEvent::DataReceived);
    }
}

BENCHMARK(BM_ReceiveWhileReading)
    ->ArgName("traced")
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ReceiveMeasurement)
    ->ArgName("traced")
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// Runs the event loop until `done` holds or `timeout_ms` passes, looking every 1 ms.
bool wait_until(const std::function<bool()>& done, int timeout_ms) {
    return eqbond::wait_until(done, timeout_ms, 1);
}

struct ReadTime {
    double seconds = -1;     // negative: the read did not complete
    double exchange_us = 0;  // median: one group request to the next
};

// A read of 500 groups from the paced simulator by the windowless session.
ReadTime paced_read(bool traced) {
    eqbond::sim::SimulatorConfig config;
    config.groups = eqbond::sim::generate_groups(kGroups, 1);
    config.paced = true;
    eqbond::sim::InstrumentSimulator instrument(config);
    if (!instrument.start()) return {};
    SilentMessages messages;
    eqbond::LinkSession session(eqbond::PortTable::fixed({instrument.device_path()}), messages);
    QString error;
    if (traced && !session.trace_to(trace_folder().filePath(QStringLiteral("read.trace")),
                                    "trace_bench", &error)) {
        return {};
    }
    session.start();
    Program& program = session.program();
    const eqbond::LinkState& link = program.state.link;
    if (!wait_until([&] { return link.linked && link.instrument_group_count == kGroups; }, 15000)) {
        return {};
    }
    QElapsedTimer clock;
    clock.start();
    eqbond::on_read_clicked(program);
    if (!wait_until([&] { return link.reading() == false; }, 60000)) return {};
    ReadTime result;
    if (program.state.records.last_stored_group != kGroups) return result;
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    const auto& requests = instrument.group_request_times();
    std::vector<double> exchanges;
    for (size_t i = 1; i < requests.size(); ++i) {
        exchanges.push_back(
            std::chrono::duration<double, std::micro>(requests[i] - requests[i - 1]).count());
    }
    std::nth_element(exchanges.begin(), exchanges.begin() + long(exchanges.size() / 2),
                     exchanges.end());
    result.exchange_us = exchanges.empty() ? 0 : exchanges[exchanges.size() / 2];
    return result;
}

ReadTime median_of(std::vector<ReadTime> reads) {
    std::sort(reads.begin(), reads.end(),
              [](const ReadTime& a, const ReadTime& b) { return a.seconds < b.seconds; });
    return reads[reads.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);

    QTextStream out(stdout);
    out << "reading " << kGroups << " groups from the paced simulator, " << kReadsEach
        << " times each with tracing off and on, alternating..." << Qt::endl;
    std::vector<ReadTime> off, on;
    for (int i = 0; i < kReadsEach; ++i) {
        off.push_back(paced_read(false));
        on.push_back(paced_read(true));
    }

    out << "\n== figures: trace_bench ==\n";
    const struct {
        const char* name;
        const char* what;
    } events[] = {{"BM_ReceiveWhileReading", "one on_receive while reading (store + request next)"},
                  {"BM_ReceiveMeasurement", "one on_receive while idle (live measurement)"}};
    for (const auto& e : events) {
        const double plain = reporter.real_us(e.name, "traced:0");
        const double traced = reporter.real_us(e.name, "traced:1");
        out << e.what << ": median " << QString::number(plain, 'f', 3) << " us untraced, "
            << QString::number(traced, 'f', 3) << " us traced: tracing adds "
            << QString::number(traced - plain, 'f', 3) << " us -- goal " << kEventGoalUs
            << " us or less\n";
    }
    const auto all_done = [](const std::vector<ReadTime>& reads) {
        return std::all_of(reads.begin(), reads.end(),
                           [](const ReadTime& r) { return r.seconds > 0; });
    };
    if (!all_done(off) || !all_done(on)) {
        out << "paced read: FAILED (a read did not complete)\n";
        return 1;
    }
    for (int i = 0; i < kReadsEach; ++i) {
        out << "read " << kGroups << " groups, run " << i + 1 << ": "
            << QString::number(off[size_t(i)].seconds, 'f', 3) << " s untraced, "
            << QString::number(on[size_t(i)].seconds, 'f', 3) << " s traced\n";
    }
    const ReadTime plain = median_of(off), traced = median_of(on);
    out << "read " << kGroups << " groups, median run: " << QString::number(plain.seconds, 'f', 3)
        << " s untraced, " << QString::number(traced.seconds, 'f', 3)
        << " s traced: " << QString::number((traced.seconds / plain.seconds - 1) * 100, 'f', 2)
        << "% -- goal within " << kReadGoal * 100 << "%\n";
    out << "median exchange: " << QString::number(plain.exchange_us, 'f', 1) << " us untraced, "
        << QString::number(traced.exchange_us, 'f', 1) << " us traced: "
        << QString::number((traced.exchange_us / plain.exchange_us - 1) * 100, 'f', 2) << "%\n";
    return 0;
}
