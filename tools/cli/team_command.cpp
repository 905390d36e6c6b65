#include "cli/team_command.h"

#include <QTextStream>

#include "archive/archive_export.h"
#include "base/value_format.h"
#include "base/visible_text.h"
#include "cli/exit_codes.h"
#include "cli/planning_command.h"
#include "cli/session_setup.h"
#include "cli/team_due.h"
#include "cli/team_push_command.h"
#include "team/qt_team_setup.h"
#include "team/qt_team_store.h"
#include "team/team_schema.h"

namespace eqbond::cli {

namespace {

int unusable(const TeamServerAddress& address, const TeamFault& fault) {
    print_error(QStringLiteral("team archive %1 unusable: %2")
                    .arg(address.shown(), visible_text(team_fault_reason(fault))));
    return kTeamUnusable;
}

// One tab-separated line, each field with its control characters escaped: a field from the
// server can neither add a line nor a field.
void print_fields(QTextStream& out, const QStringList& fields) {
    QStringList shown;
    for (const QString& field : fields) shown << visible_text(field);
    out << shown.join(QLatin1Char('\t')) << '\n';
}

void print_history(const std::vector<TeamHistoryEntry>& entries) {
    QTextStream out(stdout);
    for (const TeamHistoryEntry& e : entries) out << team_history_line(e) << '\n';
}

// uuid, owner, started, site, location, inspector, groups held, how it ended, lowest, highest.
void print_list(const std::vector<TeamDownloadSummary>& downloads) {
    QTextStream out(stdout);
    for (const TeamDownloadSummary& s : downloads) {
        const QStringList fields{s.uuid,
                                 s.owner,
                                 started_text(s.download),
                                 s.site_name,
                                 s.location,
                                 s.inspector,
                                 QString::number(s.groups_held),
                                 s.download.end == DownloadEnd::Complete
                                     ? QStringLiteral("complete")
                                     : QStringLiteral("abandoned"),
                                 measured_resistance(s.lowest_milliohm).trimmed(),
                                 measured_resistance(s.highest_milliohm).trimmed()};
        print_fields(out, fields);
    }
}

int set_up(const TeamServerAddress& address) {
    const TeamSetUpOutcome outcome = set_up_team_archive(address);
    if (!outcome.done) return unusable(address, *outcome.fault);
    QTextStream out(stdout);
    if (outcome.done->from_version == 0)
        out << "team archive " << address.shown() << " set up, layout " << outcome.done->to_version
            << '\n';
    else
        out << "team archive " << address.shown() << " at layout " << outcome.done->to_version
            << " (was " << outcome.done->from_version << ")\n";
    return kDone;
}

int with_store(const TeamOptions& options, const TeamServerAddress& address) {
    QtTeamStore store;
    if (!store.connect(address)) {
        const int code = unusable(address, *store.fault());
        // A status is the command's output whatever the server's state: what waits for it.
        if (options.action == TeamAction::Status) print_waiting(options.archive_file);
        return code;
    }
    QTextStream out(stdout);
    int code = kDone;
    switch (options.action) {
        case TeamAction::SetUp:
            break;
        case TeamAction::Status: {
            const auto downloads = store.list({});
            if (!downloads) break;
            out << "server: " << address.shown() << '\n'
                << "role: " << store.role() << '\n'
                << "layout: " << team_schema::kVersion << '\n'
                << "downloads: " << downloads->size() << '\n'
                << "reachable: yes" << '\n';
            out.flush();
            code = print_waiting(options.archive_file);
            break;
        }
        case TeamAction::Push:
            // Says itself what the server refused and why.
            return push_archive(store, address, options.archive_file);
        case TeamAction::Pull:
            return pull_archive(store, address, options.archive_file);
        case TeamAction::List:
            if (const auto downloads = store.list({options.site, options.inspector}))
                print_list(*downloads);
            break;
        case TeamAction::Due:
            if (const auto locations = team_locations(store, options.site, options.archive_file)) {
                for (const DueLine& line :
                     due_lines(*locations, QDate::currentDate(), options.within_days))
                    out << due_line_text(line) << '\n';
            }
            break;
        case TeamAction::Export: {
            const std::optional<StoredTeamDownload> stored = store.load(options.uuid);
            if (!stored) {
                if (store.fault()) break;
                print_error(
                    QStringLiteral("the team archive holds no download %1").arg(options.uuid));
                return kBadUsage;
            }
            const Inspection download = inspection_of(stored->download);
            // Compared across inspectors: the same site, location and test point.
            const std::optional<PreviousValues> previous = store.previous_values(options.uuid);
            if (!previous) break;
            code = write_exported_files(download, options.paths, options.limit, *previous);
            break;
        }
        case TeamAction::Describe:
            if (!store.describe(options.uuid, options.details) && !store.fault()) {
                print_error(
                    QStringLiteral("the team archive holds no download %1").arg(options.uuid));
                return kBadUsage;
            }
            break;
        case TeamAction::Label:
            if (!store.label(options.uuid, options.group, options.point, options.point_limit) &&
                !store.fault()) {
                print_error(QStringLiteral("the team archive holds no group %1 of download %2")
                                .arg(options.group)
                                .arg(options.uuid));
                return kBadUsage;
            }
            break;
        case TeamAction::People:
            if (options.person) {
                store.keep_person(options.person->first, options.person->second);
            } else if (const auto people = store.people()) {
                for (const auto& [role, name] : *people) print_fields(out, {role, name});
            }
            break;
        case TeamAction::History:
            if (const auto entries = store.history(options.uuid)) print_history(*entries);
            break;
        case TeamAction::Delete:
            if (!store.remove(options.uuid) && !store.fault()) {
                print_error(
                    QStringLiteral("the team archive holds no download %1").arg(options.uuid));
                return kBadUsage;
            }
            break;
    }
    if (store.fault()) return unusable(address, *store.fault());
    return code;
}

}  // namespace

int print_roles_sql() {
    QTextStream(stdout) << team_schema::kRolesSql;
    return kDone;
}

int with_team_store(const QString& server, const std::function<int(QtTeamStore& store)>& work) {
    QString why;
    const std::optional<TeamServerAddress> address = read_team_server_address(server, &why);
    if (!address) {
        print_error(QStringLiteral("team archive unusable: %1")
                        .arg(team_fault_reason({TeamFaultKind::BadAddress, why})));
        return kTeamUnusable;
    }
    QtTeamStore store;
    if (!store.connect(*address)) return unusable(*address, *store.fault());
    const int code = work(store);
    if (store.fault()) return unusable(*address, *store.fault());
    return code;
}

int run_team(const TeamOptions& options) {
    QString why;
    const std::optional<TeamServerAddress> address = read_team_server_address(options.server, &why);
    if (!address) {
        // The text as given may hold a password: only the reason is shown.
        print_error(QStringLiteral("team archive unusable: %1")
                        .arg(team_fault_reason({TeamFaultKind::BadAddress, why})));
        return kTeamUnusable;
    }
    if (options.action == TeamAction::SetUp) return set_up(*address);
    return with_store(options, *address);
}

}  // namespace eqbond::cli
