#pragma once
// One round of pushing issued reports: every revision issued here that the team archive has not
// taken yet goes to it, one transaction each, and is marked pushed after its commit. Used by
// eqbond-cli team push and by the background pusher, after the downloads.
#include <QDateTime>
#include <optional>
#include <vector>

#include "issued/issued_report.h"
#include "team/team_fault.h"

namespace eqbond {

// The local archive's issued revisions that wait for the team archive.
class IssuedQueue {
  public:
    virtual ~IssuedQueue() = default;
    // The revisions not yet pushed, by number then revision; nothing on a fault.
    virtual std::optional<std::vector<NumberedRevision>> waiting_issued() = 0;
    // The revision whole; nothing on a fault.
    virtual std::optional<IssuedReport> issued(const NumberedRevision& id) = 0;
    virtual bool mark_issued_pushed(const NumberedRevision& id, const QDateTime& when) = 0;
};

// What the team archive made of an issued revision.
enum class IssuedArrival {
    Added,
    AlreadyThere,     // the same bytes: pushed before, from here or another laptop
    OtherBytesThere,  // another report of this number and revision: nothing written
};

// The server as a push of issued reports sees it.
class TeamIssuing {
  public:
    virtual ~TeamIssuing() = default;
    virtual const std::optional<TeamFault>& fault() const = 0;
    // Nothing on a fault.
    virtual std::optional<IssuedArrival> push_issued(const IssuedReport& report) = 0;
};

struct RefusedIssued {
    NumberedRevision id;
    // Why: the server's fault, or none when it holds another report of the number and revision.
    std::optional<TeamFault> fault;
};

struct IssuedPushRound {
    int pushed = 0;   // revisions the server holds now that waited before
    int waiting = 0;  // revisions still waiting after the round
    // Why the round stopped; the refusals of single revisions are in `refused`.
    std::optional<TeamFault> fault;
    bool local_fault = false;
    std::vector<RefusedIssued> refused;  // they keep waiting
};

// A revision the server refuses keeps waiting and the round goes on; any other fault ends it.
IssuedPushRound push_issued_waiting(IssuedQueue& queue, TeamIssuing& server);

// The line that names a refused revision and why, as `team push` prints it.
QString refused_issued_text(const RefusedIssued& refused);
// The refusal as the background pusher reports it, naming the revision.
TeamFault issued_refusal(const RefusedIssued& refused);

}  // namespace eqbond
