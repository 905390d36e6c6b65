// The archive in real SQLite files: a read from the simulated instrument comes back as the save
// button's file, an archive of each earlier layout is brought forward, and a process killed while
// archiving leaves every earlier download intact.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include "archive/archive_export.h"
#include "archive/qt_sqlite_file.h"
#include "base/value_format.h"
#include "inspection/download_recorder.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/headless_program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/wait.h"
#include "report/csv_report.h"
#include "report/save_button.h"
#include "sim/stored_groups.h"
#include "support/qstring_printer.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ArchiveRoundTrip, AReadOf250GroupsComesBackAsTheSaveButtonsFile) {
    QTemporaryDir dir;
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(250, 7);
    test::LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    test::HeadlessProgram program(PortTable::fixed({QString(), instrument.path()}));
    const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
    {
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        ASSERT_TRUE(archive_file.open(file));
        DownloadRecorder recorder(archive);
        program.program().ports.read_observer = &recorder;
        program.load();
        ASSERT_TRUE(test::wait_until(
            [&] { return program.link().linked && program.link().instrument_group_count == 250; },
            5000));
        program.click(on_read_clicked);
        ASSERT_TRUE(test::wait_until([&] { return program.link().reading() == false; }, 30000));
        program.program().ports.read_observer = nullptr;
    }
    test::FakeFileDialogs dialogs;
    dialogs.answer = dir.filePath(QStringLiteral("KORVAL.txt"));
    program.program().ports.file_dialogs = &dialogs;
    program.click(on_save_clicked);  // the listing is shown: the text report

    QtSqliteFile reopened_file;

    QtSqliteInspections reopened(reopened_file);
    ASSERT_TRUE(reopened_file.open(file));
    const BondingLimit limit = *typed_bonding_limit(QStringLiteral("0.15"));
    const std::vector<ListedInspection> listed = reopened.list(limit);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].download.end, DownloadEnd::Complete);
    EXPECT_EQ(listed[0].groups_held, 250);
    EXPECT_EQ(listed[0].download.device, instrument.path());
    const std::optional<Inspection> download = reopened.load(listed[0].id);
    ASSERT_TRUE(download);
    EXPECT_EQ(archived_text_report(*download), read_file(*dialogs.answer));

    // The verdicts, counted from the milliohms the instrument measured (150 passes 0.15 ohm,
    // whatever fourth decimal the display makes up).
    int failing = 0;
    for (const sim::StoredGroup& g : config.groups) failing += g.value > 150;
    ASSERT_GT(failing, 0);
    ASSERT_LT(failing, 250);
    EXPECT_EQ(listed[0].failing, failing);
    const QStringList rows = QString::fromUtf8(archived_csv(*download, limit).mid(3))
                                 .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 251);
    EXPECT_EQ(rows[0], QStringLiteral("组号,电阻(mΩ),电阻值,日期,时间,电池电压低,判定"));
    EXPECT_EQ(rows.filter(QRegularExpression(QStringLiteral(",不合格$"))).size(), failing);
    EXPECT_EQ(rows.filter(QRegularExpression(QStringLiteral(",合格$"))).size(), 250 - failing);
    // Without a limit the CSV is eqbond-cli's, byte for byte.
    EXPECT_EQ(archived_csv(*download, std::nullopt), csv_report(program.state().records, 1, 250));
}

