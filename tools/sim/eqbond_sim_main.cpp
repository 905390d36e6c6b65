// eqbond-sim: a simulated instrument on a pseudo-terminal; prints the device path to open.
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>

#include "sim/command_line.h"
#include "sim/instrument_simulator.h"
#include "sim/replay_instrument.h"
#include "trace/trace_reader.h"

namespace {

// Lines typed while the simulator runs: the faults that are easier to set off by hand.
void follow_console(eqbond::sim::InstrumentSimulator& simulator, QSocketNotifier& console) {
    QObject::connect(&console, &QSocketNotifier::activated, &simulator, [&simulator, &console] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {  // end of input, or a background job's terminal: stop listening
            console.setEnabled(false);
            return;
        }
        QTextStream err(stderr);
        for (const QByteArray& word : QByteArray(buffer, int(n)).simplified().split(' ')) {
            if (word == "silent") {
                simulator.fall_silent();
            } else if (word == "resume") {
                simulator.resume();
            } else if (word == "unplug") {
                simulator.unplug();
            } else if (word == "plug") {
                if (!simulator.plug_in()) err << "eqbond-sim: no pseudo-terminal available\n";
            } else if (word == "test") {
                simulator.start_live_readings();
            } else if (word == "quit") {
                QCoreApplication::quit();
            } else if (!word.isEmpty()) {
                err << "eqbond-sim: commands are silent, resume, unplug, plug, test, quit\n";
            }
        }
    });
}

// Ctrl-C or kill end the event loop, so the link is removed on the way out: left behind it
// would point at a pseudo-terminal number that another program may get next.
int quit_pipe[2] = {-1, -1};

void on_quit_signal(int) {
    const char byte = 1;
    const ssize_t written = ::write(quit_pipe[1], &byte, 1);
    (void)written;
}

bool quit_on_signals(QObject* context) {
    if (::pipe(quit_pipe) != 0) return false;
    auto* notifier = new QSocketNotifier(quit_pipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    std::signal(SIGINT, on_quit_signal);
    std::signal(SIGTERM, on_quit_signal);
    return true;
}

bool link_made(const QString& link, const QString& pts_path) {
    return link.isEmpty() || QFileInfo(link).symLinkTarget() == pts_path;
}

// --replay: the instrument's side of a wire trace. A trace that cannot be read stops here with
// the number of its first bad line and what that line should have held.
int run_replay(const eqbond::sim::CommandLine& command) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    const eqbond::trace::ParsedTrace trace = eqbond::trace::read_trace(command.replay_path);
    if (!trace.ok()) {
        err << "eqbond-sim: " << command.replay_path;
        if (trace.bad_line > 0) err << ":" << trace.bad_line;
        err << ": " << trace.expected << "\n";
        return 2;
    }
    using eqbond::sim::ReplayInstrument;
    ReplayInstrument instrument(eqbond::sim::ReplayScript::from_trace(trace.lines), command.fast,
                                command.config.link_path);
    if (!instrument.start()) {
        err << "eqbond-sim: no pseudo-terminal available\n";
        return 1;
    }
    if (!link_made(command.config.link_path, instrument.pts_path())) {
        err << "eqbond-sim: cannot make the link " << command.config.link_path << "\n";
        return 1;
    }
    QObject::connect(&instrument, &ReplayInstrument::played_out, [&err] {
        err << "eqbond-sim: the trace has been played to its end" << Qt::endl;
    });
    QObject::connect(&instrument, &ReplayInstrument::unplugged,
                     [&err] { err << "eqbond-sim: unplugged" << Qt::endl; });
    QObject::connect(&instrument, &ReplayInstrument::plugged_in_again, [&err, &instrument] {
        err << "eqbond-sim: back on " << instrument.pts_path() << Qt::endl;
    });
    quit_on_signals(&instrument);
    out << instrument.device_path() << Qt::endl;
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const eqbond::sim::CommandLine command = eqbond::sim::parse_command_line(app.arguments());
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!command.error.isEmpty()) {
        err << "eqbond-sim: " << command.error << "\nTry eqbond-sim --help.\n";
        return 2;
    }
    if (command.show_help) {
        out << QString(command.help_text)
                   .replace(QLatin1String("<executable_name>"), QLatin1String("eqbond-sim"));
        return 0;
    }
    if (!command.replay_path.isEmpty()) return run_replay(command);
    eqbond::sim::InstrumentSimulator simulator(command.config);
    if (!simulator.start()) {
        err << "eqbond-sim: no pseudo-terminal available\n";
        return 1;
    }
    const QString link = command.config.link_path;
    if (!link_made(link, simulator.pts_path())) {
        err << "eqbond-sim: cannot make the link " << link << "\n";
        return 1;
    }
    QObject::connect(&simulator, &eqbond::sim::InstrumentSimulator::unplugged,
                     [&err] { err << "eqbond-sim: unplugged" << Qt::endl; });
    QObject::connect(
        &simulator, &eqbond::sim::InstrumentSimulator::plugged_in_again,
        [&err, &simulator] { err << "eqbond-sim: back on " << simulator.pts_path() << Qt::endl; });
    quit_on_signals(&simulator);
    out << simulator.device_path() << Qt::endl;
    // Started with & from a shell, reading the terminal would stop the process; ignored, the
    // signal turns into a failed read that ends the console instead.
    ::signal(SIGTTIN, SIG_IGN);
    QSocketNotifier console(STDIN_FILENO, QSocketNotifier::Read);
    follow_console(simulator, console);
    return app.exec();
}
