#pragma once
// A download opened in the team view while the copy holds its summary alone: its groups are read
// from the server into the copy; then those of the downloads before it at its site and location
// (held by summary alone too), which its comparison and its test points' history need.
#include <QString>
#include <cstdint>
#include <optional>

#include "team/qt_sqlite_team_copy.h"
#include "team/team_ports.h"

namespace eqbond {

struct TeamFetch {
    int fetched = 0;  // downloads now held whole
    std::optional<TeamFault> fault;
    bool local_fault = false;  // the copy could not be read or written
};

// The download whole, when the copy holds its summary alone.
TeamFetch fetch_opened(QtSqliteTeamCopy& copy, TeamCopying& server, int64_t download_id,
                       const QString& uuid);
// Those before it at its site and location that the copy holds by summary alone, whole.
TeamFetch fetch_earlier(QtSqliteTeamCopy& copy, TeamCopying& server, int64_t download_id);

}  // namespace eqbond
