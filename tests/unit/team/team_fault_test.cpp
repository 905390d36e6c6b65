// A failed login is told apart by libpq's words alone: as an English desktop and server give
// them, and as a Chinese desktop (libpq's catalogue) and server (PostgreSQL's) translate them.
#include "team/team_fault.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

TEST(TeamLoginFault, TheWordsOfEachLanguageSayWhy) {
    const struct {
        const char* words;
        TeamFaultKind kind;
    } rows[] = {
        {"connection to server at \"127.0.0.1\", port 5432 failed: FATAL:  password "
         "authentication failed for user \"anna\"",
         TeamFaultKind::AuthenticationFailed},
        {"连接到\"127.0.0.1\"上的服务器，端口5432失败：致命错误:  用户 \"anna\" Password 认证失败",
         TeamFaultKind::AuthenticationFailed},
        {"connection to server at \"lab-db\" (10.0.0.5), port 5432 failed: fe_sendauth: no "
         "password supplied",
         TeamFaultKind::AuthenticationFailed},
        {"connection to server at \"lab-db\", port 5432 failed: FATAL:  role \"nobody\" does not "
         "exist",
         TeamFaultKind::AuthenticationFailed},
        {"连接到\"lab-db\"上的服务器，端口5432失败：致命错误:  角色 \"nobody\" 不存在",
         TeamFaultKind::AuthenticationFailed},
        {"致命错误:  没有用于主机 \"10.0.0.9\", 用户 \"anna\", 数据库 \"eqbond\" 的 pg_hba.conf "
         "记录",
         TeamFaultKind::AuthenticationFailed},
        {"FATAL:  permission denied for database \"eqbond\"", TeamFaultKind::NoPermission},
        {"致命错误:  访问数据库\"eqbond\"的权限不够", TeamFaultKind::NoPermission},
        {"FATAL:  database \"eqbnd\" does not exist", TeamFaultKind::NotTeamArchive},
        {"致命错误:  数据库 \"eqbnd\" 不存在", TeamFaultKind::NotTeamArchive},
        {"connection to server at \"127.0.0.1\", port 1 failed: Connection refused\n\tIs the "
         "server running on that host and accepting TCP/IP connections?",
         TeamFaultKind::Unreachable},
        {"连接到\"127.0.0.1\"上的服务器，端口1失败：拒绝连接", TeamFaultKind::Unreachable},
        {"", TeamFaultKind::Unreachable},
    };
    for (const auto& row : rows)
        EXPECT_EQ(int(team_login_fault_kind(QString::fromUtf8(row.words))), int(row.kind))
            << row.words;
}

}  // namespace
}  // namespace eqbond
