#include "cli/download.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>
#include <functional>

#include "app/texts.h"
#include "cli/exit_codes.h"
#include "cli/pdf_output.h"
#include "cli/progress.h"
#include "cli/session_setup.h"
#include "link/instrument_buttons.h"
#include "link/qt_link_session.h"
#include "link/receive_dispatcher.h"
#include "report/csv_report.h"
#include "report/text_report.h"

namespace eqbond::cli {

namespace {

enum class ReadOutcome { Complete, LinkLost };

// Presses the read button and waits for the read to finish, or for `stall_ms` without a group.
ReadOutcome read_all_groups(LinkSession& session, int stall_ms, Progress& progress) {
    Program& program = session.program();
    const LinkState& link = program.state.link;
    const int total = std::min(link.group_total, kLastReadableGroup);
    on_read_clicked(program);
    if (link.reading == 1 && (link.group_total == 0 || link.group_total == 65535)) {
        on_read_clicked(program);  // nothing stored: pause the read the button left open
        return ReadOutcome::Complete;
    }
    QElapsedTimer since_progress;
    since_progress.start();
    int last_next = link.next_group;
    const bool finished = session.wait_until(
        [&] {
            if (link.next_group != last_next) {
                last_next = link.next_group;
                since_progress.restart();
                progress.update(link.next_group - 1, total);
            }
            return link.reading == 0 || since_progress.elapsed() > stall_ms;
        },
        INT32_MAX);
    progress.finish(link.next_group - 1, total);
    return finished && link.reading == 0 ? ReadOutcome::Complete : ReadOutcome::LinkLost;
}

bool write_file(const QString& path, const std::function<bool(QSaveFile&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        print_error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (!write(file) || !file.commit()) {
        print_error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool write_bytes(const QString& path, const QByteArray& bytes) {
    return write_file(path, [&](QSaveFile& f) { return f.write(bytes) == bytes.size(); });
}

}  // namespace

int run_download(const DownloadOptions& options) {
    RecordedMessages messages;
    LinkSession session(port_table_for(options.ports), messages);
    if (!start_trace(session, options.trace_path)) return kWriteFailed;
    session.start();
    if (!wait_for_instrument(session, options.timeout_seconds)) {
        print_error(QStringLiteral("no instrument found within %1 s").arg(options.timeout_seconds));
        return kNoInstrument;
    }
    Progress progress(stderr, ::isatty(STDERR_FILENO) == 1);
    const ReadOutcome outcome = read_all_groups(session, options.timeout_seconds * 1000, progress);
    const ProgramState& state = session.program().state;
    const int read = state.link.next_group - 1;
    if (outcome == ReadOutcome::LinkLost) {
        print_error(QStringLiteral("the link was lost after %1 of %2 groups and did not come back "
                                   "within %3 s; nothing written")
                        .arg(read)
                        .arg(std::min(state.link.group_total, kLastReadableGroup))
                        .arg(options.timeout_seconds));
        return kLinkLost;
    }
    session.stop();

    const int first = options.first.value_or(1);
    const int last = options.last.value_or(read);
    bool written = true;
    if (!options.txt_path.isEmpty()) {
        written &= write_bytes(options.txt_path, text_report(state.records, state.link.next_group));
    }
    if (!options.csv_path.isEmpty()) {
        written &= write_bytes(options.csv_path, csv_report(state.records, first, last));
    }
    if (!options.pdf_path.isEmpty()) {
        QString error;
        if (!write_pdf_report(state.records, first, last, options.pdf_path, &error)) {
            print_error(QStringLiteral("cannot write %1: %2").arg(options.pdf_path, error));
            written = false;
        }
    }
    if (!written) return kWriteFailed;
    QTextStream(stderr) << "eqbond-cli: " << read << " groups read\n";
    return kDone;
}

}  // namespace eqbond::cli
