#include "archive/archive_schema.h"

namespace eqbond::schema {

QStringList steps_from(int version) {
    switch (version) {
        case 0:
            return {
                QStringLiteral("CREATE TABLE downloads ("
                               " id INTEGER PRIMARY KEY,"
                               " started_ms INTEGER NOT NULL,"
                               " finished_ms INTEGER NOT NULL,"
                               " port_no INTEGER NOT NULL,"
                               " device TEXT NOT NULL,"
                               " reported_total INTEGER NOT NULL,"
                               " groups_read INTEGER NOT NULL,"
                               " complete INTEGER NOT NULL CHECK (complete IN (0, 1)))"),
                QStringLiteral("CREATE TABLE download_groups ("
                               " download_id INTEGER NOT NULL"
                               "  REFERENCES downloads (id) ON DELETE CASCADE,"
                               " group_no INTEGER NOT NULL,"
                               " raw_value INTEGER NOT NULL,"
                               " overload INTEGER NOT NULL CHECK (overload IN (0, 1)),"
                               " display_text TEXT NOT NULL,"
                               " battery INTEGER NOT NULL,"
                               " year INTEGER NOT NULL, month INTEGER NOT NULL,"
                               " day INTEGER NOT NULL, hour INTEGER NOT NULL,"
                               " minute INTEGER NOT NULL,"
                               " PRIMARY KEY (download_id, group_no)) WITHOUT ROWID"),
            };
        case 1:
            // The shown value as a number to judge and sort by, and the count of groups held,
            // so that listing a large archive need not read every group.
            return {
                QStringLiteral("ALTER TABLE download_groups"
                               " ADD COLUMN value_rank INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("ALTER TABLE downloads"
                               " ADD COLUMN groups_held INTEGER NOT NULL DEFAULT 0"),
            };
        case 2:
            // Inspections: the site, location, inspector and instrument of a download, the test
            // point of each group, and the plans kept per location. The uuid and the push flag
            // let a download be sent to a team archive once, and again after it changed.
            return {
                QStringLiteral("CREATE TABLE sites ("
                               " id INTEGER PRIMARY KEY,"
                               " name TEXT NOT NULL UNIQUE,"
                               " address TEXT NOT NULL DEFAULT '',"
                               " customer TEXT NOT NULL DEFAULT '')"),
                QStringLiteral("ALTER TABLE downloads ADD COLUMN site_id INTEGER"
                               " REFERENCES sites (id) ON DELETE RESTRICT"),
                QStringLiteral(
                    "ALTER TABLE downloads ADD COLUMN location TEXT NOT NULL DEFAULT ''"),
                QStringLiteral(
                    "ALTER TABLE downloads ADD COLUMN inspector TEXT NOT NULL DEFAULT ''"),
                QStringLiteral(
                    "ALTER TABLE downloads ADD COLUMN instrument_serial TEXT NOT NULL DEFAULT ''"),
                QStringLiteral("ALTER TABLE downloads ADD COLUMN notes TEXT NOT NULL DEFAULT ''"),
                QStringLiteral("ALTER TABLE downloads ADD COLUMN uuid TEXT"),
                QStringLiteral("ALTER TABLE downloads"
                               " ADD COLUMN changed_since_push INTEGER NOT NULL DEFAULT 1"),
                QStringLiteral("CREATE UNIQUE INDEX downloads_by_uuid ON downloads (uuid)"),
                QStringLiteral("CREATE INDEX downloads_by_site"
                               " ON downloads (site_id, location, started_ms)"),
                QStringLiteral("ALTER TABLE download_groups ADD COLUMN label TEXT"),
                QStringLiteral("CREATE TABLE test_plans ("
                               " site_id INTEGER NOT NULL REFERENCES sites (id) ON DELETE CASCADE,"
                               " location TEXT NOT NULL,"
                               " position INTEGER NOT NULL,"
                               " label TEXT NOT NULL,"
                               " PRIMARY KEY (site_id, location, position)) WITHOUT ROWID"),
            };
        case 3:
            // When each download was last pushed to a team archive. changed_since_push counts
            // the changes since then, so that a change made during a push keeps it waiting.
            return {
                QStringLiteral("ALTER TABLE downloads ADD COLUMN pushed_ms INTEGER"),
                QStringLiteral("CREATE INDEX downloads_waiting ON downloads (changed_since_push)"
                               " WHERE changed_since_push > 0"),
            };
        case 4:
            // The database role that pushed a download, in a copy of the team archive; empty
            // for the downloads of this computer.
            return {
                QStringLiteral("ALTER TABLE downloads ADD COLUMN owner TEXT NOT NULL DEFAULT ''"),
            };
        case 5:
            // The team archive's revision of a download that this computer last had, so that a
            // push merges what changed there since.
            return {
                QStringLiteral("ALTER TABLE downloads ADD COLUMN server_revision INTEGER"),
            };
        case 6:
            // A test point's own limit in milliohm, found quickly for the few groups that have
            // one; re-test intervals in months for a site and for one of its locations (none:
            // the settings' default); the lab's instruments and their calibration.
            return {
                QStringLiteral("ALTER TABLE download_groups ADD COLUMN limit_milliohm INTEGER"),
                QStringLiteral(
                    "CREATE INDEX download_groups_with_limits"
                    " ON download_groups (download_id) WHERE limit_milliohm IS NOT NULL"),
                QStringLiteral("ALTER TABLE sites ADD COLUMN retest_months INTEGER"),
                QStringLiteral("CREATE TABLE location_intervals ("
                               " site_id INTEGER NOT NULL REFERENCES sites (id) ON DELETE CASCADE,"
                               " location TEXT NOT NULL,"
                               " months INTEGER NOT NULL,"
                               " PRIMARY KEY (site_id, location)) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE instruments ("
                               " serial TEXT PRIMARY KEY,"
                               " model TEXT NOT NULL DEFAULT '',"
                               " calibrated TEXT NOT NULL,"
                               " due TEXT NOT NULL,"
                               " certificate TEXT NOT NULL DEFAULT '')"),
            };
        case 7:
            // The fields a push or pull found changed here and on the team's server: the server's
            // value and this computer's, until the user takes one. One kept here is overruled:
            // the next push writes this computer's value over it.
            return {
                QStringLiteral("CREATE TABLE team_conflicts ("
                               " download_id INTEGER NOT NULL"
                               "  REFERENCES downloads (id) ON DELETE CASCADE,"
                               " field TEXT NOT NULL,"
                               " server TEXT NOT NULL,"
                               " here TEXT NOT NULL,"
                               " overruled INTEGER NOT NULL DEFAULT 0 CHECK (overruled IN (0, 1)),"
                               " PRIMARY KEY (download_id, field)) WITHOUT ROWID"),
            };
        case 8:
            // A download the team's server deleted: kept here, but no longer offered to it.
            return {
                QStringLiteral("ALTER TABLE downloads ADD COLUMN deleted_on_server INTEGER"
                               " NOT NULL DEFAULT 0 CHECK (deleted_on_server IN (0, 1))"),
            };
        case 9:
            // Reports as issued: each revision's PDF bytes kept as handed out with their SHA-256,
            // and the content it said, so that asking again tells whether it would now say
            // something else. A report outlives its download: it names it by uuid, no key.
            return {
                QStringLiteral("CREATE TABLE issued_reports ("
                               " number TEXT NOT NULL,"
                               " revision INTEGER NOT NULL CHECK (revision >= 1),"
                               " prefix TEXT NOT NULL,"
                               " year INTEGER NOT NULL,"
                               " sequence INTEGER NOT NULL,"
                               " download_uuid TEXT NOT NULL,"
                               " download_id INTEGER NOT NULL,"
                               " site TEXT NOT NULL DEFAULT '',"
                               " location TEXT NOT NULL DEFAULT '',"
                               " issued TEXT NOT NULL,"
                               " inspector TEXT NOT NULL DEFAULT '',"
                               " approver TEXT NOT NULL DEFAULT '',"
                               " reason TEXT NOT NULL DEFAULT '',"
                               " replaces INTEGER,"
                               " content TEXT NOT NULL,"
                               " pdf BLOB NOT NULL,"
                               " sha256 TEXT NOT NULL,"
                               " pushed_ms INTEGER,"
                               " PRIMARY KEY (number, revision))"),
                QStringLiteral("CREATE INDEX issued_by_download"
                               " ON issued_reports (download_uuid, revision)"),
                QStringLiteral("CREATE INDEX issued_by_sequence"
                               " ON issued_reports (prefix, year, sequence)"),
                QStringLiteral("CREATE INDEX issued_by_sha ON issued_reports (sha256)"),
            };
        default:
            return {};
    }
}

}  // namespace eqbond::schema
