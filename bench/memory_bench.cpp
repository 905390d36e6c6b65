// Resident memory of the program: after start-up (the real eqbond binary as a child, and the
// same program in this process once linked to a simulated instrument), and after reading 6999
// groups from that instrument through the read button. The figures are printed last.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "bench_application.h"
#include "link/instrument_buttons.h"
#include "proc_stats.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "ui/app_controller.h"
#include "ui/main_window.h"

namespace {

using eqbond::bench::mib;
using eqbond::bench::resident_bytes;
using eqbond::bench::run_events_for;
using eqbond::bench::wait_until;

constexpr int kGroups = 6999;       // the highest group the listing and reports count
constexpr int kInstrumentPort = 7;  // the first port the search opens
constexpr int kSettleMs = 3000;
constexpr int kLinkDeadlineMs = 15000;
constexpr int kReadDeadlineMs = 300000;

struct Figures {
    long binary_after_startup = -1;
    long after_startup = -1;
    long after_read = -1;
    long peak = -1;
    long simulator_bytes = 0;
    int groups_read = 0;
    double read_seconds = 0;
};

// The real program after its start-up, with its built-in demo instrument, seen from outside.
long real_binary_after_startup() {
    const QString binary =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../src/eqbond");
    if (!QFileInfo::exists(binary)) return -1;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(binary, {QStringLiteral("--no-splash"), QStringLiteral("--demo")});
    if (!child.waitForStarted()) return -1;
    run_events_for(kSettleMs);
    const long resident =
        child.state() == QProcess::Running ? resident_bytes(child.processId()) : -1;
    child.terminate();
    if (!child.waitForFinished(5000)) child.kill();
    return resident;
}

// What the simulated instrument holds in this process: its groups and its logs of the line.
long simulator_bytes(eqbond::sim::InstrumentSimulator& instrument) {
    return long(instrument.config().groups.capacity() * sizeof(eqbond::sim::StoredGroup) +
                instrument.received_codes().capacity() * sizeof(int32_t) +
                size_t(instrument.received_bytes().capacity()) +
                instrument.turnarounds().capacity() * sizeof(std::chrono::nanoseconds) +
                instrument.group_request_times().capacity() *
                    sizeof(eqbond::sim::LinePacer::Clock::time_point) +
                instrument.line().lateness().capacity() * sizeof(std::chrono::nanoseconds));
}

void measure_in_process(Figures& figures) {
    eqbond::sim::SimulatorConfig config;
    config.groups = eqbond::sim::generate_groups(kGroups, 7);
    config.measuring = true;
    eqbond::sim::InstrumentSimulator instrument(config);
    if (!instrument.start()) return;
    eqbond::ui::LaunchOptions options;
    options.ports = QStringList(kInstrumentPort, QString());
    options.ports[kInstrumentPort - 1] = instrument.device_path();
    options.splash = false;
    // Its reads are archived, as in the program, but not into the user's archive.
    const QTemporaryDir archive_folder;
    options.archive_file = archive_folder.filePath(QStringLiteral("archive.sqlite"));
    eqbond::ui::AppController controller(options);
    QString error;
    if (!controller.start(&error)) return;
    const eqbond::ProgramState& state = controller.program().state;
    if (!wait_until(
            [&] { return state.link.linked && state.link.instrument_group_count == kGroups; },
            kLinkDeadlineMs))
        return;
    run_events_for(kSettleMs);
    figures.after_startup = resident_bytes();

    QElapsedTimer clock;
    clock.start();
    controller.main_window()->run(eqbond::on_read_clicked);
    if (!wait_until([&] { return state.link.reading() == false; }, kReadDeadlineMs)) return;
    figures.read_seconds = double(clock.elapsed()) / 1000;
    figures.groups_read = state.records.last_stored_group;
    run_events_for(kSettleMs);
    figures.after_read = resident_bytes();
    figures.peak = eqbond::bench::peak_resident_bytes();
    figures.simulator_bytes = simulator_bytes(instrument);
}

QString megabytes(long bytes) {
    return bytes < 0 ? QStringLiteral("FAILED")
                     : QStringLiteral("%1 MiB").arg(mib(bytes), 0, 'f', 2);
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Program);

    QTextStream out(stdout);
    out << "starting eqbond, then reading " << kGroups << " groups in this process..." << Qt::endl;
    Figures figures;
    figures.binary_after_startup = real_binary_after_startup();
    measure_in_process(figures);

    out << "\n== figures: memory_bench ==\n";
    out << "resident, eqbond --no-splash --demo (child process) after start-up: "
        << megabytes(figures.binary_after_startup) << "\n";
    out << "resident, same program in-process, linked to the simulator, after start-up: "
        << megabytes(figures.after_startup) << "\n";
    if (figures.after_read < 0 || figures.groups_read != kGroups) {
        out << "resident after reading " << kGroups << " groups: FAILED (" << figures.groups_read
            << " groups read)\n";
        return 0;
    }
    out << QStringLiteral(
               "resident after reading %1 groups (%2 s, unpaced): %3, %4 more; "
               "the simulator's groups and logs in this process are %5 KiB of it; "
               "peak %6\n")
               .arg(kGroups)
               .arg(figures.read_seconds, 0, 'f', 1)
               .arg(megabytes(figures.after_read))
               .arg(megabytes(figures.after_read - figures.after_startup))
               .arg(figures.simulator_bytes / 1024)
               .arg(megabytes(figures.peak));
    return 0;
}
