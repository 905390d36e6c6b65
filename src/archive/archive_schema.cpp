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
        default:
            return {};
    }
}

}  // namespace eqbond::schema
