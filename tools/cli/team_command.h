#pragma once
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "archive/bonding_limit.h"
#include "cli/exported_files.h"
#include "inspection/retest.h"
#include "team/team_download.h"

namespace eqbond {
class QtTeamStore;
}

namespace eqbond::cli {

enum class TeamAction {
    SetUp,
    Status,
    Push,
    Pull,
    List,
    Export,
    Delete,
    History,
    Describe,
    Label,
    Due,
    People
};

struct TeamOptions {
    TeamAction action = TeamAction::Status;
    QString server;           // the address as given: a URI or key=value words
    QString archive_file;     // the local archive of push, pull and status
    QString uuid;             // the download to export, delete or show the history of
    QString site, inspector;  // the listing's filter; empty: any
    ExportPaths paths;
    TeamDetailsChange details;  // describe: the details given
    int group = 0;              // label: the group and its test point
    QString point;
    std::optional<JudgedLimit> point_limit;  // label: the test point's own limit
    std::optional<BondingLimit> limit;
    int within_days = kDefaultDueWithinDays;            // due
    std::optional<std::pair<QString, QString>> person;  // people: a role and the name it goes by
};

// eqbond-cli team setup | status | push | pull | list | due | export UUID | delete UUID |
// history UUID.
// Returns the exit code.
int run_team(const TeamOptions& options);

// `work` on the team archive named by `server` (a URI or key=value words), for a command outside
// `team`: a server that cannot be read, reached or used, then or during `work`, is said as the
// team commands say it, with their exit code.
int with_team_store(const QString& server, const std::function<int(QtTeamStore& store)>& work);

// The SQL the database's administrator runs once to make the group roles.
int print_roles_sql();

}  // namespace eqbond::cli
