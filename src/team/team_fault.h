#pragma once
// Why the team archive cannot be used or refused a change.
#include <QString>

namespace eqbond {

enum class TeamFaultKind {
    NoDriver,              // Qt's PostgreSQL driver is not installed
    BadAddress,            // the server's address cannot be read
    Unreachable,           // no server answers there
    AuthenticationFailed,  // wrong password, unknown role
    NoPermission,          // the role may not use the team archive
    LayoutNewer,           // a newer eqbond set the server up
    NotTeamArchive,        // the database is no eqbond team archive
    RefusedByRules,        // the server's rules refuse this change to this role
    Busy,                  // a lock or a statement took too long: tried again later
    DeletedThere,          // the download was deleted on the server and does not come back
    Failed,                // any other database error
};

struct TeamFault {
    TeamFaultKind kind = TeamFaultKind::Failed;
    QString detail;  // the server's own words, for the curious
};

// A fault of one download (the rules refuse it, it was deleted there, a text the server cannot
// take), after which the others are still pushed; any other fault is the server's.
bool refuses_one_download(TeamFaultKind kind);

// Why a login failed, from the words libpq gives: a failed login carries no SQLSTATE through the
// driver. The words may be English or, from a Chinese desktop or server, Simplified Chinese.
TeamFaultKind team_login_fault_kind(const QString& words);

// The reason in words, with the server's own words after it.
QString team_fault_reason(const TeamFault& fault);

}  // namespace eqbond
