#pragma once
// The archive's statements on planning: re-test intervals, the locations' latest inspections,
// and the instrument register. Every value goes in as a bound parameter.
#include <QString>

namespace eqbond::planning_schema {

inline const QString kSelectSiteId = QStringLiteral("SELECT id FROM sites WHERE name = ?");
inline const QString kLocationKnown =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM downloads WHERE site_id = ? AND location = ?)");
inline const QString kSetSiteInterval =
    QStringLiteral("UPDATE sites SET retest_months = ? WHERE id = ?");
inline const QString kSetLocationInterval = QStringLiteral(
    "INSERT INTO location_intervals (site_id, location, months) VALUES (?, ?, ?)"
    " ON CONFLICT (site_id, location) DO UPDATE SET months = excluded.months");

// Each site's location with the download read last there, its interval (NULL: the default) and
// when it was read. Parameters: a site's name, or NULL for all, twice.
inline const QString kSelectLatest = QStringLiteral(
    "WITH latest AS (SELECT d.id, d.site_id, d.location, d.started_ms,"
    "  ROW_NUMBER() OVER (PARTITION BY d.site_id, d.location"
    "   ORDER BY d.started_ms DESC, d.id DESC) AS newest"
    "  FROM downloads d WHERE d.site_id IS NOT NULL)"
    " SELECT l.id, s.id, s.name, l.location, COALESCE(i.months, s.retest_months), l.started_ms"
    " FROM latest l JOIN sites s ON s.id = l.site_id"
    " LEFT JOIN location_intervals i ON i.site_id = l.site_id AND i.location = l.location"
    " WHERE l.newest = 1 AND (? IS NULL OR s.name = ?)");
// The interval of a site's location by their names; no row for a site not known.
inline const QString kSelectInterval = QStringLiteral(
    "SELECT COALESCE(i.months, s.retest_months) FROM sites s"
    " LEFT JOIN location_intervals i ON i.site_id = s.id AND i.location = ? WHERE s.name = ?");
inline const QString kSelectMeasuredDays =
    QStringLiteral("SELECT group_no, year, month, day FROM download_groups WHERE download_id = ?");
// The kept plan's points that the download has no group labelled with.
inline const QString kSelectPlanLines = QStringLiteral(
    "SELECT label FROM test_plans WHERE site_id = ? AND location = ? ORDER BY position");
inline const QString kSelectLabelsOf = QStringLiteral(
    "SELECT DISTINCT label FROM download_groups WHERE download_id = ? AND label IS NOT NULL");

inline const QString kUpsertInstrument = QStringLiteral(
    "INSERT INTO instruments (serial, calibrated, due, certificate, model) VALUES (?, ?, ?, ?, ?)"
    " ON CONFLICT (serial) DO UPDATE SET calibrated = excluded.calibrated, due = excluded.due,"
    " certificate = excluded.certificate, model = excluded.model");
inline const QString kSelectInstruments = QStringLiteral(
    "SELECT serial, calibrated, due, certificate, model FROM instruments ORDER BY serial");
inline const QString kSelectInstrument = QStringLiteral(
    "SELECT serial, calibrated, due, certificate, model FROM instruments WHERE serial = ?");

}  // namespace eqbond::planning_schema
