#pragma once
// The statements the team side runs on the archive's SQLite file: which downloads wait to be
// pushed, the mark that one went, and the copies of team downloads. Values always bound.
#include <QString>

namespace eqbond::push_queue_schema {

inline const QString kSelectWaiting = QStringLiteral(
    "SELECT id, uuid, changed_since_push FROM downloads WHERE changed_since_push > 0"
    " AND deleted_on_server = 0 ORDER BY started_ms, id");
// Deleted on the server: it stays here, and neither a push nor a pull asks for it again.
inline const QString kMarkDeletedThere =
    QStringLiteral("UPDATE downloads SET deleted_on_server = 1 WHERE id = ?");
inline const QString kMarkPushed = QStringLiteral(
    "UPDATE downloads SET changed_since_push = 0, pushed_ms = ?"
    " WHERE id = ? AND changed_since_push = ?");
// The server's side of a download: its revision, and the fields a merge took from it, written
// without counting as a change here (the change mark is put back as it was).
inline const QString kServerRevision =
    QStringLiteral("SELECT server_revision, changed_since_push FROM downloads WHERE id = ?");
inline const QString kKeepRevision =
    QStringLiteral("UPDATE downloads SET server_revision = ? WHERE id = ?");
inline const QString kTakeDetails = QStringLiteral(
    "UPDATE downloads SET site_id = ?, location = ?, inspector = ?, instrument_serial = ?,"
    " notes = ?, server_revision = ?, changed_since_push = ? WHERE id = ?");
// Those the server has had: pushed, or copied from it. One pushed before revisions were kept was
// last had as the server first took it.
inline const QString kSelectHad = QStringLiteral(
    "SELECT id, uuid, coalesce(server_revision, 1) FROM downloads"
    " WHERE (server_revision IS NOT NULL OR pushed_ms IS NOT NULL) AND deleted_on_server = 0"
    " ORDER BY started_ms, id");
// A download's fields in conflict: its marks settled, its new ones kept (one the user overruled
// stays until the server took it), and those overruled, with the server's value then.
inline const QString kSettleConflicts =
    QStringLiteral("DELETE FROM team_conflicts WHERE download_id = ?");
inline const QString kDropOpenConflicts =
    QStringLiteral("DELETE FROM team_conflicts WHERE download_id = ? AND overruled = 0");
inline const QString kKeepConflict = QStringLiteral(
    "INSERT OR REPLACE INTO team_conflicts (download_id, field, server, here) VALUES (?, ?, ?, ?)");
inline const QString kSelectOverruled = QStringLiteral(
    "SELECT field, server FROM team_conflicts WHERE download_id = ? AND overruled = 1");
inline const QString kSelectLastPush = QStringLiteral("SELECT MAX(pushed_ms) FROM downloads");

// Issued revisions the team archive has not taken yet, and the mark that one went.
inline const QString kSelectIssuedWaiting = QStringLiteral(
    "SELECT number, revision FROM issued_reports WHERE pushed_ms IS NULL"
    " ORDER BY prefix, year, sequence, revision");
inline const QString kMarkIssuedPushed =
    QStringLiteral("UPDATE issued_reports SET pushed_ms = ? WHERE number = ? AND revision = ?");

inline const QString kCopyIdByUuid = QStringLiteral("SELECT id FROM downloads WHERE uuid = ?");
inline const QString kDeleteByUuid = QStringLiteral("DELETE FROM downloads WHERE uuid = ?");
inline const QString kKeepCopySite = QStringLiteral(
    "INSERT INTO sites (name, address, customer) VALUES (?, ?, ?) ON CONFLICT (name) DO UPDATE"
    " SET address = excluded.address, customer = excluded.customer RETURNING id");
inline const QString kCopyDetails = QStringLiteral(
    "UPDATE downloads SET site_id = ?, location = ?, inspector = ?, instrument_serial = ?,"
    " notes = ?, owner = ?, pushed_ms = ?, changed_since_push = 0, server_revision = ?"
    " WHERE id = ?");
// The team's plans replace the copy's: every plan dropped, then each kept under its site, which
// a plan may name before any download of it is copied.
inline const QString kDropPlans = QStringLiteral("DELETE FROM test_plans");
inline const QString kPlanSite = QStringLiteral(
    "INSERT INTO sites (name) VALUES (?) ON CONFLICT (name) DO UPDATE"
    " SET name = excluded.name RETURNING id");
inline const QString kSelectCopies = QStringLiteral(
    "SELECT d.uuid, d.pushed_ms, d.changed_since_push > 0, t.download_id IS NULL"
    " FROM downloads d LEFT JOIN team_summaries t ON t.download_id = d.id");

// The copy's downloads held by their summary alone (no groups yet), with the lowest and highest
// value the server gave; made in the copy's file only, which is a cache of the server.
inline const QString kMakeSummaries = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS team_summaries ("
    " download_id INTEGER PRIMARY KEY REFERENCES downloads (id) ON DELETE CASCADE,"
    " lowest_milliohm INTEGER NOT NULL,"
    " highest_milliohm INTEGER NOT NULL)");
inline const QString kCopyHeld = QStringLiteral(
    "SELECT d.id, t.download_id IS NOT NULL FROM downloads d"
    " LEFT JOIN team_summaries t ON t.download_id = d.id WHERE d.uuid = ?");
inline const QString kInsertSummaryDownload = QStringLiteral(
    "INSERT INTO downloads (id, started_ms, finished_ms, port_no, device, reported_total,"
    " groups_read, complete, groups_held, uuid, site_id, location, inspector, instrument_serial,"
    " notes, owner, pushed_ms, changed_since_push, server_revision)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?)");
inline const QString kInsertSummary = QStringLiteral(
    "INSERT INTO team_summaries (download_id, lowest_milliohm, highest_milliohm)"
    " VALUES (?, ?, ?)");
inline const QString kIsSummary =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM team_summaries WHERE download_id = ?)");
// %1: as many "?" as downloads asked for, comma-separated.
inline const QString kSelectSummaryValuesOf = QStringLiteral(
    "SELECT download_id, lowest_milliohm, highest_milliohm FROM team_summaries"
    " WHERE download_id IN (%1)");
// The team view lists the newest downloads of a copy that may hold a team's years.
inline const QString kMakeNewestIndex =
    QStringLiteral("CREATE INDEX IF NOT EXISTS team_copy_newest ON downloads (started_ms, id)");
// Those before a download at its site and location held by summary alone, newest first.
inline const QString kSummariesBefore = QStringLiteral(
    "SELECT d.uuid FROM downloads o JOIN downloads d ON d.site_id = o.site_id"
    " AND d.location = o.location AND d.started_ms < o.started_ms"
    " JOIN team_summaries t ON t.download_id = d.id WHERE o.id = ?"
    " ORDER BY d.started_ms DESC");

}  // namespace eqbond::push_queue_schema
