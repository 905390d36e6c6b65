#pragma once
// The archive's tables and the statements on them. Every value goes in as a bound parameter.
#include <QString>
#include <QStringList>

namespace eqbond::schema {

// What takes a file of layout version `version` to version + 1.
QStringList steps_from(int version);

// Version 1 to 2: the rank of every group, then the index on it and the count of groups held.
inline const QString kSelectValues =
    QStringLiteral("SELECT download_id, group_no, raw_value FROM download_groups");
inline const QString kSetRank = QStringLiteral(
    "UPDATE download_groups SET value_rank = ? WHERE download_id = ? AND group_no = ?");
inline const QString kIndexRanks = QStringLiteral(
    "CREATE INDEX download_groups_by_rank ON download_groups (download_id, value_rank)");
inline const QString kCountHeld = QStringLiteral(
    "UPDATE downloads SET groups_held = "
    "(SELECT COUNT(*) FROM download_groups WHERE download_id = downloads.id)");

// Version 2 to 3: a uuid for every download.
inline const QString kSelectWithoutUuid =
    QStringLiteral("SELECT id FROM downloads WHERE uuid IS NULL");
inline const QString kSetUuid = QStringLiteral("UPDATE downloads SET uuid = ? WHERE id = ?");

// Its id chosen by SQLite when bound NULL, or the one a copy of a team download had before.
inline const QString kInsertDownload = QStringLiteral(
    "INSERT INTO downloads (id, started_ms, finished_ms, port_no, device, reported_total, "
    "groups_read, complete, groups_held, uuid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
inline const QString kInsertGroup = QStringLiteral(
    "INSERT INTO download_groups (download_id, group_no, raw_value, overload, display_text, "
    "battery, year, month, day, hour, minute, value_rank) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

// Newest first; the lowest and highest group come from the rank index. Columns 11..13 are the
// site and location, 14 the owner, 15 the failing count when a limit is bound (the first
// parameter).
inline const QString kListColumns = QStringLiteral(
    "SELECT d.id, d.started_ms, d.finished_ms, d.port_no, d.device, d.reported_total,"
    " d.groups_read, d.complete, d.groups_held,"
    " (SELECT raw_value FROM download_groups g WHERE g.download_id = d.id"
    "  ORDER BY g.value_rank ASC LIMIT 1),"
    " (SELECT raw_value FROM download_groups g WHERE g.download_id = d.id"
    "  ORDER BY g.value_rank DESC LIMIT 1),"
    " d.site_id, s.name, d.location, d.owner");
inline const QString kFailingColumn = QStringLiteral(
    ", (SELECT COUNT(*) FROM download_groups g WHERE g.download_id = d.id"
    "  AND g.value_rank > ?)");
inline const QString kListFrom =
    QStringLiteral(" FROM downloads d LEFT JOIN sites s ON s.id = d.site_id");
inline const QString kOfSite = QStringLiteral(" WHERE d.site_id = ?");
inline const QString kNewestFirst = QStringLiteral(" ORDER BY d.started_ms DESC, d.id DESC");

inline const QString kSelectDownload = QStringLiteral(
    "SELECT started_ms, finished_ms, port_no, device, reported_total, groups_read, complete, "
    "site_id, location, inspector, instrument_serial, notes FROM downloads WHERE id = ?");
inline const QString kSelectGroups = QStringLiteral(
    "SELECT group_no, raw_value, battery, year, month, day, hour, minute, label "
    "FROM download_groups WHERE download_id = ? ORDER BY group_no");
inline const QString kDeleteDownload = QStringLiteral("DELETE FROM downloads WHERE id = ?");

inline const QString kSelectSites =
    QStringLiteral("SELECT id, name, address, customer FROM sites ORDER BY name");
inline const QString kSelectSiteNamed =
    QStringLiteral("SELECT id, name, address, customer FROM sites WHERE name = ?");
inline const QString kInsertSite = QStringLiteral("INSERT INTO sites (name) VALUES (?)");
inline const QString kUpdateSite =
    QStringLiteral("UPDATE sites SET address = ?, customer = ? WHERE id = ?");
inline const QString kSiteInUse =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM downloads WHERE site_id = ?)");
inline const QString kDeleteSitePlans = QStringLiteral("DELETE FROM test_plans WHERE site_id = ?");
inline const QString kDeleteSite = QStringLiteral("DELETE FROM sites WHERE id = ?");

inline const QString kSiteExists =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM sites WHERE id = ?)");
inline const QString kSelectDetails = QStringLiteral(
    "SELECT site_id, location, inspector, instrument_serial, notes FROM downloads WHERE id = ?");
inline const QString kUpdateDetails = QStringLiteral(
    "UPDATE downloads SET site_id = ?, location = ?, inspector = ?, instrument_serial = ?,"
    " notes = ?, changed_since_push = changed_since_push + 1 WHERE id = ?");
inline const QString kSetLabel =
    QStringLiteral("UPDATE download_groups SET label = ? WHERE download_id = ? AND group_no = ?");
inline const QString kMarkChanged =
    QStringLiteral("UPDATE downloads SET changed_since_push = changed_since_push + 1 WHERE id = ?");
// A site's address and customer go with each of its downloads.
inline const QString kMarkSiteChanged = QStringLiteral(
    "UPDATE downloads SET changed_since_push = changed_since_push + 1 WHERE site_id = ?");

inline const QString kDeletePlan =
    QStringLiteral("DELETE FROM test_plans WHERE site_id = ? AND location = ?");
inline const QString kInsertPlanLabel = QStringLiteral(
    "INSERT INTO test_plans (site_id, location, position, label) VALUES (?, ?, ?, ?)");
inline const QString kSelectPlan = QStringLiteral(
    "SELECT label FROM test_plans WHERE site_id = ? AND location = ? ORDER BY position");

inline const QString kSelectLocations = QStringLiteral(
    "SELECT location, MAX(started_ms) AS latest FROM downloads WHERE site_id = ?"
    " GROUP BY location ORDER BY latest DESC");
inline const QString kSelectPointHistory = QStringLiteral(
    "SELECT g.group_no, g.raw_value, g.battery, g.year, g.month, g.day, g.hour, g.minute,"
    " d.id, d.started_ms"
    " FROM downloads d JOIN download_groups g ON g.download_id = d.id"
    " WHERE d.site_id = ? AND d.location = ? AND g.label = ?"
    " ORDER BY d.started_ms, d.id, g.group_no");
// Parameters: the download, twice. A label measured twice in one download counts by its
// later group.
inline const QString kSelectPrevious = QStringLiteral(
    "WITH this AS (SELECT id, site_id, location, started_ms FROM downloads WHERE id = ?),"
    " wanted AS (SELECT DISTINCT label FROM download_groups"
    "  WHERE download_id = ? AND label IS NOT NULL),"
    " earlier AS (SELECT g.group_no, g.raw_value, g.battery, g.year, g.month, g.day, g.hour,"
    "  g.minute, d.id, d.started_ms, g.label,"
    "  ROW_NUMBER() OVER (PARTITION BY g.label"
    "   ORDER BY d.started_ms DESC, d.id DESC, g.group_no DESC) AS newest"
    "  FROM this JOIN downloads d ON d.site_id = this.site_id AND d.location = this.location"
    "   AND (d.started_ms < this.started_ms"
    "    OR (d.started_ms = this.started_ms AND d.id < this.id))"
    "  JOIN download_groups g ON g.download_id = d.id"
    "  WHERE g.label IN (SELECT label FROM wanted))"
    " SELECT group_no, raw_value, battery, year, month, day, hour, minute, id, started_ms, label"
    " FROM earlier WHERE newest = 1");

// The team archive's side.
inline const QString kCopyIdByUuid = QStringLiteral("SELECT id FROM downloads WHERE uuid = ?");
inline const QString kDeleteByUuid = QStringLiteral("DELETE FROM downloads WHERE uuid = ?");
inline const QString kKeepCopySite = QStringLiteral(
    "INSERT INTO sites (name, address, customer) VALUES (?, ?, ?) ON CONFLICT (name) DO UPDATE"
    " SET address = excluded.address, customer = excluded.customer RETURNING id");
inline const QString kCopyDetails = QStringLiteral(
    "UPDATE downloads SET site_id = ?, location = ?, inspector = ?, instrument_serial = ?,"
    " notes = ?, owner = ?, pushed_ms = ?, changed_since_push = 0 WHERE id = ?");
inline const QString kSelectCopies =
    QStringLiteral("SELECT uuid, pushed_ms, changed_since_push > 0 FROM downloads");

inline const QString kSelectUuid = QStringLiteral("SELECT uuid FROM downloads WHERE id = ?");
inline const QString kSelectWaiting = QStringLiteral(
    "SELECT id, uuid, changed_since_push FROM downloads WHERE changed_since_push > 0"
    " ORDER BY started_ms, id");
inline const QString kMarkPushed = QStringLiteral(
    "UPDATE downloads SET changed_since_push = 0, pushed_ms = ?"
    " WHERE id = ? AND changed_since_push = ?");
inline const QString kSelectLastPush = QStringLiteral("SELECT MAX(pushed_ms) FROM downloads");

}  // namespace eqbond::schema
