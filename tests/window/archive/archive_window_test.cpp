// The archive window on the real main window under the offscreen platform: opened from its
// button without moving a laid-out control, listing, opening, plotting, exporting, filtering and
// deleting downloads of a real archive file.
#include "ui/archive_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "report/text_report.h"
#include "support/report_fakes.h"
#include "support/started_program.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_plot.h"
#include "ui/main_window.h"

namespace eqbond {
namespace {

struct ArchiveWindowFixture : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<ui::AppController> controller;
    test::FakeMessageBox messages;
    test::FakeFileDialogs dialogs;
    test::FakePrinter printer;
    std::vector<Group> newest_groups;

    void SetUp() override {
        const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
        {
            QtSqliteFile archive_file;
            QtSqliteInspections archive(archive_file);
            ASSERT_TRUE(archive_file.open(file));
            auto older = test::made_download(120, 1);
            auto newer = test::made_download(300, 2);
            // A device name that would break SQL text built by hand.
            newer.first.device = QStringLiteral("/dev/ttyUSB1 ';\"设备");
            ASSERT_TRUE(archive.save_download(older.first, older.second));
            ASSERT_TRUE(archive.save_download(newer.first, newer.second));
            newest_groups = newer.second;
        }
        QString error;
        controller = test::started_program(file, messages, dialogs, printer, &error);
        ASSERT_TRUE(controller) << error.toStdString();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }

    ui::ArchiveWindow* open_window() {
        controller->main_window()
            ->findChild<QPushButton*>(QStringLiteral("ArchiveButton"))
            ->click();
        return controller->archive()->window();
    }
    QPushButton* button(ui::ArchiveWindow* w, const char* name) {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString cell(QTableView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
};

TEST_F(ArchiveWindowFixture, OpensFromTheFreeBandWithoutTouchingALaidOutControl) {
    ui::MainWindow* main = controller->main_window();
    auto* archive_button = main->findChild<QPushButton*>(QStringLiteral("ArchiveButton"));
    ASSERT_NE(archive_button, nullptr);
    EXPECT_EQ(archive_button->text(), QStringLiteral("测量档案"));
    EXPECT_TRUE(main->rect().contains(archive_button->geometry()));
    for (QObject* child : main->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control == archive_button || control->isWindow()) continue;
        EXPECT_FALSE(control->geometry().intersects(archive_button->geometry()))
            << control->objectName().toStdString();
    }
    ui::ArchiveWindow* window = open_window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("测量档案"));
    window->hide();
    auto* shortcut = main->findChild<QShortcut*>();
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->key(), QKeySequence(QStringLiteral("Ctrl+D")));
    emit shortcut->activated();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ArchiveWindowFixture, ListsOpensPlotsAndExportsTheNewestDownload) {
    ui::ArchiveWindow* window = open_window();
    QTableView* list = window->download_list();
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_TRUE(cell(list, 0, 1).contains(QStringLiteral("设备")));  // newest first
    EXPECT_EQ(cell(list, 0, 2), QStringLiteral("300"));
    ASSERT_TRUE(window->open_download());
    QTableView* groups = window->group_table();
    ASSERT_EQ(groups->model()->rowCount(), 300);
    groups->sortByColumn(1, Qt::DescendingOrder);  // resistance, highest first
    EXPECT_EQ(cell(groups, 0, 1), cell(list, 0, 5));
    EXPECT_EQ(cell(groups, 299, 1), cell(list, 0, 4));

    // A limit: the verdicts and counts appear, the plot marks the failing groups.
    auto* limit = window->findChild<QLineEdit*>(QStringLiteral("BondingLimit"));
    limit->setText(QStringLiteral("5"));
    emit limit->editingFinished();
    const Verdicts v =
        count_verdicts(newest_groups, GroupLimits({}, typed_bonding_limit(QStringLiteral("5"))));
    ASSERT_GT(v.failing, 0);
    EXPECT_EQ(cell(list, 0, 7), QString::number(v.failing));
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("VerdictCounts"))
                    ->text()
                    .contains(QString::number(v.passing)));
    const QImage plot = window->plot()->grab().toImage();
    int red = 0, failing = 0;
    for (const Group& g : newest_groups) {
        if (passes(g, *typed_bonding_limit(QStringLiteral("5")))) continue;
        ++failing;
        red += plot.pixelColor(window->plot()->position_of(g).toPoint()) ==
               ui::ArchivePlot::kFailColour;
    }
    EXPECT_EQ(red, failing);
    const int limit_row = int(*window->plot()->limit_y());
    int on_line = 0;
    for (int x = 60; x < plot.width() - 20; ++x)
        on_line += plot.pixelColor(x, limit_row) == ui::ArchivePlot::kLimitColour;
    EXPECT_GT(on_line, (plot.width() - 80) / 3);  // a dashed line

    // Exports under names a shell or SQL would choke on.
    dialogs.answer = dir.filePath(QStringLiteral("报告 \"a\";'b'.txt"));
    button(window, "ExportText")->click();
    RecordStore store;
    for (const Group& g : newest_groups) store.put(g);
    QFile text(*dialogs.answer);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll(), text_report(store, 301));  // what the save button writes
    dialogs.answer = dir.filePath(QStringLiteral("报告;'\".csv"));
    button(window, "ExportCsv")->click();
    QFile csv(*dialogs.answer);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count("\xE4\xB8\x8D\xE5\x90\x88\xE6\xA0\xBC"), v.failing);  // 不合格
    dialogs.answer = dir.filePath(QStringLiteral("报告.pdf"));
    button(window, "ExportPdf")->click();
    QFile pdf(*dialogs.answer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    button(window, "PrintDownload")->click();
    EXPECT_EQ(printer.pages().size(), 2u);  // 300 groups, 168 a page
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ArchiveWindowFixture, TheFilterTakesAnyTextAndTheArchiveStaysWhole) {
    ui::ArchiveWindow* window = open_window();
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("ArchiveFilter"));
    const struct {
        const char* typed;
        int rows;
    } cases[] = {
        {"'; DROP TABLE downloads; --", 0},
        {"\"", 1},
        {"';\"", 1},
        {"设备", 1},
        {"ttyusb0", 1},
        {"%", 0},
        {"_", 0},
        {"", 2},
    };
    for (const auto& c : cases) {
        filter->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(window->download_list()->model()->rowCount(), c.rows) << c.typed;
    }
    EXPECT_EQ(controller->archive()->inspections().list(std::nullopt).size(), 2u);
}

