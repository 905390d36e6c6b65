#pragma once
// The archive's statements on inspections: sites, details, test-point labels, plans and the values
// of earlier inspections. Every value goes in as a bound parameter.
#include <QString>

namespace eqbond::inspection_schema {

// The listing's columns beyond a summary's, and its tables: the site, location and inspector.
// The last: whether a group was measured after the calibration due date of the download's
// instrument in the register (the groups are read only for an instrument the register has).
inline const QString kListColumns = QStringLiteral(
    ", d.site_id, s.name, d.location, d.inspector,"
    " CASE WHEN r.due IS NULL THEN 0 ELSE"
    "  CAST(REPLACE(r.due, '-', '') AS INTEGER) < 20000000 +"
    "  (SELECT MAX(g.year * 10000 + g.month * 100 + g.day) FROM download_groups g"
    "   WHERE g.download_id = d.id AND g.month BETWEEN 1 AND 12 AND g.day BETWEEN 1 AND 31)"
    " END, d.deleted_on_server");
inline const QString kListFrom = QStringLiteral(
    " FROM downloads d LEFT JOIN sites s ON s.id = d.site_id"
    " LEFT JOIN instruments r ON r.serial = d.instrument_serial AND d.instrument_serial <> ''");
inline const QString kOfSite = QStringLiteral(" WHERE d.site_id = ?");
inline const QString kNewest = QStringLiteral(
    " WHERE d.id IN (SELECT id FROM downloads ORDER BY started_ms DESC, id DESC LIMIT ?)");
inline const QString kSelectLabels = QStringLiteral(
    "SELECT group_no, label FROM download_groups WHERE download_id = ? AND label IS NOT NULL");

inline const QString kSelectSites =
    QStringLiteral("SELECT id, name, address, customer FROM sites ORDER BY name");
inline const QString kSelectSite =
    QStringLiteral("SELECT id, name, address, customer FROM sites WHERE id = ?");
inline const QString kSelectSiteNamed =
    QStringLiteral("SELECT id, name, address, customer FROM sites WHERE name = ?");
inline const QString kInsertSite = QStringLiteral("INSERT INTO sites (name) VALUES (?)");
inline const QString kUpdateSite =
    QStringLiteral("UPDATE sites SET address = ?, customer = ? WHERE id = ?");
inline const QString kSiteInUse =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM downloads WHERE site_id = ?)");
inline const QString kDeleteSitePlans = QStringLiteral("DELETE FROM test_plans WHERE site_id = ?");
inline const QString kDeleteSite = QStringLiteral("DELETE FROM sites WHERE id = ?");

inline const QString kSelectDetails = QStringLiteral(
    "SELECT site_id, location, inspector, instrument_serial, notes FROM downloads WHERE id = ?");
inline const QString kUpdateDetails = QStringLiteral(
    "UPDATE downloads SET site_id = ?, location = ?, inspector = ?, instrument_serial = ?,"
    " notes = ?, changed_since_push = changed_since_push + 1 WHERE id = ?");
inline const QString kSetLabel =
    QStringLiteral("UPDATE download_groups SET label = ? WHERE download_id = ? AND group_no = ?");
// A test point's own limit; a group without a test point has none.
inline const QString kSetLimit = QStringLiteral(
    "UPDATE download_groups SET limit_milliohm = ?"
    " WHERE download_id = ? AND group_no = ? AND label IS NOT NULL");
inline const QString kDropLimitsWithoutLabel = QStringLiteral(
    "UPDATE download_groups SET limit_milliohm = NULL"
    " WHERE download_id = ? AND label IS NULL AND limit_milliohm IS NOT NULL");
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
    " d.id, d.started_ms, d.inspector"
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
    "  g.minute, d.id, d.started_ms, g.label, d.inspector,"
    "  ROW_NUMBER() OVER (PARTITION BY g.label"
    "   ORDER BY d.started_ms DESC, d.id DESC, g.group_no DESC) AS newest"
    "  FROM this JOIN downloads d ON d.site_id = this.site_id AND d.location = this.location"
    "   AND (d.started_ms < this.started_ms"
    "    OR (d.started_ms = this.started_ms AND d.id < this.id))"
    "  JOIN download_groups g ON g.download_id = d.id"
    "  WHERE g.label IN (SELECT label FROM wanted))"
    " SELECT group_no, raw_value, battery, year, month, day, hour, minute, id, started_ms, label,"
    " inspector FROM earlier WHERE newest = 1");

}  // namespace eqbond::inspection_schema
