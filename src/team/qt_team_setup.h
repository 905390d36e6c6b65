#pragma once
// Makes a database a team archive, or brings its layout forward: the schema, the group roles
// eqbond_inspector and eqbond_admin, the grants and the row-level security, in one transaction.
// Run by a role that may create roles and schemas there (the database's owner with CREATEROLE,
// or a superuser).
#include <optional>

#include "team/team_fault.h"
#include "team/team_server_address.h"

namespace eqbond {

struct TeamSetUp {
    int from_version = 0;  // 0: the database held no team archive
    int to_version = 0;
};

// What was done, or the fault that left the database as it was.
struct TeamSetUpOutcome {
    std::optional<TeamSetUp> done;
    std::optional<TeamFault> fault;
};

TeamSetUpOutcome set_up_team_archive(const TeamServerAddress& address);

}  // namespace eqbond
