#pragma once
// Whether asking for a download's report issues one: the first time revision 1 under a new
// number; unchanged, the latest revision as it was issued; changed, a new revision, but only
// with a reason to give for it.
#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

#include "issued/issued_report.h"

namespace eqbond {

enum class IssueStep {
    First,          // nothing issued yet: revision 1 under a new number
    AlreadyIssued,  // the latest revision says the same: its bytes again
    NeedsReason,    // it would say something else, and no reason was given
    Amend,          // a new revision replacing the latest, for the reason given
};

struct IssueDecision {
    IssueStep step = IssueStep::First;
    std::optional<IssuedReport> latest;
    QStringList changes;  // what the report would now say otherwise
};

// Why the team archive would never take a report carrying these texts (a reason of at most 2000
// characters that may run over lines; an approver's name of at most 200 on one line): checked
// before issuing, so that no report issued here waits for ever to reach the lab's archive.
std::optional<QString> reason_problem(const QString& reason);
std::optional<QString> approver_problem(const QString& approver);

// `revisions` oldest first; `reason` trimmed, empty when none was given.
IssueDecision decide_issue(const std::vector<IssuedReport>& revisions, const QByteArray& content,
                           const QString& reason);

}  // namespace eqbond
