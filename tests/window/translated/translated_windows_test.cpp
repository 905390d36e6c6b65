// The program started in English on a Chinese system: the archive window, the message boxes and
// Qt's own save dialog read in English; the language button keeps the choice for the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

#include "archive/archive_location.h"
#include "archive/qt_sqlite_file.h"
#include "base/texts.h"
#include "inspection/archive_window_view.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "support/fake_ports.h"
#include "support/qstring_printer.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_window.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/team_status.h"
#include "window/translated/interface_language.h"

namespace eqbond {
namespace {

// Runs before main(), so the application object takes this for the system's locale.
const bool chinese_system = [] {
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    setenv("LANG", "zh_CN.UTF-8", 1);
    return true;
}();

struct EnglishProgram : ::testing::Test {
    test::InterfaceLanguage language{Language::English};
    QTemporaryDir dir;
    test::FakeMessageBox messages;  // outlives the program, which may still tell it something
    std::unique_ptr<ui::AppController> controller;

    void SetUp() override {
        ASSERT_TRUE(chinese_system);
        ASSERT_EQ(QLocale::system().language(), QLocale::Chinese);
        ASSERT_TRUE(language.installed());
        const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
        {
            QtSqliteFile archive_file;
            QtSqliteInspections archive(archive_file);
            ASSERT_TRUE(archive_file.open(file));
            const auto download = test::made_download(40, 1);
            ASSERT_TRUE(archive.save_download(download.first, download.second));
        }
        ui::LaunchOptions options;
        options.ports = {QStringLiteral("/nonexistent/eqbond-test-port")};
        options.splash = false;
        options.archive_file = file;
        options.language = Language::English;
        controller = std::make_unique<ui::AppController>(options);
        QString error;
        ASSERT_TRUE(controller->start(&error)) << error.toStdString();
        controller->program().ports.message_box = &messages;
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }
};

TEST_F(EnglishProgram, TheArchiveWindowAndTheMessageBoxesReadInEnglish) {
    ui::MainWindow* main = controller->main_window();
    EXPECT_EQ(test::english_caption_faults(*main), QStringList());
    main->findChild<QPushButton*>(QStringLiteral("ArchiveButton"))->click();
    ui::ArchiveWindow* archive = controller->archive()->window();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->windowTitle(), QStringLiteral("Measurement archive"));
    const QStringList faults = test::english_caption_faults(*archive);
    QStringList headers;
    for (QTableView* table : {archive->download_list(), archive->group_table()}) {
        for (int c = 0; c < table->model()->columnCount(); ++c)
            headers << table->model()->headerData(c, Qt::Horizontal).toString();
    }
    EXPECT_EQ(faults, QStringList());
    EXPECT_EQ(headers,
              (QStringList{"Read at",    "Port",  "Groups",     "Status",      "Lowest",
                           "Highest",    "Pass",  "Fail",       "Site",        "Location",
                           "Pushed by",  "Group", "Resistance", "Result",      "Deteriorated",
                           "Test point", "Limit", "Previous",   "Change (mΩ)", "Change (%)",
                           "Date",       "Time",  "Low battery"}));
    EXPECT_EQ(archive->download_list()->model()->index(0, 3).data().toString(),
              QStringLiteral("Complete"));

    ui::QtMessageBox boxes(main);
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown << box->windowTitle() << box->text();
        for (QAbstractButton* b : box->buttons()) shown << b->text();
        box->done(0);
    });
    boxes.show(text::kMessageTitle, text::kNoDataMessage);
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"Cancel", "Continue", "Notice",
                                  "The instrument holds no stored groups.", "Try Again"}));
}

TEST_F(EnglishProgram, QtsOwnSaveDialogSpeaksEnglishOnAChineseSystem) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QStringList shown;
    for (QAbstractButton* b : buttons->buttons()) shown << b->text();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"&Save", "Cancel"}));
}

