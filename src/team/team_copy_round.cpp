#include "team/team_copy_round.h"

#include <algorithm>
#include <set>

#include "team/team_push_round.h"

namespace eqbond {

namespace {
bool refused_by_rules(const std::optional<TeamFault>& fault) {
    return fault && refuses_one_download(fault->kind);
}
}  // namespace

TeamCopyRound bring_team_copy_up_to_date(TeamCopyStore& copy, TeamCopying& server,
                                         std::vector<TeamPlan>& plans,
                                         const std::function<void()>& batch_kept,
                                         const std::atomic<bool>* closing) {
    const auto closed = [closing] { return closing && closing->load(); };
    TeamCopyRound round;
    while (!plans.empty()) {
        if (!server.keep_plan(plans.front())) {
            round.fault = server.fault();
            // A refusal stays a refusal: that plan is not offered again.
            if (!refused_by_rules(round.fault)) return round;
        }
        plans.erase(plans.begin());
    }
    const PushRound changes = push_waiting(copy, server);
    round.local_fault = changes.local_fault;
    if (changes.fault) round.fault = changes.fault;
    if (round.local_fault || (round.fault && !refused_by_rules(round.fault))) return round;

    const std::optional<std::map<QString, TeamCopyState>> held = copy.team_copies();
    if (!held) {
        round.local_fault = true;
        return round;
    }
    const auto refused = [&](const QString& uuid) {
        return std::any_of(changes.refused.begin(), changes.refused.end(),
                           [&](const RefusedDownload& one) { return one.uuid == uuid; });
    };
    std::set<QString> listed;
    std::vector<QString> opened_here;  // held whole and pushed again: copied whole after
    const bool read = server.summaries([&](const std::vector<TeamCopySummary>& page) {
        if (closed()) return false;
        std::vector<TeamCopySummary> batch;
        for (const TeamCopySummary& one : page) {
            const QString& uuid = one.stored.download.uuid;
            listed.insert(uuid);
            const auto here = held->find(uuid);
            if (here != held->end()) {
                // A change made here while this round ran goes in the next one; the server's
                // version replaces only a change it refused.
                const bool current =
                    here->second.pushed_ms == one.stored.pushed.toMSecsSinceEpoch() &&
                    !here->second.changed_here;
                if (current || (here->second.changed_here && !refused(uuid))) continue;
                if (here->second.whole) {
                    opened_here.push_back(uuid);
                    continue;
                }
            }
            batch.push_back({visible_copy(one.stored), one.groups_held, one.lowest_milliohm,
                             one.highest_milliohm});
        }
        if (batch.empty()) return true;
        if (!copy.keep_team_summaries(batch)) return false;
        round.copied += int(batch.size());
        if (batch_kept) batch_kept();
        return true;
    });
    if (closed()) return round;
    if (!read) {
        round.fault = server.fault();
        round.local_fault = !round.fault;
        return round;
    }
    for (const auto& [uuid, state] : *held) {
        if (listed.count(uuid)) continue;
        if (!copy.drop_team_copy(uuid)) {
            round.local_fault = true;
            return round;
        }
    }
    for (const QString& uuid : opened_here) {
        if (closed()) return round;
        const std::optional<StoredTeamDownload> stored = server.load(uuid);
        if (!stored) {
            if (server.fault()) {
                round.fault = server.fault();
                return round;
            }
            continue;  // deleted on the server since it was listed
        }
        if (!copy.keep_team_copy(visible_copy(*stored))) {
            round.local_fault = true;
            return round;
        }
        ++round.copied;
    }
    const std::optional<std::vector<TeamPlan>> team_plans = server.plans();
    if (!team_plans) {
        round.fault = server.fault();
    } else if (!copy.keep_team_plans(*team_plans)) {
        round.local_fault = true;
    }
    return round;
}

}  // namespace eqbond
