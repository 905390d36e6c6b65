// The Windows build under Wine, against simulated instruments on pseudo-terminals mapped as its
// COM ports: its unit tests, a download by eqbond-cli.exe equal byte for byte to this system's,
// the window finding the instrument and reading the demo, and the installer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "demo/generated_groups.h"
#include "integration/support/cli_run.h"
#include "sim/instrument_simulator.h"
#include "wine/windows/wine_prefix.h"

namespace eqbond::test {
namespace {

constexpr int kInstrumentPort = 5;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString version() {
    return QString::fromUtf8(contents(QStringLiteral(EQBOND_SOURCE_DIR "/CMakeLists.txt")))
        .section(QStringLiteral("project(eqbond VERSION "), 1)
        .section(QLatin1Char(' '), 0, 0);
}

struct WindowsBuild : ::testing::Test {
    WinePrefix& wine = WinePrefix::shared();
    QTemporaryDir dir;

    void SetUp() override { ASSERT_TRUE(wine.ready()) << wine.problem().toStdString(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QString windows_file(const QString& name) const { return WinePrefix::windows_path(file(name)); }

    // A simulated instrument holding `groups`, reached through a link in this test's folder.
    std::unique_ptr<sim::InstrumentSimulator> instrument(const QString& name,
                                                         sim::SimulatorConfig config) {
        config.link_path = file(name);
        auto simulator = std::make_unique<sim::InstrumentSimulator>(std::move(config));
        EXPECT_TRUE(simulator->start());
        return simulator;
    }
};

TEST_F(WindowsBuild, UnitTestsPass) {
    const QDir tests(wine.build() + QStringLiteral("/tests"));
    const QStringList programs = tests.entryList({QStringLiteral("unit_*.exe")}, QDir::Files);
    ASSERT_FALSE(programs.isEmpty()) << "no unit tests in " << tests.path().toStdString();
    for (const QString& program : programs) {
        const WineRun run = wine.run(tests.filePath(program), {});
        EXPECT_EQ(run.exit_code, 0) << program.toStdString() << ":\n"
                                    << run.out.right(3000).toStdString() << run.err.toStdString();
    }
}

TEST_F(WindowsBuild, DownloadWritesTheSameFilesAsThisSystem) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(300, 11);
    auto here = instrument(QStringLiteral("here"), config);
    const CliResult linux_run = run_cli(
        {QStringLiteral("download"), QStringLiteral("--port"), here->device_path(),
         QStringLiteral("--txt"), file(QStringLiteral("linux.txt")), QStringLiteral("--csv"),
         file(QStringLiteral("linux.csv")), QStringLiteral("--no-archive")});
    ASSERT_EQ(linux_run.exit_code, 0) << linux_run.err.toStdString();

    // At the pace of the line, with noise before some replies and the adapter pulled halfway:
    // the read recovers through the same re-requests and re-opens.
    config.paced = true;
    config.faults.stray_share = 0.03;
    config.faults.unplug_at_group = 150;
    config.faults.unplug_for_ms = 1500;
    auto windows = instrument(QStringLiteral("windows"), config);
    ASSERT_TRUE(wine.map_com_port(kInstrumentPort, windows->device_path()));
    const QString archive = windows_file(QStringLiteral("archive.sqlite"));
    // No --port: it walks COM1.. as a user's would.
    const WineRun windows_run = wine.run(
        wine.dist() + QStringLiteral("/eqbond-cli.exe"),
        {QStringLiteral("download"), QStringLiteral("--txt"),
         windows_file(QStringLiteral("windows.txt")), QStringLiteral("--csv"),
         windows_file(QStringLiteral("windows.csv")), QStringLiteral("--archive"), archive});
    ASSERT_EQ(windows_run.exit_code, 0) << windows_run.err.toStdString();
    EXPECT_EQ(contents(file(QStringLiteral("windows.txt"))),
              contents(file(QStringLiteral("linux.txt"))));
    EXPECT_EQ(contents(file(QStringLiteral("windows.csv"))),
              contents(file(QStringLiteral("linux.csv"))));

    const WineRun listed = wine.run(
        wine.dist() + QStringLiteral("/eqbond-cli.exe"),
        {QStringLiteral("archive"), QStringLiteral("list"), QStringLiteral("--archive"), archive});
    ASSERT_EQ(listed.exit_code, 0) << listed.err.toStdString();
    const QStringList fields = listed.out.trimmed().split(QLatin1Char('\t'));
    ASSERT_GE(fields.size(), 5) << listed.out.toStdString();
    EXPECT_EQ(fields[2], QStringLiteral("COM%1").arg(kInstrumentPort));
    EXPECT_EQ(fields[3], QStringLiteral("300"));
    EXPECT_EQ(fields[4], QStringLiteral("complete"));
    const WineRun report = wine.run(
        wine.dist() + QStringLiteral("/eqbond-cli.exe"),
        {QStringLiteral("archive"), QStringLiteral("report"), fields[0], QStringLiteral("--pdf"),
         windows_file(QStringLiteral("report.pdf")), QStringLiteral("--archive"), archive});
    ASSERT_EQ(report.exit_code, 0) << report.err.toStdString();
    EXPECT_TRUE(contents(file(QStringLiteral("report.pdf"))).startsWith("%PDF-"));
}

TEST_F(WindowsBuild, WindowFindsTheInstrumentAndReadsTheDemo) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "the window needs an X display";
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(20, 3);
    auto simulator = instrument(QStringLiteral("window"), config);
    ASSERT_TRUE(wine.map_com_port(kInstrumentPort, simulator->device_path()));
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("EQBOND_TEST_COM_PORT"),
                 QStringLiteral("COM%1").arg(kInstrumentPort));
    // Real windows on the X display (Wine passes no QT_QPA_PLATFORM on).
    const WineRun run =
        wine.run(wine.build() + QStringLiteral("/tests/windows_main_window.exe"),
                 {QStringLiteral("-platform"), QStringLiteral("windows")}, 240000, extra);
    EXPECT_EQ(run.exit_code, 0) << run.out.right(3000).toStdString() << run.err.toStdString();
}

TEST_F(WindowsBuild, ProgramFindsTheInstrument) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "the window needs an X display";
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(20, 5);
    auto simulator = instrument(QStringLiteral("program"), config);
    ASSERT_TRUE(wine.map_com_port(kInstrumentPort, simulator->device_path()));
    const QString trace = file(QStringLiteral("program.trace"));
    const auto program = wine.start(
        wine.dist() + QStringLiteral("/eqbond.exe"),
        {QStringLiteral("--no-splash"), QStringLiteral("--trace"), WinePrefix::windows_path(trace),
         QStringLiteral("--archive"), windows_file(QStringLiteral("program.sqlite"))});
    const QString found = QStringLiteral("\tlink-found\tat COM%1").arg(kInstrumentPort);
    const bool linked =
        wait_until([&] { return QString::fromUtf8(contents(trace)).contains(found); }, 60000, 50);
    const bool still_running = program->state() == QProcess::Running;
    program->kill();
    program->waitForFinished(5000);
    EXPECT_TRUE(linked) << QString::fromUtf8(contents(trace)).right(2000).toStdString();
    EXPECT_TRUE(still_running) << program->readAllStandardError().toStdString();
}

