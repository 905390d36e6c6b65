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
    const std::optional<std::map<QString, QString>> changed_there =
        read_changes(q, here.uuid, *here.base_revision);
    if (!changed_there) return false;
    merge_ = merge_download(here, there->download, *changed_there);
    return true;
}

std::optional<std::map<QString, QString>> QtTeamStore::read_changes(QSqlQuery& q,
                                                                    const QString& uuid,
                                                                    int64_t revision) {
    q.prepare(team_schema::kChangesSince);
    q.addBindValue(uuid);
    q.addBindValue(qlonglong(revision));
    if (!connection_.run(q)) return std::nullopt;
    std::map<QString, QString> out;
    while (q.next()) out.emplace(q.value(0).toString(), q.value(1).toString());
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<std::map<QString, QString>> QtTeamStore::changes_since(const QString& uuid,
                                                                     int64_t revision) {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    return read_changes(q, uuid, revision);
}

}  // namespace eqbond
