#pragma once
// One round of bringing the copy of the team archive up to date: the changes made in the team
// view go to the server first (its rules decide), then every download the server holds that the
// copy lacks or holds in an older push is copied: its summary alone, or whole when the copy held
// it whole (it was opened here); those the server no longer holds are dropped, and the team's
// plans replace the copy's. A change the server refused is replaced by the server's own download.
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "team/team_ports.h"

namespace eqbond {

struct TeamCopyRound {
    int copied = 0;  // downloads copied anew
    // Why the round stopped, or the refusal of a change made in the team view.
    std::optional<TeamFault> fault;
    bool local_fault = false;  // the copy could not be read or written
};

// `plans` are those kept in the team view since the last round: each one the server took, or
// refused, leaves the list; those left wait for the next round. `batch_kept` is told after each
// page of summaries the server gave is in the copy, newest first, so that a view can show them
// meanwhile. Once `closing` is set (the view closes), the round ends after the page it is on:
// each page is in the copy whole, and the next round takes up what this one left.
TeamCopyRound bring_team_copy_up_to_date(TeamCopyStore& copy, TeamCopying& server,
                                         std::vector<TeamPlan>& plans,
                                         const std::function<void()>& batch_kept = {},
                                         const std::atomic<bool>* closing = nullptr);

}  // namespace eqbond
