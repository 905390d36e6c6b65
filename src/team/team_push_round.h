#pragma once
// One round of pushing: every download waiting in the local archive goes to the team archive,
// one transaction each, and is marked pushed after its commit. Used by eqbond-cli team push and
// by the background pusher.
#include <QDateTime>
#include <optional>
#include <vector>

#include "team/team_ports.h"

namespace eqbond {

struct RefusedDownload {
    QString uuid;
    TeamFault fault;
};

struct PushRound {
    int pushed = 0;   // downloads the server committed in this round
    int waiting = 0;  // downloads still waiting after it
    // Why the round stopped or a download was refused; the others still went.
    std::optional<TeamFault> fault;
    bool local_fault = false;              // the local archive could not be read or marked
    std::vector<RefusedDownload> refused;  // the downloads the server refused, and why
    // Fields changed here and on the server to different values: the server kept its value, the
    // download its own and keeps waiting.
    std::vector<TeamConflict> conflicts;
};

// A download the server refuses (its rules, a text it cannot take) keeps waiting and the round
// goes on; one deleted there is kept here, marked so, and waits no more; any other fault ends the
// round. A download the server changed since this computer last had it is merged: what changed only
// there is taken here.
PushRound push_waiting(PushQueue& queue, TeamPushing& server);

}  // namespace eqbond