TEST_F(EnglishProgram, TheLanguageButtonKeepsTheChoiceForTheNextStart) {
    auto* button =
        controller->main_window()->findChild<QPushButton*>(QStringLiteral("LanguageButton"));
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->menu(), nullptr);
    const auto choose = [&](const char* code) {
        button->menu()->findChild<QAction*>(QString::fromLatin1(code))->trigger();
    };
    const struct {
        const char* chosen;
        Language saved;
        bool notice;  // the interface changes at the next start
    } steps[] = {
        {"zh", Language::Chinese, true},
        {"zh", Language::Chinese, false},  // chosen already
        {"en", Language::English, false},  // the language it speaks now
        {"zh", Language::Chinese, true},
    };
    save_language(Language::English);
    for (const auto& s : steps) {
        SCOPED_TRACE(s.chosen);
        messages.shown.clear();
        choose(s.chosen);
        EXPECT_EQ(saved_language(), s.saved);
        ASSERT_EQ(messages.shown.size(), s.notice ? 1u : 0u);
        if (s.notice) {
            EXPECT_EQ(messages.shown[0].second, text::kChineseAtNextStart);
        }
    }
    // Nothing on screen changed language.
    EXPECT_EQ(test::english_caption_faults(*controller->main_window()), QStringList());
}

// The switch between the archives and the button to the server's dialog never share a name.
TEST(TeamStatusLineCaptions, NameEachButtonForWhatItDoesInEitherLanguage) {
    for (const Language language : {Language::Chinese, Language::English}) {
        test::InterfaceLanguage installed(language);
        ui::TeamStatusLine line;
        QStringList captions;
        for (const char* name : {"LocalArchiveSwitch", "TeamArchiveSwitch", "TeamButton"})
            captions << line.findChild<QPushButton*>(QString::fromLatin1(name))->text();
        EXPECT_EQ(captions.removeDuplicates(), 0) << captions.join(QLatin1Char('|')).toStdString();
        // The server's button opens a dialog.
        EXPECT_TRUE(captions.back().endsWith(QChar(0x2026))) << captions.back().toStdString();
    }
}

// At a laptop's screen and a desktop's, in either language, the columns that say what a group
// is and how it compares are in sight, as are where the downloads were measured.
TEST(ArchiveWindowColumns, FitWithoutScrollingAtCommonScreenSizes) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
    {
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        ASSERT_TRUE(archive_file.open(file));
        for (int seed : {1, 2}) {
            const auto made = test::made_download(40, seed);
            const std::optional<int64_t> id = archive.save_download(made.first, made.second);
            ASSERT_TRUE(id);
            const std::optional<Site> site = archive.site_named(QStringLiteral("市第一医院急诊楼"));
            ASSERT_TRUE(site);
            InspectionDetails details;
            details.site_id = site->id;
            details.location = QStringLiteral("手术室3 地下一层配电间");
            ASSERT_TRUE(archive.set_details(*id, details));
            ASSERT_TRUE(archive.set_labels(*id, {{1, QStringLiteral("A1 接地端子")}}));
        }
    }
    save_bonding_limit(QStringLiteral("0.1"));
    for (const Language language : {Language::Chinese, Language::English}) {
        test::InterfaceLanguage installed(language);
        test::FakeMessageBox messages;
        ui::LaunchOptions options;
        options.ports = {QStringLiteral("/nonexistent/eqbond-test-port")};
        options.splash = false;
        options.archive_file = file;
        options.language = language;
        ui::AppController controller(options);
        QString error;
        ASSERT_TRUE(controller.start(&error)) << error.toStdString();
        controller.program().ports.message_box = &messages;
        ui::ArchiveWindow* w = controller.archive()->show_window();
        // The window fits a 1366x768 screen with its task bar and frame.
        EXPECT_LE(w->minimumSizeHint().width(), 1366);
        EXPECT_LE(w->minimumSizeHint().height(), 768 - 70);
        for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) {
            SCOPED_TRACE(testing::Message() << int(language) << " " << screen.width());
            w->resize(screen - QSize(0, 70));
            QApplication::processEvents();
            const auto in_sight = [](QTableView* table, std::initializer_list<int> columns) {
                QStringList out;
                for (int c : columns)
                    if (table->isColumnHidden(c) || table->columnViewportPosition(c) < 0 ||
                        table->columnViewportPosition(c) + table->columnWidth(c) >
                            table->viewport()->width())
                        out << table->model()->headerData(c, Qt::Horizontal).toString();
                return out;
            };
            namespace g = group_column;
            EXPECT_EQ(in_sight(w->group_table(),
                               {g::Number, g::Value, g::Verdict, g::Deteriorated, g::Point,
                                g::Limit, g::Previous, g::ChangeMilliohm, g::ChangePercent}),
                      QStringList());
            EXPECT_EQ(in_sight(w->download_list(),
                               {download_column::SiteName, download_column::Location}),
                      QStringList());
        }
        w->hide();
    }
    save_bonding_limit(QString());
}

}  // namespace
}  // namespace eqbond
