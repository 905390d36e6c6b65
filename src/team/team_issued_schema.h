#pragma once
// Layout 7 of the team archive: the reports the lab issued, as each laptop issued them. Nobody
// changes or deletes one once pushed, not even the schema's owner through plain SQL; every
// inspector reads them all. A report arrives only through one function, which keeps a second
// report of the same number and revision out.
#include <QString>
#include <QStringList>

namespace eqbond::team_schema {

// From layout 6: the statements, in order.
QStringList issued_steps();
// The privileges on them, given after people_grants().
QStringList issued_grants();

// One revision, in a transaction of its own. Parameters: number, revision, the download's UUID,
// issued (ISO 8601 with its UTC offset), the PDF's SHA-256 and bytes, the content and its
// SHA-256, inspector, approver, reason, the revision replaced (NULL for none), site, location.
// Answers 'added', 'held' (the same bytes were there already) or 'other' (another report of
// this number and revision is there: nothing written).
extern const QString kPushIssued;
// The revisions whose PDF has this SHA-256: number, revision, issued, site, location.
extern const QString kIssuedWithSha256;
// Whether a revision of this number is there.
extern const QString kIssuedHeld;

}  // namespace eqbond::team_schema
