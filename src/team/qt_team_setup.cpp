#include "team/qt_team_setup.h"

#include <QSqlQuery>
#include <QVariant>

#include "team/qt_team_connection.h"
#include "team/team_schema.h"

namespace eqbond {

namespace {

// The layout's version, 0 for none; false when the schema belongs to something else or is newer.
bool layout_version(QtTeamConnection& connection, QSqlQuery& q, int* version) {
    using namespace team_schema;
    constexpr auto kRefusal = TeamFaultKind::NoPermission;
    if (!connection.run(q, kSchemaPresent, kRefusal) || !q.next()) return false;
    if (!q.value(0).toBool()) {
        *version = 0;
        return true;
    }
    if (!connection.run(q, kLayoutPresent, kRefusal) || !q.next()) return false;
    if (!q.value(0).toBool())
        return connection.fail(TeamFaultKind::NotTeamArchive,
                               QStringLiteral("a schema \"eqbond\" of some other program"));
    if (!connection.run(q, kLayoutVersion, kRefusal) || !q.next()) return false;
    *version = q.value(0).toInt();
    if (*version > kVersion)
        return connection.fail(
            TeamFaultKind::LayoutNewer,
            QStringLiteral("layout %1, this eqbond knows up to %2").arg(*version).arg(kVersion));
    return true;
}

}  // namespace

TeamSetUpOutcome set_up_team_archive(const TeamServerAddress& address) {
    using namespace team_schema;
    QtTeamConnection connection;
    if (!connection.open(address)) return {std::nullopt, connection.fault()};
    TeamSetUp set_up;
    const bool done = connection.in_transaction([&](QSqlQuery& q) {
        constexpr auto kRefusal = TeamFaultKind::NoPermission;
        if (!connection.run(q, kLockSetUp, kRefusal) ||
            !layout_version(connection, q, &set_up.from_version) ||
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
