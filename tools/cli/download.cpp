#include "cli/download.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

#include "archive/qt_sqlite_file.h"
#include "base/record_store.h"
#include "base/texts.h"
#include "cli/archive_command.h"
#include "cli/exit_codes.h"
#include "cli/file_output.h"
#include "cli/pdf_output.h"
#include "cli/progress.h"
#include "cli/session_setup.h"
#include "inspection/download_recorder.h"
#include "inspection/inspection_export.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_sqlite_inspections.h"
#include "inspection/test_plan.h"
#include "link/instrument_buttons.h"
#include "link/receive_dispatcher.h"
#include "program/event_wait.h"
#include "program/qt_link_session.h"
#include "report/csv_report.h"
#include "report/text_report.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#else
#include <io.h>
#endif

namespace eqbond::cli {

namespace {

// The progress line is redrawn in place on a terminal and written line by line elsewhere.
bool error_output_is_terminal() {
#ifdef Q_OS_UNIX
    return ::isatty(STDERR_FILENO) == 1;
#else
    return ::_isatty(::_fileno(stderr)) != 0;
#endif
}

enum class ReadOutcome { Complete, LinkLost };

// Presses the read button and waits for the read to finish. A read that paused itself because the
// instrument fell silent is continued once the instrument answers again; `stall_ms` without a new
// group ends the wait.
ReadOutcome read_all_groups(LinkSession& session, int stall_ms, Progress& progress) {
    Program& program = session.program();
    const LinkState& link = program.state.link;
    const int total = std::min(link.instrument_group_count, kLastReadableGroup);
    on_read_clicked(program);
    if (link.reading() && no_data_reported(link.instrument_group_count)) {
        on_read_clicked(program);  // nothing stored: pause the read the button left open
        return ReadOutcome::Complete;
    }
    QElapsedTimer since_progress;
    since_progress.start();
    int last_next = link.next_group;
    const auto stalled = [&] {
        if (link.next_group != last_next) {
            last_next = link.next_group;
            since_progress.restart();
            progress.update(link.next_group - 1, total);
        }
        return since_progress.elapsed() > stall_ms;
    };
    for (;;) {
        wait_until([&] { return stalled() || !link.reading(); }, INT32_MAX);
        if (link.read_state == ReadState::Idle) break;
        if (stalled()) return ReadOutcome::LinkLost;
        wait_until([&] { return stalled() || (link.linked && link.reply_seen); }, INT32_MAX);
        if (stalled()) return ReadOutcome::LinkLost;
        on_read_clicked(program);  // continue from the pending group
    }
    progress.finish(link.next_group - 1, total);
    return ReadOutcome::Complete;
}

}  // namespace

namespace {
// The groups read from `first` to `last` as the CSV file has them. With test points from a plan,
// the archive's export of the download (the previous inspection's values too, once archived).
QByteArray read_csv(const RecordStore& records, int first, int last,
                    const InspectionOptions& options, const QStringList& plan,
                    QtSqliteInspections& archive, std::optional<int64_t> archived) {
    std::optional<Inspection> read = archived ? archive.load(*archived) : std::nullopt;
    PreviousValues previous = read ? archive.previous_values(*archived) : PreviousValues{};
    if (!read) {
        read.emplace();
        for (int n = RecordStore::kFirstShown; n <= RecordStore::kLastShown; ++n)
            if (records.shown(n)) read->groups.push_back(records.at(n));
        PlannedPoints points = planned_points(plan, read->groups, options.plan_from);
        read->labels = std::move(points.labels);
        read->own_limits = std::move(points.limits);
    }
    if (read->labels.empty()) return csv_report(records, first, last);
    const auto outside = [&](const Group& g) { return g.number < first || g.number > last; };
    read->groups.erase(std::remove_if(read->groups.begin(), read->groups.end(), outside),
                       read->groups.end());
    return inspection_csv(*read, std::nullopt, previous);
}

// The inspector and instrument given are kept for the next download; one not given stays as kept.
void keep_defaults(const InspectionOptions& given) {
    if (!given.inspector && !given.instrument) return;
    const InspectionDefaults kept = saved_inspection_defaults();
    save_inspection_defaults({given.inspector.value_or(kept.inspector),
                              given.instrument.value_or(kept.instrument_serial)});
}
}  // namespace

int run_download(const DownloadOptions& options) {
    QStringList plan;
    if (!check_inspection_options(options.inspection, &plan)) return kBadUsage;
    // An archive that cannot be used is reported at the end; the read and the files go on.
    QtSqliteFile file;
    if (!options.archive_file.isEmpty()) file.open(options.archive_file);
    QtSqliteInspections archive(file);
    DownloadRecorder recorder(archive);
    recorder.give(new_inspection(options.inspection, plan));
    RecordedMessages messages;
    LinkSession session(system_port_table(options.ports), messages);
    if (!options.archive_file.isEmpty()) {
        session.program().ports.read_observer = &recorder;
    }
    if (!start_trace(session, options.trace_path)) return kWriteFailed;
    session.start();
    if (!wait_for_instrument(session, options.timeout_seconds)) {
        print_error(QStringLiteral("no instrument found within %1 s").arg(options.timeout_seconds));
        return kNoInstrument;
    }
    Progress progress(stderr, error_output_is_terminal());
    const ReadOutcome outcome = read_all_groups(session, options.timeout_seconds * 1000, progress);
    const ProgramState& state = session.program().state;
    const int read = state.link.next_group - 1;
    if (outcome == ReadOutcome::LinkLost) {
        recorder.read_given_up(session.program());  // what came is kept, marked incomplete
        print_error(QStringLiteral("the link was lost after %1 of %2 groups and did not come back "
                                   "within %3 s; nothing written")
                        .arg(read)
                        .arg(std::min(state.link.instrument_group_count, kLastReadableGroup))
                        .arg(options.timeout_seconds));
        print_archive_fault(archive);
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
        written &=
            write_bytes(options.csv_path, read_csv(state.records, first, last, options.inspection,
                                                   plan, archive, recorder.last_saved()));
    }
    if (!options.pdf_path.isEmpty()) {
        QString error;
        if (!write_pdf_report(state.records, first, last, options.pdf_path, &error)) {
            print_error(QStringLiteral("cannot write %1: %2").arg(options.pdf_path, error));
            written = false;
        }
    }
    if (!options.archive_file.isEmpty() && recorder.last_saved()) {
        keep_defaults(options.inspection);
        const std::optional<Inspection> saved = archive.load(*recorder.last_saved());
        if (saved && !options.inspection.plan_path.isEmpty())
            QTextStream(stderr) << "eqbond-cli: " << saved->labels.size()
                                << " groups labelled from group " << options.inspection.plan_from
                                << "\n";
    }
    print_archive_fault(archive);
    if (!written) return kWriteFailed;
    if (archive.fault()) return kArchiveUnusable;
    QTextStream(stderr) << "eqbond-cli: " << read << " groups read";
    if (!options.archive_file.isEmpty()) QTextStream(stderr) << ", archived in " << archive.file();
    QTextStream(stderr) << "\n";
    return kDone;
}

}  // namespace eqbond::cli
