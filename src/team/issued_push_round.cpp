#include "team/issued_push_round.h"

namespace eqbond {

IssuedPushRound push_issued_waiting(IssuedQueue& queue, TeamIssuing& server) {
    IssuedPushRound round;
    const std::optional<std::vector<NumberedRevision>> waiting = queue.waiting_issued();
    if (!waiting) {
        round.local_fault = true;
        return round;
    }
    round.waiting = int(waiting->size());
    for (const NumberedRevision& id : *waiting) {
        const std::optional<IssuedReport> report = queue.issued(id);
        if (!report) {
            round.local_fault = true;
            break;
        }
        const std::optional<IssuedArrival> arrival = server.push_issued(*report);
        if (!arrival) {
            const std::optional<TeamFault> fault = server.fault();
            if (fault && refuses_one_download(fault->kind)) {
                round.refused.push_back({id, fault});
                continue;
            }
            round.fault = fault;
            break;
        }
        if (*arrival == IssuedArrival::OtherBytesThere) {
            // The laptops share a prefix: each report keeps its own copy, and says so.
            round.refused.push_back({id, std::nullopt});
            continue;
        }
        if (!queue.mark_issued_pushed(id, QDateTime::currentDateTimeUtc())) {
            round.local_fault = true;
            break;
        }
        ++round.pushed;
        --round.waiting;
    }
    return round;
}

QString refused_issued_text(const RefusedIssued& refused) {
    return QStringLiteral("%1: %2").arg(
        numbered_revision_text(refused.id),
        refused.fault ? team_fault_reason(*refused.fault)
                      : QStringLiteral("the team archive holds another report of this number "
                                       "and revision"));
}

TeamFault issued_refusal(const RefusedIssued& refused) {
    if (!refused.fault) return {TeamFaultKind::RefusedByRules, refused_issued_text(refused)};
    return {refused.fault->kind, QStringLiteral("%1: %2").arg(numbered_revision_text(refused.id),
                                                              refused.fault->detail)};
}

}  // namespace eqbond
