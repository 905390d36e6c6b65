#include "team/qt_team_fetch.h"

#include <vector>

namespace eqbond {

namespace {
// False when the fetch must stop: a fault on either side.
bool fetch_one(QtSqliteTeamCopy& copy, TeamCopying& server, const QString& uuid, TeamFetch& fetch) {
    const std::optional<StoredTeamDownload> stored = server.load(uuid);
    if (!stored) {
        fetch.fault = server.fault();
        // Deleted on the server meanwhile: the next round drops it.
        return !fetch.fault;
    }
    if (!copy.keep_team_copy(visible_copy(*stored))) {
        fetch.local_fault = true;
        return false;
    }
    ++fetch.fetched;
    return true;
}
}  // namespace

TeamFetch fetch_opened(QtSqliteTeamCopy& copy, TeamCopying& server, int64_t download_id,
                       const QString& uuid) {
    TeamFetch fetch;
    const std::optional<bool> summary = copy.summary_only(download_id);
    if (!summary)
        fetch.local_fault = true;
    else if (*summary)
        fetch_one(copy, server, uuid, fetch);
    return fetch;
}

TeamFetch fetch_earlier(QtSqliteTeamCopy& copy, TeamCopying& server, int64_t download_id) {
    TeamFetch fetch;
    const std::optional<std::vector<QString>> earlier = copy.summaries_before(download_id);
    if (!earlier) {
        fetch.local_fault = true;
        return fetch;
    }
    for (const QString& one : *earlier)
        if (!fetch_one(copy, server, one, fetch)) break;
    return fetch;
}

}  // namespace eqbond
