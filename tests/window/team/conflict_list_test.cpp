// The archive window lists the fields a pull found changed here and in the office to different
// values, and settles each as the user chooses: the server's value taken here, or this computer's
// kept, which the next push writes over the server's.
#include "ui/conflict_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/report_fakes.h"
#include "support/started_program.h"
#include "team/qt_sqlite_push_queue.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_window.h"

namespace eqbond {
namespace {

struct ConflictWindow : test::TeamArchiveTest {
    QTemporaryDir folder;
    test::FakeMessageBox messages;
    test::FakeFileDialogs dialogs;
    test::FakePrinter printer;

    QString file() const { return folder.filePath(QStringLiteral("laptop.sqlite")); }
    test::CliResult cli(const char* action) {
        return test::run_cli({"team", action, "--server", uri("anna"), "--archive", file()});
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }
};

QString cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

TEST_F(ConflictWindow, ListsConflictsAndTakesEitherValue) {
    int64_t id = 0;
    QString uuid;
    {
        QtSqliteFile laptop_file;
        QtSqliteInspections laptop(laptop_file);
        ASSERT_TRUE(laptop_file.open(file()));
        const auto [download, groups] = test::made_download(5, 1);
        id = *laptop.save_download(download, groups);
        ASSERT_TRUE(laptop.set_details(id, {std::nullopt, "Hall", "Anna", "SN-1", "dry"}));
        ASSERT_TRUE(laptop.set_label(id, 2, QStringLiteral("PE")));
        uuid = QtSqlitePushQueue(laptop_file).waiting()->front().uuid;
        ASSERT_EQ(cli("push").exit_code, 0);
        QtTeamStore office;
        ASSERT_TRUE(office.connect(as("boss")));
        TeamDetailsChange notes;
        notes.notes = QStringLiteral("office");
        ASSERT_TRUE(office.describe(uuid, notes));
        ASSERT_TRUE(office.label(uuid, 2, QStringLiteral("PE bar")));
        ASSERT_TRUE(laptop.set_details(id, {std::nullopt, "Hall", "Anna", "SN-1", "wet"}));
        ASSERT_TRUE(laptop.set_label(id, 2, QStringLiteral("Pipe")));
        ASSERT_EQ(cli("pull").exit_code, 7);
    }
    QString error;
    const auto controller = test::started_program(file(), messages, dialogs, printer, &error);
    ASSERT_TRUE(controller) << error.toStdString();
    ui::ArchiveWindow* window = controller->archive()->show_window();
    ui::ConflictList* list = window->conflict_list();
    QTableView* table = list->table();
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_TRUE(list->isVisible());

    // Each conflict, by the server's value: the button pressed, and the value here after it.
    const struct {
        const char* server;
        const char* button;
        const char* here;
        QString (*value)(const Inspection&);
    } cases[] = {
        {"PE bar", "TakeServerValue", "PE bar", [](const Inspection& d) { return d.labels.at(2); }},
        {"office", "KeepHereValue", "wet", [](const Inspection& d) { return d.details.notes; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        int row = -1;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            if (cell(table, r, 2) == QLatin1String(c.server)) row = r;
        ASSERT_GE(row, 0);
        table->setCurrentIndex(table->model()->index(row, 0));
        list->findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
        for (int r = 0; r < table->model()->rowCount(); ++r)
            EXPECT_NE(cell(table, r, 2), QLatin1String(c.server));
        QtSqliteFile check_file;
        QtSqliteInspections check(check_file);
        ASSERT_TRUE(check_file.open(file()));
        EXPECT_EQ(c.value(*check.load(id)), QLatin1String(c.here));
    }
    EXPECT_FALSE(list->isVisible());

    // Settled: the push goes without a conflict, and this computer's kept value wins.
    const test::CliResult pushed = cli("push");
    EXPECT_EQ(pushed.exit_code, 0) << pushed.err.toStdString();
    QtTeamStore office;
    ASSERT_TRUE(office.connect(as("boss")));
    const std::optional<StoredTeamDownload> there = office.load(uuid);
    ASSERT_TRUE(there);
    EXPECT_EQ(there->download.notes, QStringLiteral("wet"));
    EXPECT_EQ(there->download.labels.at(1), QStringLiteral("PE bar"));
}

}  // namespace
}  // namespace eqbond
