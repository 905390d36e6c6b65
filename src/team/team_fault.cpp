#include "team/team_fault.h"

#include <initializer_list>

namespace eqbond {

namespace {
// Each pattern: phrases that must all be in the words, in libpq's and PostgreSQL's English and
// their Simplified Chinese translations.
struct LoginWords {
    std::initializer_list<const char*> phrases;
    TeamFaultKind kind;
};
const LoginWords kLoginWords[] = {
    {{"authentication failed"}, TeamFaultKind::AuthenticationFailed},
    {{"认证失败"}, TeamFaultKind::AuthenticationFailed},
    {{"no password supplied"}, TeamFaultKind::AuthenticationFailed},
    {{"pg_hba.conf"}, TeamFaultKind::AuthenticationFailed},
    {{"role \"", "does not exist"}, TeamFaultKind::AuthenticationFailed},
    {{"角色", "不存在"}, TeamFaultKind::AuthenticationFailed},
    {{"permission denied"}, TeamFaultKind::NoPermission},
    {{"权限不够"}, TeamFaultKind::NoPermission},
    {{"database \"", "does not exist"}, TeamFaultKind::NotTeamArchive},
    {{"数据库", "不存在"}, TeamFaultKind::NotTeamArchive},
};
}  // namespace

TeamFaultKind team_login_fault_kind(const QString& words) {
    for (const LoginWords& pattern : kLoginWords) {
        bool all = true;
        for (const char* phrase : pattern.phrases)
            all = all && words.contains(QString::fromUtf8(phrase), Qt::CaseInsensitive);
        if (all) return pattern.kind;
    }
    // Nothing the server said: no server answered.
    return TeamFaultKind::Unreachable;
}

bool refuses_one_download(TeamFaultKind kind) {
    return kind == TeamFaultKind::RefusedByRules || kind == TeamFaultKind::DeletedThere ||
           kind == TeamFaultKind::Failed;
}

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
        case TeamFaultKind::Busy:
            reason = QStringLiteral("server busy");
            break;
        case TeamFaultKind::DeletedThere:
            reason = QStringLiteral("deleted on the server");
            break;
        case TeamFaultKind::Failed:
            reason = QStringLiteral("database error");
            break;
    }
    const QString detail = fault.detail.trimmed();
    return detail.isEmpty() ? reason : reason + QStringLiteral(" (%1)").arg(detail);
}

}  // namespace eqbond
