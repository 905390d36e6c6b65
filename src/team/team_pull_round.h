#pragma once
// One round of pulling: every download the server has had from this computer and changed since
// takes here what changed only there, field by field as a push merges. Used by eqbond-cli team
// pull and by the background pusher after each push.
#include <QString>
#include <optional>
#include <vector>

#include "team/team_ports.h"

namespace eqbond {

struct PullRound {
    int pulled = 0;  // downloads changed here
    // Why the round stopped; the downloads before it were pulled.
    std::optional<TeamFault> fault;
    bool local_fault = false;  // the local archive could not be read or written
    // Fields changed here and on the server to different values: each side keeps its own, and
    // this computer keeps the revision it had, so a push names them again.
    std::vector<TeamConflict> conflicts;
    std::vector<QString> deleted_there;  // kept here, never brought back by a pull
};

PullRound pull_changed(PushQueue& queue, TeamPulling& server);

}  // namespace eqbond
