#pragma once
// Layout 5 of the team archive: a download new to the server taken whole by one call, so that a
// push of a new download costs one round trip instead of one per statement.
#include <QString>
#include <QStringList>

namespace eqbond::team_schema {

// From layout 4: the statements, in order.
QStringList push_steps();
// The privileges on them, given after planning_grants().
QStringList push_grants();

// The download, its site and its groups when the server does not hold it yet, in a transaction of
// its own: its revision, or NULL when the server holds it already (nothing written then).
// Parameters: UUID, the site's name, address and customer, then the download's columns as
// kUpsertDownload takes them after its site, then the group columns as kInsertGroups takes them.
extern const QString kPushNew;

}  // namespace eqbond::team_schema
