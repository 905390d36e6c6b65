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

// Newest first; the lowest and highest group come from the rank index. Columns 0..11 are a
// summary's (11 the owner), 12 the failing count when a limit is bound (its two parameters come
// first) or NULL; a store that lists more adds its columns from 13.
inline constexpr int kFirstMoreColumn = 13;
inline const QString kListColumns = QStringLiteral(
    "SELECT d.id, d.started_ms, d.finished_ms, d.port_no, d.device, d.reported_total,"
    " d.groups_read, d.complete, d.groups_held,"
    " (SELECT raw_value FROM download_groups g WHERE g.download_id = d.id"
    "  ORDER BY g.value_rank ASC LIMIT 1),"
    " (SELECT raw_value FROM download_groups g WHERE g.download_id = d.id"
    "  ORDER BY g.value_rank DESC LIMIT 1),"
    " d.owner");
// The groups above the bound rank, read from the rank index alone, corrected by the few groups
// with a limit of their own (a partial index): each of those counts by its own limit instead.
inline const QString kFailingColumn = QStringLiteral(
    ", (SELECT COUNT(*) FROM download_groups g WHERE g.download_id = d.id AND g.value_rank > ?)"
    " + (SELECT COALESCE(SUM((g.overload = 1 OR g.raw_value > g.limit_milliohm)"
    "   - (g.value_rank > ?)), 0)"
    "  FROM download_groups g INDEXED BY download_groups_with_limits"
    "  WHERE g.download_id = d.id AND g.limit_milliohm IS NOT NULL)");
inline const QString kNoFailingColumn = QStringLiteral(", NULL");
inline const QString kListFrom = QStringLiteral(" FROM downloads d");
inline const QString kNewestFirst = QStringLiteral(" ORDER BY d.started_ms DESC, d.id DESC");

inline const QString kSelectDownload = QStringLiteral(
    "SELECT started_ms, finished_ms, port_no, device, reported_total, groups_read, complete, "
    "uuid FROM downloads WHERE id = ?");
inline const QString kSelectGroups = QStringLiteral(
    "SELECT group_no, raw_value, battery, year, month, day, hour, minute "
    "FROM download_groups WHERE download_id = ? ORDER BY group_no");
inline const QString kSelectOwnLimits = QStringLiteral(
    "SELECT group_no, limit_milliohm FROM download_groups"
    " WHERE download_id = ? AND limit_milliohm IS NOT NULL");
inline const QString kDeleteDownload = QStringLiteral("DELETE FROM downloads WHERE id = ?");

}  // namespace eqbond::schema
