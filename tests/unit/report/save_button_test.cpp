// The save button: which file it offers, what it writes, and what a failure shows.
#include "report/save_button.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "program/window_views.h"
#include "report/text_report.h"
#include "support/report_fakes.h"

#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

namespace eqbond {
namespace {

using test::put_groups;

const std::pair<QString, QString> kSaveFailed{QStringLiteral("系统提示!"),
                                              QStringLiteral("文件保存失败.")};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs `work` with files checked as an ordinary user would be: root passes every permission
// check, so for it a read-only folder is not read-only.
void as_ordinary_user(const std::function<void()>& work) {
#ifdef Q_OS_LINUX
    if (geteuid() == 0) {
        const int nobody = 65534;
        setfsuid(nobody);
        work();
        setfsuid(0);
        return;
    }
#endif
    work();
}

// A home folder of its own, so the suggested folder lands in it.
struct SaveFixture : ::testing::Test {
    QTemporaryDir home;
    QByteArray saved_home = qgetenv("HOME");
    test::ReportProgram f;

    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther |
                                               QFile::ReadGroup | QFile::ExeGroup);
        qputenv("HOME", home.path().toLocal8Bit());
        put_groups(f.records(), 5);
        f.state().link.next_group = 6;
        forget_korval();
    }
    void TearDown() override {
        qputenv("HOME", saved_home);
        forget_korval();
    }

    void show_listing() {
        f.state().main_window.work_view = false ? WorkView::Chart : WorkView::Listing;
    }
#ifdef Q_OS_WIN
    // Windows keeps the folder at c:\KORVAL whatever the home; only an empty one is taken away.
    QString korval() const {
        return QStringLiteral("c:/KORVAL");
    }
    void forget_korval() const {
        QDir().rmdir(korval());
    }
#else
    QString korval() const {
        return home.filePath(QStringLiteral("KORVAL"));
    }
    void forget_korval() const {}
#endif
    QStringList files_in(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

TEST_F(SaveFixture, ChartShownSavesTheBitmapWhereTheDialogSays) {
    const QString path = home.filePath(QStringLiteral("chart.bmp"));
    f.dialogs.answer = path;
    on_save_clicked(f.program);
    ASSERT_EQ(f.dialogs.asked.size(), 1u);
    const SaveRequest& asked = f.dialogs.asked[0];
    EXPECT_EQ(asked.default_extension, QStringLiteral(".bmp"));
    EXPECT_EQ(asked.file_name, QStringLiteral("KORVAL.bmp"));
    EXPECT_TRUE(asked.filter.contains(QStringLiteral("*.bmp")));
    EXPECT_EQ(asked.initial_folder, korval());
    EXPECT_TRUE(QFileInfo(korval()).isDir()) << "the bitmap branch makes the folder";
    EXPECT_EQ(f.chart_image.saved_to, std::vector<QString>{path});
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(SaveFixture, ListingShownSavesTheTextReport) {
    show_listing();
    const QString path = home.filePath(QStringLiteral("report.txt"));
    f.dialogs.answer = path;
    on_save_clicked(f.program);
    ASSERT_EQ(f.dialogs.asked.size(), 1u);
    const SaveRequest& asked = f.dialogs.asked[0];
    EXPECT_EQ(asked.default_extension, QStringLiteral(".txt"));
    EXPECT_EQ(asked.file_name, QStringLiteral("KORVAL.txt"));
    EXPECT_TRUE(asked.filter.contains(QStringLiteral("*.txt")));
    EXPECT_EQ(asked.initial_folder, korval());
    EXPECT_FALSE(QFileInfo::exists(korval())) << "only the bitmap branch makes the folder";
    EXPECT_EQ(contents(path), text_report(f.records(), 6));
    EXPECT_TRUE(contents(path).contains("0005\xD7\xE9: "));
    EXPECT_TRUE(f.chart_image.saved_to.empty());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(SaveFixture, AnOlderFileIsReplacedNotAppendedTo) {
    show_listing();
    const QString path = home.filePath(QStringLiteral("report.txt"));
    write(path, QByteArray(100000, 'x'));
    f.dialogs.answer = path;
    on_save_clicked(f.program);
    EXPECT_EQ(contents(path), text_report(f.records(), 6));
    EXPECT_EQ(files_in(home.path()), QStringList{QStringLiteral("report.txt")});
}

TEST_F(SaveFixture, CancelWritesNothingAndSaysNothing) {
    for (bool chart : {true, false}) {
        SCOPED_TRACE(chart ? "chart" : "listing");
        f.state().main_window.work_view = chart ? WorkView::Chart : WorkView::Listing;
        const QString old_file = home.filePath(QStringLiteral("KORVAL.txt"));
        write(old_file, "older");
        f.dialogs.answer.reset();
        on_save_clicked(f.program);
        EXPECT_EQ(contents(old_file), "older");
        EXPECT_EQ(files_in(home.path()), QStringList{QStringLiteral("KORVAL.txt")});
        EXPECT_TRUE(f.chart_image.saved_to.empty());
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST_F(SaveFixture, AFailedSaveSaysSoAndKeepsTheOlderFile) {
    const QString locked = home.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString old_file = locked + QStringLiteral("/KORVAL.txt");
    write(old_file, "older report");
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther |
                                                  QFile::ReadGroup | QFile::ExeGroup));
    const struct {
        const char* what;
        bool chart;
        bool bitmap_fails;
        QString path;
    } cases[] = {
        {"text into a read-only folder", false, false, old_file},
        {"text into a folder that is not there", false, false,
         home.filePath(QStringLiteral("missing/KORVAL.txt"))},
        {"text onto a folder's name", false, false, home.path()},
        {"bitmap not written", true, true, home.filePath(QStringLiteral("KORVAL.bmp"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
#ifdef Q_OS_WIN
        if (&c == &cases[0]) continue;  // Windows does not make a folder read-only by its mode bits
#endif
        f.messages.shown.clear();
        f.state().main_window.work_view = c.chart ? WorkView::Chart : WorkView::Listing;
        f.chart_image.fails = c.bitmap_fails;
        f.dialogs.answer = c.path;
        as_ordinary_user([&] { on_save_clicked(f.program); });
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0], kSaveFailed);
        EXPECT_EQ(contents(old_file), "older report");
        EXPECT_EQ(files_in(locked), QStringList{QStringLiteral("KORVAL.txt")}) << "no leftovers";
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ReplaceFile, WritesTheWholeFileUnderItsName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    for (const QByteArray& bytes :
         {QByteArray("first, and longer"), QByteArray("second"), QByteArray()}) {
        EXPECT_TRUE(replace_file(path, bytes));
        EXPECT_EQ(contents(path), bytes);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("a.txt")});
}

}  // namespace
}  // namespace eqbond
