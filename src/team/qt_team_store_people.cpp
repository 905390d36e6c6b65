// The lab's people on the server: read by every inspector, kept by an admin.
#include <QSqlQuery>
#include <QVariant>

#include "base/visible_text.h"
#include "team/qt_team_store.h"
#include "team/team_people_schema.h"

namespace eqbond {

std::optional<TeamPeople> QtTeamStore::people() {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    if (!connection_.run(q, team_schema::kPeople)) return std::nullopt;
    TeamPeople out;
    while (q.next()) out[visible_text(q.value(0).toString())] = visible_text(q.value(1).toString());
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

bool QtTeamStore::keep_person(const QString& role, const QString& name) {
    if (!ready()) return false;
    QSqlQuery q(connection_.database());
    q.prepare(team_schema::kKeepPerson);
    q.addBindValue(role);
    q.addBindValue(name.isNull() ? QStringLiteral("") : name);
    return connection_.run(q);
}

}  // namespace eqbond