TEST_F(ArchiveWindowFixture, TheLimitFieldKeepsWhatIsTypedUntilDoneThenShowsTheLimitInForce) {
    ui::ArchiveWindow* window = open_window();
    auto* limit = window->findChild<QLineEdit*>(QStringLiteral("BondingLimit"));
    // Each case follows the one before it; one not finished meets a change read meanwhile.
    const struct {
        const char* typed;
        bool finished;
        const char* shown;
    } cases[] = {
        {"5", true, "5"}, {"7", false, "7"}, {"abc", true, "5"}, {" 6 ", true, "6"}, {"", true, ""},
    };
    for (const auto& c : cases) {
        limit->setText(QString::fromUtf8(c.typed));
        if (c.finished)
            emit limit->editingFinished();
        else
            window->refresh();
        EXPECT_EQ(limit->text(), QString::fromUtf8(c.shown)) << c.typed;
    }
}

TEST_F(ArchiveWindowFixture, DeleteAsksFirst) {
    ui::ArchiveWindow* window = open_window();
    for (const auto& [answer, rows] : {std::pair{QMessageBox::No, 2}, {QMessageBox::Yes, 1}}) {
        QTimer::singleShot(0, [answer = answer] {
            auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            EXPECT_EQ(ask->objectName(), QStringLiteral("ConfirmDelete"));
            ask->button(answer)->click();
        });
        button(window, "DeleteDownload")->click();
        EXPECT_EQ(window->download_list()->model()->rowCount(), rows);
        EXPECT_EQ(controller->archive()->inspections().list(std::nullopt).size(), size_t(rows));
    }
    EXPECT_EQ(cell(window->download_list(), 0, 2), QStringLiteral("120"));
}

}  // namespace
}  // namespace eqbond
