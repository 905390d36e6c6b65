#pragma once
// Layout 3 of the team archive: readings nobody can change, a history the server writes and
// nobody edits, ownership by the login, sites with rules, texts the program could keep, and
// inspectors without a table privilege that would let them lock a table.
#include <QStringList>

namespace eqbond::team_schema {

// From layout 2: the statements, in order, migrating what is stored.
QStringList rules_steps();
// The inspectors' privileges, in place of the earlier layouts' ones.
QStringList rules_grants();

}  // namespace eqbond::team_schema
