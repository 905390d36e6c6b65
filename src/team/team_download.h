#pragma once
// A download as the team archive holds it: the download, its inspection details and its groups
// with their test-point labels, known everywhere by its UUID.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "archive/download.h"
#include "inspection/inspection.h"

namespace eqbond {

struct TeamSite {
    QString name;  // what the site is known by; downloads of the same name share the site
    QString address;
    QString customer;
};

struct TeamDownload {
    QString uuid;  // the download's id on every machine, as text
    Download download;
    TeamSite site;
    QString location;  // where on the site
    QString inspector;
    QString instrument_serial;
    QString notes;
    std::vector<Group> groups;
    // Empty, or one per group in the same order: the group's test-point label, if it has one.
    std::vector<std::optional<QString>> labels;
    // The limits of the test points that have one of their own, by group number.
    OwnLimits limits;
    // The server's revision this computer last had; changes made there since are merged.
    std::optional<int64_t> base_revision;
    // Fields in conflict whose server value this computer's user chose to write over: by the
    // field's name, the server's value then. Merged as if the server had never changed them.
    std::map<QString, QString> overruled;
};

// A download of an archive as the team archive takes it, with its site's name and words.
TeamDownload team_download_of(const Inspection& local, const std::optional<Site>& site);
// A team download as an archive holds it: its details but the site, which each archive knows by
// its own id, and its labels by group number.
Inspection inspection_of(const TeamDownload& team);

// The test plan kept for a site's location, as the team shares it.
struct TeamPlan {
    QString site_name;
    QString location;
    QStringList labels;  // in measuring order
};

// A download as the team archive lists it.
struct TeamDownloadSummary {
    QString uuid;
    QString owner;  // the database role that pushed it
    Download download;
    QString site_name;
    QString location;
    QString inspector;
    int32_t groups_held = 0;
    int32_t lowest_milliohm = 0;  // the lowest and highest group's value, when it holds any
    int32_t highest_milliohm = 0;
    QDateTime pushed;
};

// One team download read back: what was pushed and who pushed it.
struct StoredTeamDownload {
    TeamDownload download;
    QString owner;
    QDateTime pushed;
    int64_t revision = 0;  // counts every change on the server
};

// One read back from a server, every text with its control characters written as visible
// escapes: a server that did not keep to the rules cannot forge a line in a list or a report.
StoredTeamDownload visible_copy(StoredTeamDownload stored);

// One change of a team download as the server recorded it.
struct TeamHistoryEntry {
    QDateTime at;
    QString role;    // the login that made it
    QString action;  // push, change, delete, escape
    QString field;   // empty for a whole download
    QString old_value;
    QString new_value;
};

// One entry as one tab-separated line (ISO time, role, action, field, old value, new value), each
// field with its control characters escaped: a text from the server can add neither a line nor a
// field.
QString team_history_line(const TeamHistoryEntry& entry);

// Details given for a download on the server; those not given stay as they are. An empty site
// takes the download off its site.
struct TeamDetailsChange {
    std::optional<QString> site, location, inspector, instrument_serial, notes;
};

// The name each login role of the team goes by, by role, as an admin keeps it on the server.
using TeamPeople = std::map<QString, QString>;

// Which downloads a listing shows; an empty text matches every download.
struct TeamFilter {
    QString site_name;
    QString inspector;  // the inspector's name or the role that pushed
};

}  // namespace eqbond
