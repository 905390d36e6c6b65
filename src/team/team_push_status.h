#pragma once
// What the background pusher reports: how many downloads wait and why the server cannot be used.
#include <QDateTime>
#include <QMetaType>
#include <chrono>
#include <optional>

#include "team/team_fault.h"
#include "team/team_server_address.h"

namespace eqbond {

struct TeamPushStatus {
    int waiting = 0;
    std::optional<QDateTime> last_push;
    // Why the last attempt failed; none after one that worked.
    std::optional<TeamFault> fault;
    // When the server first failed in the run of faults that still lasts.
    std::optional<QDateTime> fault_since;
    // How long until the next attempt after a fault; zero when none is planned.
    std::chrono::milliseconds retry_in{0};
    int attempts = 0;  // rounds tried since the start, for the curious and the tests
    // Downloads the last round's pull changed in the local archive, through its own connection:
    // the window shows them anew.
    int pulled = 0;
    int conflicts = 0;  // fields the last round found in conflict, marked in the local archive
};

// The pause after `failures` failed rounds in a row: base, twice that, four times ... at most
// sixty times the base (5 s up to 5 min).
std::chrono::milliseconds team_retry_pause(int failures, std::chrono::milliseconds base);

// The address with a bound on connecting when it gives none: libpq would otherwise wait for a
// silent host as long as the system does, and closing the program waits for the pusher.
TeamServerAddress with_connect_timeout(TeamServerAddress address);

}  // namespace eqbond

Q_DECLARE_METATYPE(eqbond::TeamPushStatus)
Q_DECLARE_METATYPE(eqbond::TeamFault)
