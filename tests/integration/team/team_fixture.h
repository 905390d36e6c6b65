#pragma once
// A fresh team archive in a new database of the test program's server, owned and set up by
// keeper, which may not create roles (the group roles come from the SQL the program prints for
// the database's administrator), with anna and ben in eqbond_inspector and boss in eqbond_admin.
#include <gtest/gtest.h>

#include <QUuid>

#include "integration/support/postgres_environment.h"
#include "team/qt_team_setup.h"
#include "team/qt_team_store.h"
#include "team/team_schema.h"

namespace eqbond::test {

inline ThrowawayPostgres& server() {
    return PostgresEnvironment::server();
}

// A download of `count` groups on `site`, every other group labelled.
inline TeamDownload team_download(int count, const QString& site = QStringLiteral("北站 Depot")) {
    TeamDownload d;
    d.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    d.download.started = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123LL);
    d.download.finished = d.download.started.addSecs(40);
    d.download.port_number = 3;
    d.download.device = QStringLiteral("/dev/ttyUSB0");
    d.download.reported_total = count;
    d.download.groups_read = count;
    d.site = {site, QStringLiteral("1 Rail Road"), QStringLiteral("City Transit")};
    d.location = QStringLiteral("Platform 2");
    d.inspector = QStringLiteral("Anna A.");
    d.instrument_serial = QStringLiteral("SN-0042");
    d.notes = QStringLiteral("dry weather");
    for (int n = 1; n <= count; ++n) {
        Group g;
        g.number = n;
        g.milliohm = (n * 7919) % 45000;
        g.battery = n % 13 == 0 ? 1 : 0;
        g.year = 25, g.month = 1 + n % 12, g.day = 1 + n % 28, g.hour = n % 24, g.minute = n % 60;
        d.groups.push_back(g);
        d.labels.push_back(n % 2 ? std::optional<QString>(QStringLiteral("TP-%1").arg(n))
                                 : std::nullopt);
    }
    return d;
}

struct TeamArchiveTest : ::testing::Test {
    QString database;

    void SetUp() override {
        static int count = 0;
        database = QStringLiteral("team_%1").arg(++count);
        ASSERT_TRUE(server().create_database(database, QStringLiteral("keeper")));
        const CommandResult roles = server().psql(
            server().superuser(database),
            QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = "
                           "'eqbond_inspector') THEN %1 END IF; END $$")
                .arg(team_schema::kRolesSql));
        ASSERT_EQ(roles.exit_code, 0) << roles.out.toStdString();
        const TeamSetUpOutcome outcome = set_up_team_archive(as("keeper"));
        ASSERT_TRUE(outcome.done) << outcome.fault->detail.toStdString();
        const CommandResult granted = server().superuser_sql(
            database, "GRANT eqbond_inspector TO anna, ben; GRANT eqbond_admin TO boss;");
        ASSERT_EQ(granted.exit_code, 0) << granted.out.toStdString();
    }
    TeamServerAddress as(const char* role) const {
        return server().login(QString::fromUtf8(role), database);
    }
    // The connection URI of `role` with its password in it (the role's own unless given), at the
    // server's port unless given, as a script or the settings hold it.
    QString uri(const char* role, const char* password = nullptr, int port = 0) const {
        const TeamServerAddress a = as(role);
        return QStringLiteral("postgresql://%1:%2@127.0.0.1:%3/%4")
            .arg(a.user, password ? QString::fromUtf8(password) : a.password)
            .arg(port ? port : a.port)
            .arg(database);
    }
    // psql as `role` with its password.
    CommandResult sql_as(const char* role, const QString& sql) const {
        return server().psql(as(role), sql);
    }
};

}  // namespace eqbond::test