// What the first version of the archive wrote.
const char* const kFirstLayout[] = {
    "CREATE TABLE downloads (id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL,"
    " finished_ms INTEGER NOT NULL, port_no INTEGER NOT NULL, device TEXT NOT NULL,"
    " reported_total INTEGER NOT NULL, groups_read INTEGER NOT NULL,"
    " complete INTEGER NOT NULL CHECK (complete IN (0, 1)))",
    "CREATE TABLE download_groups (download_id INTEGER NOT NULL"
    " REFERENCES downloads (id) ON DELETE CASCADE, group_no INTEGER NOT NULL,"
    " raw_value INTEGER NOT NULL, overload INTEGER NOT NULL CHECK (overload IN (0, 1)),"
    " display_text TEXT NOT NULL, battery INTEGER NOT NULL, year INTEGER NOT NULL,"
    " month INTEGER NOT NULL, day INTEGER NOT NULL, hour INTEGER NOT NULL,"
    " minute INTEGER NOT NULL, PRIMARY KEY (download_id, group_no)) WITHOUT ROWID",
    "INSERT INTO downloads VALUES (1, 1700000000000, 1700000030000, 3, '/dev/ttyS2', 4,"
    " 4, 1)",
    "INSERT INTO downloads VALUES (2, 1700000600000, 1700000630000, 3, '/dev/ttyS2', 9,"
    " 2, 0)",
    "INSERT INTO download_groups VALUES (1, 1, 80, 0, ' 0.0804Ω', 0, 24, 5, 17, 9, 5)",
    "INSERT INTO download_groups VALUES (1, 2, 45000, 1, '  O L  Ω', 0, 24, 5, 17, 9, 6)",
    "INSERT INTO download_groups VALUES (1, 3, 123, 0, ' 0.1236Ω', 1, 24, 5, 17, 9, 7)",
    "INSERT INTO download_groups VALUES (1, 4, 12345, 0, '12.3454Ω', 0, 24, 5, 17, 9, 8)",
    "INSERT INTO download_groups VALUES (2, 1, 55, 0, ' 0.0550Ω', 0, 24, 5, 18, 8, 0)",
    "INSERT INTO download_groups VALUES (2, 2, 99, 0, ' 0.0991Ω', 0, 24, 5, 18, 8, 1)",
};

// What the second version added to it: the shown value as a number (read from the shown text,
// an overload above every value) and the count of groups held.
const char* const kSecondLayout[] = {
    "ALTER TABLE download_groups ADD COLUMN value_rank INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE downloads ADD COLUMN groups_held INTEGER NOT NULL DEFAULT 0",
    "UPDATE download_groups SET value_rank = CASE overload WHEN 1 THEN 400001 ELSE"
    " CAST(REPLACE(REPLACE(TRIM(display_text), '.', ''), 'Ω', '') AS INTEGER) END",
    "UPDATE downloads SET groups_held ="
    " (SELECT COUNT(*) FROM download_groups WHERE download_id = downloads.id)",
    "CREATE INDEX download_groups_by_rank ON download_groups (download_id, value_rank)",
};