TEST_F(WindowsBuild, InstallerInstallsAndUninstallsSilently) {
    const QString setup = wine.build() + QStringLiteral("/eqbond-setup-%1.exe").arg(version());
    ASSERT_TRUE(QFile::exists(setup)) << setup.toStdString();
    ASSERT_EQ(wine.run(setup, {QStringLiteral("/S")}).exit_code, 0);
    wine.wait_for_programs();
    const QString installed = wine.drive_c() + QStringLiteral("/Program Files/eqbond");
    const WineRun cli =
        wine.run(installed + QStringLiteral("/eqbond-cli.exe"), {QStringLiteral("--version")});
    EXPECT_EQ(cli.exit_code, 0) << cli.err.toStdString();
    EXPECT_EQ(cli.out.trimmed(), QStringLiteral("eqbond-cli ") + version());

    // The user's archive is not the installer's to take away.
    QStringList users = QDir(wine.drive_c() + QStringLiteral("/users"))
                            .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    users.removeAll(QStringLiteral("Public"));
    ASSERT_EQ(users.size(), 1);
    const QString archive = wine.drive_c() + QStringLiteral("/users/") + users[0] +
                            QStringLiteral("/AppData/Local/eqbond/archive.sqlite");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(archive).path()));
    QFile kept(archive);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    EXPECT_EQ(
        wine.run(installed + QStringLiteral("/uninstall.exe"), {QStringLiteral("/S")}).exit_code,
        0);
    wine.wait_for_programs();
    EXPECT_FALSE(QFile::exists(installed + QStringLiteral("/eqbond-cli.exe")));
    EXPECT_FALSE(QDir(installed).exists());
    EXPECT_TRUE(QFile::exists(archive));
}

}  // namespace
}  // namespace eqbond::test
