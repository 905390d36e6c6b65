#include "team/team_push_round.h"

namespace eqbond {

PushRound push_waiting(PushQueue& queue, TeamPushing& server) {
    PushRound round;
    const std::optional<std::vector<WaitingDownload>> waiting = queue.waiting();
    if (!waiting) {
        round.local_fault = true;
        return round;
    }
    round.waiting = int(waiting->size());
    for (const WaitingDownload& one : *waiting) {
        const std::optional<TeamDownload> download = queue.team_download(one.id);
        if (!download) {
            // Deleted since it was listed: nothing left to push. A fault ends the round.
            if (queue.waiting()) {
                --round.waiting;
                continue;
            }
            round.local_fault = true;
            break;
        }
        if (!server.push(*download)) {
            round.fault = server.fault();
            if (round.fault && refuses_one_download(round.fault->kind)) {
                round.refused.push_back({one.uuid, *round.fault});
                // Named this once; kept here, it is not offered to the server again.
                if (round.fault->kind == TeamFaultKind::DeletedThere) {
                    if (!queue.mark_deleted_there(one.id)) {
                        round.local_fault = true;
                        break;
                    }
                    --round.waiting;
                }
                continue;
            }
            break;
        }
        ++round.pushed;
        const TeamMerge* merge = server.pushed_merge();
        if (merge && !merge->conflicts.empty()) {
            // Each side keeps its value; merged from the same base again next time, it is
            // named again until one side gives way.
            round.conflicts.insert(round.conflicts.end(), merge->conflicts.begin(),
                                   merge->conflicts.end());
            if (!queue.keep_conflicts(one.id, merge->conflicts)) {
                round.local_fault = true;
                break;
            }
            continue;
        }
        // Not marked when it changed during the push: it goes again in the next round. Not marked
        // for a fault: the round ends, and says so, as for a download it could not read.
        const Marking marking = queue.mark_pushed(one, QDateTime::currentDateTimeUtc());
        if (marking == Marking::Failed) {
            round.local_fault = true;
            break;
        }
        if (marking == Marking::Marked) --round.waiting;
        const bool taken = merge && merge->taken_from_server;
        if (!queue.keep_server_side(one.id, server.pushed_revision(),
                                    taken ? &merge->merged : nullptr)) {
            round.local_fault = true;
            break;
        }
    }
    return round;
}

}  // namespace eqbond
