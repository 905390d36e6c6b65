#include "archive/team_fault.h"

namespace eqbond {

QString team_fault_reason(const TeamFault& fault) {
    QString reason;
    switch (fault.kind) {
        case TeamFaultKind::NoDriver:
            reason = QStringLiteral("Qt's PostgreSQL driver is not installed");
            break;
        case TeamFaultKind::BadAddress:
            reason = QStringLiteral("the server's address cannot be read");
            break;
        case TeamFaultKind::Unreachable:
            reason = QStringLiteral("the server cannot be reached");
            break;
        case TeamFaultKind::AuthenticationFailed:
            reason = QStringLiteral("authentication failed");
            break;
        case TeamFaultKind::NoPermission:
            reason = QStringLiteral("no permission to use the team archive");
            break;
        case TeamFaultKind::LayoutNewer:
            reason = QStringLiteral("a newer eqbond set the team archive up; update this one");
            break;
        case TeamFaultKind::NotTeamArchive:
            reason = QStringLiteral("the database is not an eqbond team archive");
            break;
        case TeamFaultKind::RefusedByRules:
            reason = QStringLiteral("the server's rules refuse this change");
            break;
        case TeamFaultKind::Failed:
            reason = QStringLiteral("database error");
            break;
    }
    const QString detail = fault.detail.trimmed();
    return detail.isEmpty() ? reason : reason + QStringLiteral(" (%1)").arg(detail);
}

}  // namespace eqbond
