// The team view of a third machine: the downloads two inspectors pushed from their own archives,
// seen together, compared across inspectors and exported; a change to another's download and its
// deletion refused by the server and said, one's own deleted; and back to this computer's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "archive/archive_location.h"
#include "archive/qt_sqlite_file.h"
#include "base/program_settings.h"
#include "inspection/inspection_texts.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/support/cli_run.h"
#include "integration/support/wait.h"
#include "integration/team/team_fixture.h"
#include "support/report_fakes.h"
#include "support/started_program.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/team_texts.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_models.h"
#include "ui/archive_window.h"
#include "ui/inspection_details_panel.h"
#include "ui/team_archive_view.h"
#include "ui/team_history_panel.h"
#include "ui/team_hookup.h"
#include "ui/team_status.h"

namespace eqbond {
namespace {

namespace Column = group_column;

struct TeamView : test::TeamArchiveTest {
    QTemporaryDir folder;
    std::unique_ptr<ui::AppController> controller;
    test::FakeMessageBox messages;
    test::FakeFileDialogs dialogs;
    test::FakePrinter printer;

    // An inspection of the same site (and room, unless said) by `role`, from its own archive,
    // pushed.
    void push_inspection(const char* role, int hour, const std::vector<int>& milliohm,
                         const QString& room = QStringLiteral("手术室3")) {
        QtSqliteFile laptop_file;
        QtSqliteInspections laptop(laptop_file);
        ASSERT_TRUE(laptop_file.open(folder.filePath(QString::fromLatin1(role) + ".sqlite")));
        Download d;
        d.started = QDateTime(QDate(2026, 3, 2), QTime(hour, 0));
        d.finished = d.started.addSecs(20);
        d.device = QStringLiteral("/dev/ttyUSB0");
        d.reported_total = d.groups_read = int32_t(milliohm.size());
        std::vector<Group> groups;
        PointLabels labels;
        for (size_t i = 0; i < milliohm.size(); ++i) {
            Group g;
            g.number = int32_t(i) + 1;
            g.milliohm = milliohm[i];
            g.year = 26, g.month = 3, g.day = 2, g.hour = hour;
            groups.push_back(g);
            labels[g.number] = QStringLiteral("A%1").arg(g.number);
        }
        const std::optional<int64_t> id = laptop.save_download(d, groups);
        const std::optional<Site> site = laptop.site_named(QStringLiteral("市第一医院"));
        ASSERT_TRUE(id && site);
        InspectionDetails details;
        details.site_id = site->id;
        details.location = room;
        details.inspector = QString::fromLatin1(role).toUpper();
        ASSERT_TRUE(laptop.set_details(*id, details));
        ASSERT_TRUE(laptop.set_labels(*id, labels));
        // Pushed by another process, as from the inspector's laptop.
        const test::CliResult pushed =
            test::run_cli({"team", "push", "--archive", laptop_file.file(), "--server", uri(role)});
        EXPECT_TRUE(pushed.out.contains(QStringLiteral("pushed: 1"))) << pushed.err.toStdString();
    }

