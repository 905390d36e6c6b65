#pragma once
// The lab's instrument register between this computer and the team: an admin's push sends the
// local register first (an inspector's leaves the team's alone), then the team's entries are
// taken into the local archive, the team's winning for every serial it has.
#include <optional>

#include "inspection/qt_sqlite_planning.h"
#include "team/qt_team_store.h"

namespace eqbond {

struct RegisterRound {
    bool sent = false;  // the local register went to the server
    int taken = 0;      // entries the local archive took from the team's
    bool local_fault = false;
    std::optional<TeamFault> fault;  // the server's
};

RegisterRound exchange_register(QtTeamStore& server, QtSqlitePlanning& local);

}  // namespace eqbond