void write_layout(const QString& file, int version) {
    test::OtherConnection old(file);
    std::vector<const char*> statements(std::begin(kFirstLayout), std::end(kFirstLayout));
    if (version >= 2)
        statements.insert(statements.end(), std::begin(kSecondLayout), std::end(kSecondLayout));
    for (const char* sql : statements)
        ASSERT_FALSE(old.run(QString::fromUtf8(sql)).toString().startsWith("error")) << sql;
    old.run(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

TEST(ArchiveLayout, AnArchiveOfEachEarlierLayoutIsBroughtForward) {
    for (int version : {1, 2}) {
        SCOPED_TRACE(version);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("old.sqlite"));
        write_layout(file, version);
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        ASSERT_TRUE(archive_file.open(file)) << archive.fault()->detail.toStdString();
        const std::vector<ListedInspection> listed =
            archive.list(typed_bonding_limit(QStringLiteral("0.1")));
        ASSERT_EQ(listed.size(), 2u);
        EXPECT_EQ(listed[0].id, 2);  // newest first
        EXPECT_EQ(listed[0].download.end, DownloadEnd::Abandoned);
        EXPECT_EQ(listed[0].groups_held, 2);
        EXPECT_EQ(listed[0].failing, 0);
        EXPECT_EQ(listed[1].groups_held, 4);
        EXPECT_EQ(listed[1].lowest_milliohm, 80);
        EXPECT_EQ(listed[1].highest_milliohm, 45000);
        EXPECT_EQ(listed[1].failing, 3);
        EXPECT_FALSE(listed[1].site_id);
        const std::optional<Inspection> old = archive.load(1);
        ASSERT_TRUE(old);
        ASSERT_EQ(old->groups.size(), 4u);
        EXPECT_EQ(old->groups[2], (Group{3, 123, 1, 24, 5, 17, 9, 7}));
        EXPECT_EQ(old->download.device, QStringLiteral("/dev/ttyS2"));
        EXPECT_TRUE(old->labels.empty());
        // Every old download has its own uuid and is yet to be pushed.
        test::OtherConnection check(file);
        EXPECT_EQ(check.run(QStringLiteral("SELECT COUNT(DISTINCT uuid) FROM downloads")), 2);
        EXPECT_EQ(check.run(QStringLiteral("SELECT MIN(changed_since_push) FROM downloads")), 1);
        // The old downloads take inspection details like new ones.
        const std::optional<Site> site = archive.site_named(QStringLiteral("北区医院"));
        ASSERT_TRUE(site);
        EXPECT_TRUE(archive.set_details(1, {site->id, QStringLiteral("3F"), {}, {}, {}}));
        EXPECT_TRUE(archive.set_label(1, 2, QStringLiteral("PE bar")));
        auto [download, groups] = test::made_download(30);
        download.device = QString();  // a port whose device is not known
        EXPECT_TRUE(archive.save_download(download, groups));
        EXPECT_EQ(check.run(QStringLiteral("PRAGMA user_version")).toInt(),
                  QtSqliteFile::kSchemaVersion);
    }
}

constexpr int kKillGroups = 10000;

// The child's side: archives downloads of 10000 groups until it is killed.
[[noreturn]] void archive_until_killed(const QString& file) {
    QtSqliteFile archive_file;
    QtSqliteInspections archive(archive_file);
    if (!archive_file.open(file)) ::_exit(3);
    const auto [download, groups] = test::made_download(kKillGroups);
    QTextStream out(stdout);
    for (int n = 1;; ++n) {
        out << "archiving " << n << Qt::endl;
        if (!archive.save_download(download, groups)) ::_exit(4);
    }
}

TEST(ArchiveKill, AProcessKilledWhileArchivingLeavesEveryEarlierDownloadIntact) {
    const QString writer_file = qEnvironmentVariable("EQBOND_ARCHIVE_WRITER");
    if (!writer_file.isEmpty()) archive_until_killed(writer_file);
    for (int delay_ms : {0, 5, 20, 45}) {
        SCOPED_TRACE(delay_ms);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("EQBOND_ARCHIVE_WRITER"), file);
        writer.setProcessEnvironment(env);
        writer.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=ArchiveKill.*")});
        QByteArray said;
        // Three downloads are in; the fourth is being written.
        ASSERT_TRUE(test::wait_until(
            [&] { return (said += writer.readAllStandardOutput()).contains("archiving 4"); },
            30000))
            << said.toStdString();
        if (delay_ms > 0) QThread::msleep(delay_ms);
        ::kill(pid_t(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished(5000));

        EXPECT_EQ(test::OtherConnection(file).run(QStringLiteral("PRAGMA integrity_check")),
                  QStringLiteral("ok"));
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        ASSERT_TRUE(archive_file.open(file));
        const std::vector<ListedInspection> listed = archive.list(std::nullopt);
        ASSERT_GE(listed.size(), 3u);
        ASSERT_LE(listed.size(), 4u);
        for (const ListedInspection& s : listed) {
            const std::optional<Inspection> d = archive.load(s.id);
            ASSERT_TRUE(d);
            EXPECT_EQ(d->groups.size(), size_t(kKillGroups));
            EXPECT_EQ(s.groups_held, kKillGroups);
        }
    }
}

}  // namespace
}  // namespace eqbond