    void open_third_machine() {
        ProgramSettings().setValue(kTeamServerSetting, uri("ben"));
        QString error;
        controller = test::started_program(folder.filePath(QStringLiteral("office.sqlite")),
                                           messages, dialogs, printer, &error);
        ASSERT_TRUE(controller) << error.toStdString();
    }
    void TearDown() override {
        controller.reset();
        ProgramSettings().remove(kTeamServerSetting);
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }
    ui::TeamArchiveView* team_view() { return controller->archive()->team().team_view(); }
    // Waits for the team view's round to end.
    bool brought_up_to_date() {
        return test::wait_until([&] { return !team_view()->updating(); }, 30000);
    }
    QString cell(QTableView* table, int row, int column) {
        return table->model()->index(row, column).data().toString();
    }
    int row_of_owner(const char* owner) {
        QTableView* list = team_view()->window()->download_list();
        for (int r = 0; r < list->model()->rowCount(); ++r)
            if (cell(list, r, download_column::Owner) == QString::fromUtf8(owner)) return r;
        return -1;
    }
    int row_of_room(const QString& room) {
        QTableView* list = team_view()->window()->download_list();
        for (int r = 0; r < list->model()->rowCount(); ++r)
            if (cell(list, r, download_column::Location) == room) return r;
        return -1;
    }
    // The groups the team view's copy keeps on disk.
    int groups_kept() {
        QtSqliteFile copy;
        if (!copy.open(team_copy_file(folder.filePath(QStringLiteral("office.sqlite"))))) return -1;
        QSqlQuery q = copy.query();
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM download_groups")) || !q.next()) return -1;
        return q.value(0).toInt();
    }
    void delete_open(QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, [answer] {
            auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            ask->button(answer)->click();
        });
        team_view()->window()->findChild<QPushButton*>(QStringLiteral("DeleteDownload"))->click();
    }
};

TEST_F(TeamView, TwoInspectorsDownloadsSeenTogetherComparedExportedAndGuarded) {
    push_inspection("anna", 9, {100, 150, 120});
    push_inspection("ben", 10, {105, 300, 130});
    {
        // The lab named anna, not ben.
        QtTeamStore boss;
        ASSERT_TRUE(boss.connect(as("boss")));
        ASSERT_TRUE(boss.keep_person(QStringLiteral("anna"), QStringLiteral("安娜")));
    }
    open_third_machine();
    ui::ArchiveWindow* own = controller->archive()->show_window();
    ui::TeamHookup& team = controller->archive()->team();
    team.status_line()->team_switch()->click();
    ASSERT_TRUE(brought_up_to_date());
    ui::ArchiveWindow* w = team_view()->window();
    EXPECT_FALSE(own->download_list()->isVisible());
    ASSERT_EQ(w->download_list()->model()->rowCount(), 2)
        << team_view()->state()->text().toStdString();
    ASSERT_GE(row_of_owner("安娜 (anna)"), 0);

    // Ben's is the newest and opens first: its points against Anna's earlier ones.
    w->download_list()->setCurrentIndex(w->download_list()->model()->index(row_of_owner("ben"), 0));
    ASSERT_EQ(w->points().size(), 3u);
    EXPECT_EQ(w->points()[1].label, QStringLiteral("A2"));
    ASSERT_TRUE(w->points()[1].previous);
    EXPECT_EQ(w->points()[1].previous->group.milliohm, 150);
    EXPECT_TRUE(w->points()[1].deteriorated);
    const QString csv = folder.filePath(QStringLiteral("ben.csv"));
    dialogs.answer = csv;
    w->findChild<QPushButton*>(QStringLiteral("ExportCsv"))->click();
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().contains("A2")) << csv.toStdString();

    // A plan applied in the team view is the team's.
    QFile plan(folder.filePath(QStringLiteral("plan.txt")));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write("A1\nA2\nA3\n");
    plan.close();
    dialogs.open_answer = plan.fileName();
    w->findChild<QPushButton*>(QStringLiteral("ApplyPlan"))->click();
    ASSERT_TRUE(brought_up_to_date());
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    ASSERT_EQ(anna.plans()->size(), 1u);
    EXPECT_EQ(anna.plans()->front().labels, QStringList({"A1", "A2", "A3"}));

    // Ben's own details: the line under the button says what the server made of them.
    ui::InspectionDetailsPanel* panel = w->details_panel();
    panel->findChild<QLineEdit*>(QStringLiteral("DetailsNotes"))->setText(QStringLiteral("ok"));
    panel->findChild<QPushButton*>(QStringLiteral("SaveDetails"))->click();
    EXPECT_EQ(panel->message()->text(), text::kSentToServer.shown());
    ASSERT_TRUE(brought_up_to_date());
    EXPECT_EQ(panel->message()->text(), text::kSavedOnServer.shown());

