#pragma once
// A push of a download that changed on the server since this computer last had it, merged field
// by field: a field changed only here is written, one changed only there is kept and taken here,
// one changed on both sides to different values is a conflict, which keeps the server's value
// there and this computer's here.
#include <QString>
#include <map>
#include <vector>

#include "team/team_download.h"

namespace eqbond {

// A field changed on both sides; `field` is named as the history names it ("notes",
// "group 12 test point").
struct TeamConflict {
    QString uuid;
    QString field;
    QString server;
    QString here;
};

struct TeamMerge {
    TeamDownload merged;  // what goes to the server
    std::vector<TeamConflict> conflicts;
    bool taken_from_server = false;  // a field changed only there: this computer takes it
};

// `changed_there` holds, for every field the server's history changed since this computer's
// revision, its value at that revision (the first change's old value).
TeamMerge merge_download(const TeamDownload& here, const TeamDownload& server,
                         const std::map<QString, QString>& changed_there);

// The conflict as one line: conflict: UUID FIELD: server "..." here "...".
QString conflict_line(const TeamConflict& conflict);

}  // namespace eqbond
