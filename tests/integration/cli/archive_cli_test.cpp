// eqbond-cli with the archive: a download goes into it, comes back out byte for byte under any
// file name, is deleted; an archive that cannot be used ends with exit code 5 after the files.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "integration/support/cli_run.h"
#include "integration/support/wait.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::CliResult;

struct ArchiveCli : ::testing::Test {
    QTemporaryDir folder;
    std::unique_ptr<sim::InstrumentSimulator> instrument;
    QString archive = folder.filePath(QStringLiteral("档案 ';\".sqlite"));

    void SetUp() override {
        sim::SimulatorConfig config;
        config.groups = sim::generate_groups(90, 3);
        config.link_path = folder.filePath(QStringLiteral("tty"));
        instrument = std::make_unique<sim::InstrumentSimulator>(config);
        ASSERT_TRUE(instrument->start());
    }
    CliResult run(const QStringList& arguments) { return test::run_cli(arguments); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(ArchiveCli, DownloadListExportDelete) {
    const QStringList download{"download", "--port", instrument->device_path(), "--archive",
                               archive};
    CliResult r = run(download + QStringList{"--txt", path("read.txt")});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    ASSERT_EQ(run(download).exit_code, 0);  // archiving alone is a download too

    r = run({"archive", "list", "--archive", archive, "--limit", "0.2"});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QStringList fields = lines[1].split(QLatin1Char('\t'));
    // Site, location and the calibration mark last.
    ASSERT_EQ(fields.size(), 12) << lines[1].toStdString();
    EXPECT_EQ(fields[0], QStringLiteral("1"));
    EXPECT_EQ(fields[3], QStringLiteral("90"));
    EXPECT_EQ(fields[4], QStringLiteral("complete"));
    EXPECT_EQ(fields[7].split(' ')[0].toInt() + fields[8].split(' ')[0].toInt(), 90);

    const QString odd = path("导出 \"1\";'x'.txt");
    r = run({"archive", "export", "1", "--archive", archive, "--txt", odd, "--csv", path("e.csv"),
             "--limit", "0.2"});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_EQ(read(odd), read(path("read.txt")));
    EXPECT_EQ(read(path("e.csv")).count("\r\n"), 91);

    EXPECT_EQ(run({"archive", "export", "7", "--archive", archive, "--txt", odd}).exit_code, 1);
    EXPECT_EQ(run({"archive", "export", "1;", "--archive", archive, "--txt", odd}).exit_code, 1);
    EXPECT_EQ(run({"archive", "delete", "1", "--archive", archive}).exit_code, 0);
    r = run({"archive", "list", "--archive", archive});
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("2\t")));
}

TEST_F(ArchiveCli, AnUnusableArchiveEndsWithCode5AfterTheFiles) {
    QFile garbage(archive);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, '\x42'));
    garbage.close();
    CliResult r = run({"download", "--port", instrument->device_path(), "--archive", archive,
                       "--txt", path("read.txt")});
    EXPECT_EQ(r.exit_code, 5);
    EXPECT_TRUE(r.err.contains(archive)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("damaged or is not a measurement archive")));
    EXPECT_GT(read(path("read.txt")).size(), 0);
    EXPECT_EQ(run({"archive", "list", "--archive", archive}).exit_code, 5);
}

}  // namespace
}  // namespace eqbond
