#pragma once
#include <QString>
#include <optional>

#include "archive/bonding_limit.h"
#include "cli/exported_files.h"
#include "inspection/retest.h"

namespace eqbond::cli {

enum class TeamAction { SetUp, Status, Push, List, Export, Delete, Due };

struct TeamOptions {
    TeamAction action = TeamAction::Status;
    QString server;           // the address as given: a URI or key=value words
    QString archive_file;     // the local archive of push and status
    QString uuid;             // the download to export or delete
    QString site, inspector;  // the listing's filter; empty: any
    ExportPaths paths;
    std::optional<BondingLimit> limit;
    int within_days = kDefaultDueWithinDays;  // due
};

// eqbond-cli team setup | status | push | list | due | export UUID | delete UUID. Returns the
// exit code.
int run_team(const TeamOptions& options);

}  // namespace eqbond::cli
