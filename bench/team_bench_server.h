#pragma once
// The team benchmarks' own loopback PostgreSQL server: a team archive set up in the database
// "bench", with anna among its inspectors.
#include <QTextStream>

#include "integration/support/throwaway_postgres.h"
#include "team/qt_team_setup.h"

namespace eqbond::bench {

inline const QString kDatabase = QStringLiteral("bench");

inline test::ThrowawayPostgres& server() {
    static test::ThrowawayPostgres instance;
    return instance;
}

inline TeamServerAddress anna() {
    return server().login(QStringLiteral("anna"), kDatabase);
}

// Started with the team archive set up; says why on standard error when the server does not start.
inline bool start_team_archive() {
    if (!server().start(true) || !server().create_database(kDatabase)) {
        QTextStream(stderr) << "cannot start PostgreSQL: " << server().why() << "\n";
        return false;
    }
    return set_up_team_archive(server().superuser(kDatabase)).done &&
           server().superuser_sql(kDatabase, "GRANT eqbond_inspector TO anna").exit_code == 0;
}

}  // namespace eqbond::bench
