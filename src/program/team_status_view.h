#pragma once
// The archive window's status line of the team archive, computed from what the pusher reported.
#include <QString>
#include <optional>

#include "team/team_push_status.h"

namespace eqbond {

struct TeamStatusView {
    bool shown = false;  // only with a team server configured
    bool fault = false;  // drawn as a warning
    QString text;
};

// Empty text until the first round reports.
TeamStatusView team_status_view(bool configured, const std::optional<TeamPushStatus>& status);

// Why the team archive cannot be used, in the interface's language.
QString team_fault_text(TeamFaultKind kind);

}  // namespace eqbond
