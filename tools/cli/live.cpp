#include "cli/live.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>
#include <atomic>
#include <csignal>

#include "base/protocol.h"
#include "base/value_format.h"
#include "cli/exit_codes.h"
#include "cli/session_setup.h"
#include "program/event_wait.h"
#include "program/qt_link_session.h"
#include "report/csv_report.h"

namespace eqbond::cli {

namespace {
std::atomic<bool> interrupted{false};

void on_interrupt(int) {
    interrupted = true;
}
}  // namespace

int run_live(const LiveOptions& options) {
    RecordedMessages messages;
    LinkSession session(system_port_table(options.ports), messages);
    if (!start_trace(session, options.trace_path)) return kWriteFailed;
    session.start();
    std::signal(SIGINT, on_interrupt);
    std::signal(SIGTERM, on_interrupt);
    if (!wait_for_instrument(session, options.timeout_seconds)) {
        print_error(QStringLiteral("no instrument found within %1 s").arg(options.timeout_seconds));
        return kNoInstrument;
    }

    QTextStream out(stdout);
    out << csv_row({QStringLiteral("time"), QStringLiteral("milliohm"), QStringLiteral("text"),
                    QStringLiteral("kind")});
    out.flush();
    int printed = 0;
    session.after_receive = [&](const Program& program, const Reply& reply) {
        if (program.state.link.reading()) return;
        if (reply.kind != kind::kMeasurement && reply.kind != kind::kLeadResistance) return;
        if (options.count > 0 && printed >= options.count) return;
        const QString text = format_resistance(reply.value);
        out << csv_row({QDateTime::currentDateTime().toString(Qt::ISODate),
                        QString::number(reply.value), text,
                        reply.kind == kind::kMeasurement ? QStringLiteral("measurement")
                                                         : QStringLiteral("lead")});
        out.flush();
        ++printed;
    };
    bool link_was_up = true;
    wait_until(
        [&] {
            const bool up = session.program().state.link.linked;
            if (up != link_was_up) {
                print_error(up ? QStringLiteral("instrument found again")
                               : QStringLiteral("link lost; searching for the instrument"));
                link_was_up = up;
            }
            return interrupted.load() || (options.count > 0 && printed >= options.count);
        },
        INT32_MAX);
    session.after_receive = nullptr;
    return kDone;
}

}  // namespace eqbond::cli
