#include "issued/report_issuing.h"

#include <algorithm>

#include "issued/issued_content.h"

namespace eqbond {

namespace {
bool control_character(QChar c) {
    return c.category() == QChar::Other_Control;
}
}  // namespace

std::optional<QString> reason_problem(const QString& reason) {
    constexpr int kLongestReason = 2000;
    const bool other_control = std::any_of(reason.begin(), reason.end(), [](QChar c) {
        return control_character(c) && c != u'\n' && c != u'\r' && c != u'\t';
    });
    if (reason.size() > kLongestReason || other_control)
        return QStringLiteral(
                   "the reason takes at most %1 characters and no control characters "
                   "but line breaks and tabs")
            .arg(kLongestReason);
    return std::nullopt;
}

std::optional<QString> approver_problem(const QString& approver) {
    constexpr int kLongestName = 200;
    if (approver.size() > kLongestName ||
        std::any_of(approver.begin(), approver.end(), control_character))
        return QStringLiteral(
                   "the approver in the settings takes at most %1 characters and no "
                   "control characters")
            .arg(kLongestName);
    return std::nullopt;
}

IssueDecision decide_issue(const std::vector<IssuedReport>& revisions, const QByteArray& content,
                           const QString& reason) {
    if (revisions.empty()) return {IssueStep::First, std::nullopt, {}};
    const IssuedReport& latest = revisions.back();
    if (latest.content == content) return {IssueStep::AlreadyIssued, latest, {}};
    const QStringList changes = content_changes(latest.content, content);
    return {reason.isEmpty() ? IssueStep::NeedsReason : IssueStep::Amend, latest, changes};
}

}  // namespace eqbond
