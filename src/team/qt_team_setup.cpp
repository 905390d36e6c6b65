#include "team/qt_team_setup.h"

#include <QSqlQuery>

#include "team/qt_team_connection.h"
#include "team/team_schema.h"

namespace eqbond {

TeamSetUpOutcome set_up_team_archive(const TeamServerAddress& address) {
    using namespace team_schema;
    QtTeamConnection connection;
    // Migrating a large archive takes its time; a lock held by another client still ends it.
    connection.set_statement_limit_ms(30 * 60 * 1000);
    if (!connection.open(address)) return {std::nullopt, connection.fault()};
    TeamSetUp set_up;
    const bool done = connection.in_transaction([&](QSqlQuery& q) {
        constexpr auto kRefusal = TeamFaultKind::NoPermission;
        if (!connection.run(q, kLockSetUp, kRefusal) ||
            !connection.layout_version(q, &set_up.from_version) ||
            !connection.run(q, kMakeRoles, kRefusal))
            return false;
        for (const QString& sql : steps_from(set_up.from_version) + grants())
            if (!connection.run(q, sql, kRefusal)) return false;
        return connection.run(q, kSetVersion, kRefusal);
    });
    if (!done) return {std::nullopt, connection.fault()};
    set_up.to_version = kVersion;
    return {set_up, std::nullopt};
}

}  // namespace eqbond
