// The push of a download the server changed since this computer last had it: merged field by
// field against the server's history, inside the push's transaction and with the download's row
// locked, so no other push comes between.
#include <QSqlQuery>
#include <QVariant>

#include "team/qt_team_store.h"
#include "team/team_schema.h"

namespace eqbond {

bool QtTeamStore::merge_with_server(QSqlQuery& q, const TeamDownload& here) {
    q.prepare(team_schema::kRevisionForUpdate);
    q.addBindValue(here.uuid);
    if (!connection_.run(q)) return false;
    // New on the server (or another's, which the write will be refused), or unchanged there.
    if (!q.next() || q.value(0).toLongLong() <= *here.base_revision) return true;
    const std::optional<StoredTeamDownload> there = read(q, here.uuid);
    if (!there) return !connection_.fault();
    q.prepare(team_schema::kChangesSince);
    q.addBindValue(here.uuid);
    q.addBindValue(qlonglong(*here.base_revision));
    if (!connection_.run(q)) return false;
    // The first change of each field since the base holds its value then.
    std::map<QString, QString> changed_there;
    while (q.next()) changed_there.emplace(q.value(0).toString(), q.value(1).toString());
    if (!connection_.read_through(q)) return false;
    merge_ = merge_download(here, there->download, changed_there);
    return true;
}

}  // namespace eqbond
