#include "team/team_pull_round.h"

namespace eqbond {

namespace {

enum class PullStep { Done, ServerFault, LocalFault };

// One download the server holds at `revision`, newer than the one this computer had.
PullStep pull_one(PushQueue& queue, TeamPulling& server, const HadDownload& had, int64_t revision,
                  PullRound& round) {
    const std::optional<StoredTeamDownload> there = server.load(had.uuid);
    if (!there) {
        if (server.fault()) return PullStep::ServerFault;
        round.deleted_there.push_back(had.uuid);  // deleted since the revisions were read
        return queue.mark_deleted_there(had.id) ? PullStep::Done : PullStep::LocalFault;
    }
    std::optional<std::map<QString, QString>> changed_there =
        server.changes_since(had.uuid, had.revision);
    if (!changed_there) return PullStep::ServerFault;
    const std::optional<TeamDownload> here = queue.team_download(had.id);
    if (!here) return PullStep::LocalFault;
    TeamMerge merge = merge_download(*here, there->download, *changed_there);
    const std::vector<TeamConflict> conflicts = merge.conflicts;
    if (!conflicts.empty()) {
        round.conflicts.insert(round.conflicts.end(), conflicts.begin(), conflicts.end());
        // The rest is taken; the revision stays, so the conflicts are merged (and named) again.
        for (const TeamConflict& conflict : conflicts) changed_there->erase(conflict.field);
        merge = merge_download(*here, there->download, *changed_there);
        revision = had.revision;
    }
    if (!queue.keep_server_side(had.id, revision,
                                merge.taken_from_server ? &merge.merged : nullptr) ||
        (!conflicts.empty() && !queue.keep_conflicts(had.id, conflicts)))
        return PullStep::LocalFault;
    if (merge.taken_from_server) ++round.pulled;
    return PullStep::Done;
}

}  // namespace

PullRound pull_changed(PushQueue& queue, TeamPulling& server) {
    PullRound round;
    const std::optional<std::vector<HadDownload>> had = queue.had_by_server();
    if (!had) {
        round.local_fault = true;
        return round;
    }
    if (had->empty()) return round;
    std::vector<QString> uuids;
    for (const HadDownload& one : *had) uuids.push_back(one.uuid);
    const std::optional<std::map<QString, int64_t>> revisions = server.revisions(uuids);
    if (!revisions) {
        round.fault = server.fault();
        return round;
    }
    for (const HadDownload& one : *had) {
        const auto there = revisions->find(one.uuid);
        if (there == revisions->end()) {
            round.deleted_there.push_back(one.uuid);
            if (!queue.mark_deleted_there(one.id)) {
                round.local_fault = true;
                break;
            }
            continue;
        }
        if (there->second <= one.revision) continue;
        const PullStep step = pull_one(queue, server, one, there->second, round);
        if (step == PullStep::ServerFault) {
            round.fault = server.fault();
            break;
        }
        if (step == PullStep::LocalFault) {
            round.local_fault = true;
            break;
        }
    }
    return round;
}

}  // namespace eqbond
