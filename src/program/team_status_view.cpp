#include "program/team_status_view.h"

#include "archive/archive_texts.h"
#include "team/team_texts.h"

namespace eqbond {

QString team_fault_text(TeamFaultKind kind) {
    switch (kind) {
        case TeamFaultKind::NoDriver:
            return text::kTeamNoDriver;
        case TeamFaultKind::BadAddress:
            return text::kTeamBadAddress;
        case TeamFaultKind::Unreachable:
            return text::kTeamUnreachable;
        case TeamFaultKind::AuthenticationFailed:
            return text::kTeamAuthenticationFailed;
        case TeamFaultKind::NoPermission:
            return text::kTeamNoPermission;
        case TeamFaultKind::LayoutNewer:
            return text::kTeamLayoutNewer;
        case TeamFaultKind::NotTeamArchive:
            return text::kTeamNotTeamArchive;
        case TeamFaultKind::RefusedByRules:
            return text::kTeamRefusedByRules;
        case TeamFaultKind::Busy:
            return text::kTeamBusy;
        case TeamFaultKind::DeletedThere:
            return text::kTeamDeletedThere;
        case TeamFaultKind::Failed:
            break;
    }
    return text::kFaultFailed;
}

TeamStatusView team_status_view(bool configured, const std::optional<TeamPushStatus>& status) {
    TeamStatusView view;
    view.shown = configured;
    if (!configured || !status) return view;
    if (status->fault) {
        view.fault = true;
        const QString why = team_fault_text(status->fault->kind);
        view.text = status->fault_since
                        ? text::kTeamUnusableSince.arg(why)
                              .arg(status->waiting)
                              .arg(status->fault_since->toString(QStringLiteral("HH:mm")))
                        : text::kTeamUnusable.arg(why).arg(status->waiting);
    } else if (status->waiting > 0) {
        view.text = text::kTeamWaiting.arg(status->waiting);
    } else {
        view.text = text::kTeamAllPushed;
    }
    return view;
}

}  // namespace eqbond
