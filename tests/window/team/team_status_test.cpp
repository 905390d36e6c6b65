// The archive window's team status line: what it says for each state, and the real pusher's
// report on it when the configured server cannot be reached.
#include "ui/team_status.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include "archive/qt_sqlite_file.h"
#include "base/program.h"
#include "base/program_settings.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/throwaway_postgres.h"
#include "integration/support/wait.h"
#include "program/team_status_view.h"
#include "support/qstring_printer.h"
#include "team/team_texts.h"
#include "ui/team_dialog.h"
#include "ui/team_hookup.h"

namespace eqbond {
namespace {

TEST(TeamStatusView, SaysAllPushedWaitingOrWhy) {
    TeamPushStatus waiting;
    waiting.waiting = 3;
    TeamPushStatus unreachable = waiting;
    unreachable.fault = TeamFault{TeamFaultKind::Unreachable, QStringLiteral("refused")};
    TeamPushStatus since = unreachable;
    since.fault_since = QDateTime(QDate(2026, 3, 2), QTime(9, 41));
    struct Row {
        bool configured;
        std::optional<TeamPushStatus> status;
        bool shown, fault;
        QString text;
    };
    const std::vector<Row> rows{
        {false, waiting, false, false, QString()},
        {true, std::nullopt, true, false, QString()},
        {true, TeamPushStatus{}, true, false, text::kTeamAllPushed},
        {true, waiting, true, false, text::kTeamWaiting.arg(3)},
        {true, unreachable, true, true,
         text::kTeamUnusable.arg(text::kTeamUnreachable.shown()).arg(3)},
        {true, since, true, true,
         text::kTeamUnusableSince.arg(text::kTeamUnreachable.shown()).arg(3).arg("09:41")},
    };
    for (const Row& row : rows) {
        const TeamStatusView view = team_status_view(row.configured, row.status);
        EXPECT_EQ(view.shown, row.shown);
        EXPECT_EQ(view.fault, row.fault);
        EXPECT_EQ(view.text, row.text);
    }
}

TEST(TeamStatusLine, ShowsThatTheConfiguredServerCannotBeReached) {
    QTemporaryDir folder;
    QtSqliteFile archive_file;
    QtSqliteInspections archive(archive_file);
    ASSERT_TRUE(archive_file.open(folder.filePath(QStringLiteral("a.sqlite"))));
    const auto [download, groups] = test::made_download(3);
    ASSERT_TRUE(archive.save_download(download, groups));
    ProgramSettings().setValue(
        kTeamServerSetting,
        QStringLiteral("postgresql://anna@127.0.0.1:%1/eqbond").arg(test::free_port()));
    QWidget window;
    new QVBoxLayout(&window);
    Program program;
    ui::TeamHookup team(program, archive_file, true);
    team.attach(window);
    // Why, how many wait, and since when.
    const QString expected =
        text::kTeamUnusableSince.arg(text::kTeamUnreachable.shown()).arg(1).arg(QString());
    EXPECT_TRUE(test::wait_until(
        [&] {
            const QString shown = team.status_line()->label()->text();
            return shown.startsWith(expected.left(expected.size() - 3)) &&
                   shown.contains(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d")));
        },
        30000))
        << team.status_line()->label()->text().toStdString();
    EXPECT_FALSE(team.status_line()->label()->isHidden());
    ProgramSettings().remove(kTeamServerSetting);
}

TEST(TeamDialog, TestsTheConnectionAndSaysWhyItFailed) {
    struct Row {
        QString server;
        text::ScreenText reason;
    };
    const std::vector<Row> rows{
        {QStringLiteral("postgresql://anna@127.0.0.1:%1/eqbond").arg(test::free_port()),
         text::kTeamUnreachable},
        {QStringLiteral("postgresql://anna@[bad"), text::kTeamBadAddress},
    };
    for (const Row& row : rows) {
        ui::TeamDialog dialog(row.server, QString());
        dialog.test_connection();
        const QString expected = text::kTeamNotConnected.arg(row.reason.shown());
        EXPECT_TRUE(test::wait_until([&] { return dialog.result()->text() == expected; }, 30000))
            << dialog.result()->text().toStdString();
    }
}

}  // namespace
}  // namespace eqbond
