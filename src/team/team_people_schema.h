#pragma once
// Layout 6 of the team archive: the lab's people, the name each login role goes by, which every
// inspector reads and only an admin keeps.
#include <QString>
#include <QStringList>

namespace eqbond::team_schema {

// From layout 5: the statements, in order.
QStringList people_steps();
// The privileges on them, given after push_grants().
QStringList people_grants();

// Every person by role: role, name.
extern const QString kPeople;
// Parameters: the role and its name; an empty name takes the role off the list. Refused unless
// the login is an admin, the role is a login of the server and the name fits.
extern const QString kKeepPerson;

}  // namespace eqbond::team_schema
