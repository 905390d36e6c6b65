// eqbond-cli team push and status with a local archive: what waits goes, status says so, and a
// server that cannot be used ends with code 6 and leaves the local archive as it was.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "team/qt_sqlite_push_queue.h"

namespace eqbond {
namespace {

using test::CliResult;

CliResult cli(const QStringList& arguments) {
    return test::run_cli(arguments);
}

struct TeamPushCli : test::TeamArchiveTest {
    QTemporaryDir folder;
    QString file() const { return folder.filePath(QStringLiteral("local.sqlite")); }
    size_t waiting() {
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        QtSqlitePushQueue queue(archive_file);
        EXPECT_TRUE(archive_file.open(file()));
        return queue.waiting()->size();
    }
};

TEST_F(TeamPushCli, PushesWhatWaitsAndStatusSaysSo) {
    {
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        QtSqlitePushQueue queue(archive_file);
        ASSERT_TRUE(archive_file.open(file()));
        for (int n = 1; n <= 2; ++n) {
            const auto [download, groups] = test::made_download(20, n);
            ASSERT_TRUE(archive.save_download(download, groups));
        }
    }
    const QString server = uri("anna");
    const QString nobody = uri("anna", nullptr, test::free_port());
    struct Step {
        QStringList arguments;
        int exit_code;
        QString said;
        bool in_output;  // in standard output, else in standard error
        size_t waiting_after;
    };
    const std::vector<Step> steps{
        {{"team", "status", "--server", server, "--archive", file()}, 0, "waiting: 2", true, 2},
        {{"team", "push", "--server", nobody, "--archive", file()},
         6,
         "cannot be reached",
         false,
         2},
        // A status is the command's output whatever the server's state; why the server cannot
        // be used goes to standard error.
        {{"team", "status", "--server", nobody, "--archive", file()}, 6, "waiting: 2", true, 2},
        {{"team", "status", "--server", nobody, "--archive", file()},
         6,
         "cannot be reached",
         false,
         2},
        {{"team", "push", "--server", server, "--archive", file()}, 0, "pushed: 2", true, 0},
        {{"team", "push", "--server", server, "--archive", file()}, 0, "pushed: 0", true, 0},
        {{"team", "status", "--server", server, "--archive", file()}, 0, "reachable: yes", true, 0},
    };
    for (const Step& step : steps) {
        const CliResult r = cli(step.arguments);
        const QString said = step.in_output ? r.out : r.err;
        EXPECT_EQ(r.exit_code, step.exit_code) << step.arguments.join(' ').toStdString();
        EXPECT_TRUE(said.contains(step.said)) << said.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("anna-pw")));
        EXPECT_EQ(waiting(), step.waiting_after) << step.arguments.join(' ').toStdString();
    }
    const CliResult status = cli({"team", "status", "--server", server, "--archive", file()});
    EXPECT_FALSE(status.out.contains(QStringLiteral("last push: never")))
        << status.out.toStdString();
    EXPECT_TRUE(cli({"team", "list", "--server", server}).out.count('\n') == 2);
}

}  // namespace
}  // namespace eqbond
