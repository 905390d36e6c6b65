#pragma once
// The team archive's layout on the server: everything in the schema "eqbond", its version in
// eqbond.layout. Who may change what is the server's business: row-level security lets every
// member of eqbond_inspector read all and add downloads but change or delete only those its login
// pushed, and every member of eqbond_admin change or delete any; triggers keep what was measured
// and write the history.
#include <QString>
#include <QStringList>
#include <cstddef>

namespace eqbond::team_schema {

// The layout this program writes; a server set up by a newer one is not written to.
constexpr int kVersion = 7;

// Serializes set-ups of the same database: an advisory lock for the set-up's transaction.
extern const QString kLockSetUp;
// The schema's presence, and the layout table's (both null-safe, no privileges needed).
extern const QString kSchemaPresent;
extern const QString kLayoutPresent;
extern const QString kLayoutVersion;
// The group roles, for the database's administrator to make once.
extern const QString kRolesSql;
// The group roles, made when missing by a role that may.
extern const QString kMakeRoles;
// What brings a layout of `version` to `up_to`, in order.
QStringList steps_from(int version, int up_to = kVersion);
// Grants, given again on every set-up.
QStringList grants();
extern const QString kSetVersion;

// The store's statements; values always bound.
extern const QString kFindSite;
extern const QString kReviseSite;
extern const QString kSiteByName;
extern const QString kUpsertDownload;
extern const QString kInsertGroups;
extern const QString kList;
// Inside a transaction: a cursor over every download without its groups, newest first, and
// the next page of it. The copy takes each page in one transaction: small pages keep a download
// opened meanwhile from waiting long for the copy.
extern const QString kDeclareSummaries;
extern const QString kFetchSummaries;
constexpr size_t kSummaryPage = 500;
// The UUID and revision of each download of an array of UUIDs.
extern const QString kRevisions;
extern const QString kSelectDownload;
extern const QString kSelectPrevious;
extern const QString kSelectGroups;
extern const QString kDeleteDownload;
// Office edits on the server: a download's details, one group's test point, and whether the row
// they name is there at all (when the rules let nothing change).
extern const QString kDescribe;
extern const QString kDownloadHeld;
extern const QString kLabel;
extern const QString kGroupHeld;
extern const QString kIdentity;
// A download's revision, locked for the push's transaction, and read after it; the fields changed
// since a revision, with the first change's old value.
extern const QString kRevisionForUpdate;
extern const QString kRevision;
extern const QString kChangesSince;
// A download's history, oldest first: when (ms), role, action, field, old, new.
extern const QString kHistory;
// A site's plan for one location, kept or replaced; every plan's labels, one row each, in order.
extern const QString kKeepPlan;
extern const QString kPlans;

}  // namespace eqbond::team_schema
