#include "cli/team_push_command.h"

#include <QFileInfo>
#include <QTextStream>

#include "archive/qt_sqlite_file.h"
#include "base/visible_text.h"
#include "cli/archive_command.h"
#include "cli/exit_codes.h"
#include "cli/session_setup.h"
#include "team/issued_push_round.h"
#include "team/qt_sqlite_issued_queue.h"
#include "team/qt_sqlite_push_queue.h"
#include "team/qt_team_register_round.h"
#include "team/team_pull_round.h"
#include "team/team_push_round.h"

namespace eqbond::cli {

namespace {

void print_deleted_there(const QString& uuid, const TeamFault& fault) {
    print_error(
        QStringLiteral("refused: %1: %2").arg(uuid, visible_text(team_fault_reason(fault))));
}

// One a line, as they are, for a script to read.
void print_conflicts(const std::vector<TeamConflict>& conflicts) {
    QTextStream errors(stderr);
    for (const TeamConflict& conflict : conflicts) errors << conflict_line(conflict) << '\n';
    errors.flush();
}

int server_unusable(const TeamServerAddress& address, const TeamFault& fault) {
    print_error(QStringLiteral("team archive %1 unusable: %2")
                    .arg(address.shown(), visible_text(team_fault_reason(fault))));
    return kTeamUnusable;
}

}  // namespace

int push_archive(QtTeamStore& store, const TeamServerAddress& address,
                 const QString& archive_file) {
    QtSqliteFile archive;
    if (!open_archive(archive, archive_file)) return kArchiveUnusable;
    QtSqlitePushQueue queue(archive);
    const PushRound round = push_waiting(queue, store);
    QTextStream(stdout) << "pushed: " << round.pushed << '\n'
                        << "waiting: " << round.waiting << '\n';
    if (round.local_fault) {
        print_archive_fault(archive);
        return kArchiveUnusable;
    }
    // Each download the server refused, by name; the others went.
    bool deleted_there = false;
    for (const RefusedDownload& one : round.refused) {
        print_deleted_there(one.uuid, one.fault);
        deleted_there |= one.fault.kind == TeamFaultKind::DeletedThere;
    }
    if (round.fault && !refuses_one_download(round.fault->kind))
        return server_unusable(address, *round.fault);
    print_conflicts(round.conflicts);
    // The reports issued here, after the downloads they tell of.
    QtSqliteIssuedQueue issued_queue(archive);
    const IssuedPushRound issued = push_issued_waiting(issued_queue, store);
    QTextStream(stdout) << "reports pushed: " << issued.pushed << '\n'
                        << "reports waiting: " << issued.waiting << '\n';
    if (issued.local_fault) {
        print_archive_fault(archive);
        return kArchiveUnusable;
    }
    for (const RefusedIssued& one : issued.refused)
        print_error(QStringLiteral("refused: %1").arg(visible_text(refused_issued_text(one))));
    if (issued.fault) return server_unusable(address, *issued.fault);
    QtSqlitePlanning planning(archive);
    const RegisterRound instruments = exchange_register(store, planning);
    if (instruments.local_fault) {
        print_archive_fault(archive);
        return kArchiveUnusable;
    }
    if (instruments.fault) return server_unusable(address, *instruments.fault);
    if (deleted_there || !round.conflicts.empty()) return kConflict;
    return round.refused.empty() && issued.refused.empty() ? kDone : kTeamUnusable;
}

int pull_archive(QtTeamStore& store, const TeamServerAddress& address,
                 const QString& archive_file) {
    QtSqliteFile archive;
    if (!open_archive(archive, archive_file)) return kArchiveUnusable;
    QtSqlitePushQueue queue(archive);
    const PullRound round = pull_changed(queue, store);
    QTextStream(stdout) << "pulled: " << round.pulled << '\n';
    if (round.local_fault) {
        print_archive_fault(archive);
        return kArchiveUnusable;
    }
    for (const QString& uuid : round.deleted_there)
        print_deleted_there(uuid, {TeamFaultKind::DeletedThere, {}});
    print_conflicts(round.conflicts);
    if (round.fault) return server_unusable(address, *round.fault);
    return round.deleted_there.empty() && round.conflicts.empty() ? kDone : kConflict;
}

int print_waiting(const QString& archive_file) {
    QTextStream out(stdout);
    // Asking is no reason to make an archive.
    if (!QFileInfo::exists(archive_file)) {
        out << "waiting: 0\nlast push: never\nreports waiting: 0\n";
        return kDone;
    }
    QtSqliteFile archive;
    if (!open_archive(archive, archive_file)) return kArchiveUnusable;
    QtSqlitePushQueue queue(archive);
    const auto waiting = queue.waiting();
    const std::optional<QDateTime> last = queue.last_push();
    const auto reports = QtSqliteIssuedQueue(archive).waiting_issued();
    if (!waiting || !reports || archive.fault()) {
        print_archive_fault(archive);
        return kArchiveUnusable;
    }
    out << "waiting: " << waiting->size() << '\n'
        << "last push: " << (last ? last->toUTC().toString(Qt::ISODate) : QStringLiteral("never"))
        << '\n'
        << "reports waiting: " << reports->size() << '\n';
    return kDone;
}

}  // namespace eqbond::cli