    // Anna's download: read-only for Ben, saying why; its deletion is refused and the server's
    // version stays.
    w->download_list()->setCurrentIndex(
        w->download_list()->model()->index(row_of_owner("安娜 (anna)"), 0));
    QAbstractItemModel* groups = w->group_table()->model();
    EXPECT_FALSE(groups->flags(groups->index(0, Column::Point)) & Qt::ItemIsEditable);
    EXPECT_FALSE(groups->setData(groups->index(0, Column::Point), QStringLiteral("mine now")));
    EXPECT_TRUE(panel->findChild<QLineEdit*>(QStringLiteral("DetailsNotes"))->isReadOnly());
    EXPECT_FALSE(panel->findChild<QPushButton*>(QStringLiteral("SaveDetails"))->isEnabled());
    EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("ApplyPlan"))->isEnabled());
    EXPECT_TRUE(panel->message()->text().contains(QStringLiteral("安娜 (anna)")))
        << panel->message()->text().toStdString();
    ASSERT_TRUE(w->open_download());
    EXPECT_EQ(w->open_download()->labels.at(1), QStringLiteral("A1"));
    w->download_list()->setCurrentIndex(
        w->download_list()->model()->index(row_of_owner("安娜 (anna)"), 0));
    delete_open(QMessageBox::Yes);
    ASSERT_TRUE(brought_up_to_date());
    EXPECT_EQ(team_view()->state()->text(), text::kTeamCopyRefused.shown());
    EXPECT_EQ(w->download_list()->model()->rowCount(), 2);

    // Ben's own goes, from the server and the view.
    w->download_list()->setCurrentIndex(w->download_list()->model()->index(row_of_owner("ben"), 0));
    delete_open(QMessageBox::Yes);
    ASSERT_TRUE(brought_up_to_date());
    EXPECT_EQ(w->download_list()->model()->rowCount(), 1);
    QtTeamStore boss;
    ASSERT_TRUE(boss.connect(as("boss")));
    EXPECT_EQ(boss.list({})->size(), 1u);

    team.status_line()->local_switch()->click();
    EXPECT_TRUE(own->download_list()->isVisible());
    EXPECT_TRUE(team_view()->isHidden());
}

// The copy lists every download by its summary and keeps on disk the groups of those opened, and
// of the earlier inspections of their rooms that they are compared with; off the network, what
// was opened is there, and one never opened shows its groups once the server answers again.
TEST_F(TeamView, ReadsADownloadsGroupsWhenOpenedAndKeepsThemForOffTheNetwork) {
    push_inspection("anna", 8, {90}, QStringLiteral("手术室7"));
    push_inspection("anna", 9, {100, 150, 120}, QStringLiteral("手术室5"));
    push_inspection("anna", 10, {100, 150});
    push_inspection("ben", 11, {105, 300});
    open_third_machine();
    controller->archive()->show_window();
    controller->archive()->team().status_line()->team_switch()->click();
    ASSERT_TRUE(brought_up_to_date());
    ui::ArchiveWindow* w = team_view()->window();
    QTableView* list = w->download_list();
    ASSERT_EQ(list->model()->rowCount(), 4);

    // Ben's, the newest, opened against Anna's of the same room.
    ASSERT_EQ(w->points().size(), 2u);
    ASSERT_TRUE(w->points()[1].previous);
    EXPECT_EQ(w->points()[1].previous->group.milliohm, 150);
    EXPECT_EQ(groups_kept(), 4);
    // Room 5's, never opened: its lowest and highest as the server gave them, as Anna's opened
    // one of the same values shows them.
    const int other = row_of_room(QStringLiteral("手术室5"));
    ASSERT_EQ(other, 2);
    for (const int column : {download_column::Min, download_column::Max})
        EXPECT_EQ(cell(list, other, column), cell(list, 1, column));

    list->setCurrentIndex(list->model()->index(other, 0));
    ASSERT_TRUE(brought_up_to_date());
    EXPECT_EQ(w->group_table()->model()->rowCount(), 3);
    EXPECT_EQ(groups_kept(), 7);

    test::server().stop();
    team_view()->findChild<QPushButton*>(QStringLiteral("TeamCopyRefresh"))->click();
    ASSERT_TRUE(brought_up_to_date());
    EXPECT_TRUE(team_view()->stale());
    const auto open_room = [&](const char* room) {
        list->setCurrentIndex(list->model()->index(row_of_room(QString::fromUtf8(room)), 0));
        return brought_up_to_date();
    };
    ASSERT_TRUE(open_room("手术室3"));
    ASSERT_TRUE(open_room("手术室5"));
    EXPECT_EQ(w->group_table()->model()->rowCount(), 3);
    ASSERT_TRUE(open_room("手术室7"));
    EXPECT_EQ(w->group_table()->model()->rowCount(), 0);
    // Without its groups it is neither written nor printed: the user is told why.
    const QString never = folder.filePath(QStringLiteral("never.csv"));
    dialogs.answer = never;
    for (const char* button :
         {"ExportText", "ExportCsv", "ExportPdf", "PrintDownload", "ReportPdf", "PrintReport"}) {
        messages.shown.clear();
        w->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        ASSERT_EQ(messages.shown.size(), 1u) << button;
        EXPECT_EQ(messages.shown[0].second, text::kTeamGroupsNotRead.shown()) << button;
    }
    EXPECT_FALSE(QFile::exists(never));

    ASSERT_TRUE(test::server().restart());
    ASSERT_TRUE(open_room("手术室5"));
    ASSERT_TRUE(open_room("手术室7"));
    EXPECT_EQ(w->group_table()->model()->rowCount(), 1);
}

