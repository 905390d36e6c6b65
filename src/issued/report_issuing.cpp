#include "issued/report_issuing.h"

#include "issued/issued_content.h"

namespace eqbond {

IssueDecision decide_issue(const std::vector<IssuedReport>& revisions, const QByteArray& content,
                           const QString& reason) {
    if (revisions.empty()) return {IssueStep::First, std::nullopt, {}};
    const IssuedReport& latest = revisions.back();
    if (latest.content == content) return {IssueStep::AlreadyIssued, latest, {}};
    const QStringList changes = content_changes(latest.content, content);
    return {reason.isEmpty() ? IssueStep::NeedsReason : IssueStep::Amend, latest, changes};
}

}  // namespace eqbond