TEST_F(TeamView, SaysSinceWhenTheServerIsOutOfUseAndCatchesUpWhenItAnswersAgain) {
    push_inspection("anna", 9, {100});
    open_third_machine();
    controller->archive()->show_window();
    ui::TeamHookup& team = controller->archive()->team();
    QLabel* push_line = team.status_line()->label();
    team.status_line()->team_switch()->click();
    ASSERT_TRUE(brought_up_to_date());
    ASSERT_TRUE(test::wait_until([&] { return !push_line->text().isEmpty(); }, 30000));
    const QString all_pushed = push_line->text();
    const QRegularExpression clock(QStringLiteral("\\d\\d:\\d\\d"));

    test::server().stop();
    team_view()->findChild<QPushButton*>(QStringLiteral("TeamCopyRefresh"))->click();
    ASSERT_TRUE(brought_up_to_date());
    team.status_line()->findChild<QPushButton*>(QStringLiteral("TeamPushButton"))->click();
    // Both lines follow the last attempt, and say since when and what is shown.
    EXPECT_TRUE(test::wait_until([&] { return push_line->text() != all_pushed; }, 30000));
    EXPECT_TRUE(push_line->text().contains(clock)) << push_line->text().toStdString();
    EXPECT_TRUE(team_view()->stale());
    EXPECT_TRUE(team_view()->state()->text().contains(clock))
        << team_view()->state()->text().toStdString();

    ASSERT_TRUE(test::server().restart());
    // No button pressed: the pusher's next try finds the server, and the view follows.
    EXPECT_TRUE(
        test::wait_until([&] { return !team_view()->stale() && !team_view()->updating(); }, 60000))
        << team_view()->state()->text().toStdString();
    EXPECT_EQ(push_line->text(), all_pushed);
}

TEST_F(TeamView, TheChosenDownloadsHistoryShowsAsTheCommandLinePrintsIt) {
    push_inspection("anna", 9, {100, 150, 120});
    open_third_machine();
    controller->archive()->show_window();
    controller->archive()->team().status_line()->team_switch()->click();
    ASSERT_TRUE(brought_up_to_date());
    ASSERT_TRUE(team_view()->window()->open_download());
    const QString uuid = team_view()->window()->open_download()->uuid;
    // A note with a line break of its own: escaped, it cannot forge a line.
    QtTeamStore office;
    ASSERT_TRUE(office.connect(as("boss")));
    TeamDetailsChange notes;
    notes.notes = QStringLiteral("wet\nfloor");
    ASSERT_TRUE(office.describe(uuid, notes));
    team_view()->bring_up_to_date();
    ASSERT_TRUE(brought_up_to_date());
    ui::TeamHistoryPanel* history = team_view()->history();
    ASSERT_TRUE(test::wait_until([&] { return !history->reading(); }, 30000));
    const test::CliResult printed =
        test::run_cli({"team", "history", uuid, "--server", uri("ben")});
    ASSERT_EQ(printed.exit_code, 0);
    EXPECT_EQ(history->lines()->toPlainText() + QLatin1Char('\n'), printed.out);
    EXPECT_EQ(history->lines()->toPlainText().count(QLatin1Char('\n')), 1);  // push, change
}

}  // namespace
}  // namespace eqbond
