// eqbond-cli recording inspections on real archive files: details and a plan given with the
// download, changed afterwards, listed by site and written as a report; bad input to each
// command ends with code 1 and changes nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "integration/support/cli_run.h"
#include "integration/support/wait.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::CliResult;

struct InspectionCli : ::testing::Test {
    QTemporaryDir folder;
    std::unique_ptr<sim::InstrumentSimulator> instrument;
    QString archive = folder.filePath(QStringLiteral("档案.sqlite"));

    void SetUp() override {
        sim::SimulatorConfig config;
        config.groups = sim::generate_groups(6, 5);
        config.link_path = folder.filePath(QStringLiteral("tty"));
        instrument = std::make_unique<sim::InstrumentSimulator>(config);
        ASSERT_TRUE(instrument->start());
    }
    CliResult run(QStringList arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));  // settings of this test
        return test::run_cli(arguments << QStringLiteral("--archive") << archive, env);
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QString write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

TEST_F(InspectionCli, FromPlanToReport) {
    // GBK: "# 3F\n手术室\nPE bar\n"
    const QString plan = write("plan.txt", "# 3F\n\xCA\xD6\xCA\xF5\xCA\xD2\nPE bar\n");
    const QString report = path("report.pdf");
    const QString dev = instrument->device_path();
    struct Step {
        QStringList arguments;
        const char* said;  // on standard output, or on standard error
    } steps[] = {
        {{"download", "--port", dev, "--site", "北区医院", "--location", "3F", "--inspector",
          "王工", "--instrument", "SN-1", "--plan", plan, "--plan-from", "2"},
         "plan read as GBK"},
        {{"download", "--port", dev}, "6 groups read"},
        {{"archive", "describe", "2", "--site", "北区医院", "--location", "3F", "--notes", "x"},
         ""},
        {{"archive", "label", "2", "--plan", plan, "--from", "5"}, "2 groups labelled"},
        {{"archive", "list", "--site", "北区医院"}, "\t北区医院\t3F\t\n1\t"},
        {{"archive", "sites"}, "1\t北区医院\t\t\n"},
        {{"archive", "report", "2", "--pdf", report, "--limit", "0.2", "--lang", "en"}, ""},
        {{"archive", "export", "2", "--csv", path("2.csv")}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(' ').toStdString());
        const CliResult r = run(step.arguments);
        ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(step.said)) ||
                    r.err.contains(QString::fromUtf8(step.said)))
            << r.out.toStdString() << r.err.toStdString();
    }
    // Group 5 is 手术室, measured as group 2 the first time.
    QFile csv(path("2.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList fifth = QString::fromUtf8(csv.readAll()).split("\r\n")[5].split(',');
    ASSERT_EQ(fifth.size(), 9);
    EXPECT_EQ(fifth[6], QStringLiteral("手术室"));
    EXPECT_FALSE(fifth[7].isEmpty());
    if (!test::poppler_installed()) GTEST_SKIP() << "poppler-utils are not installed";
    const QString text = test::pdf_text(report).simplified();
    for (const char* said :
         {"Inspector: 王工",  // kept from the first download
          "Instrument serial: SN-1", "Location: 3F", "5 手术室", "6 PE bar", "Page 1 of 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(said))) << said << "\n" << text.toStdString();
}

TEST_F(InspectionCli, ADownloadsCsvWithAPlanIsTheArchivesExportOfIt) {
    const QString plan = write("plan.txt", "PE bar\nPipe\nSocket\n");
    const QStringList details{"--site", "Yard", "--location", "Hall", "--plan", plan};
    // The first gives the second its previous values.
    ASSERT_EQ(run(QStringList{"download", "--port", instrument->device_path()} + details).exit_code,
              0);
    const CliResult r = run(QStringList{"download", "--port", instrument->device_path(), "--csv",
                                        path("download.csv")} +
                            details);
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    ASSERT_EQ(run({"archive", "export", "2", "--csv", path("export.csv")}).exit_code, 0);
    QFile download(path("download.csv")), exported(path("export.csv"));
    ASSERT_TRUE(download.open(QIODevice::ReadOnly) && exported.open(QIODevice::ReadOnly));
    const QByteArray csv = download.readAll();
    EXPECT_TRUE(csv.contains("PE bar")) << csv.toStdString();
    EXPECT_EQ(QString::fromUtf8(csv), QString::fromUtf8(exported.readAll()));
}

TEST_F(InspectionCli, EachProgressLineSaysThePartTheCountSays) {
    const CliResult r = run({"download", "--port", instrument->device_path()});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    const QRegularExpression line(QStringLiteral(R"((\d+)%: (\d+)/(\d+) groups)"));
    int lines = 0;
    for (const auto& m : line.globalMatch(r.err)) {
        ++lines;
        EXPECT_EQ(m.captured(1).toInt(), m.captured(2).toInt() * 100 / m.captured(3).toInt())
            << m.captured().toStdString();
    }
    EXPECT_GT(lines, 0) << r.err.toStdString();
}

TEST_F(InspectionCli, BadInputEndsWithCode1AndChangesNothing) {
    ASSERT_EQ(run({"download", "--port", instrument->device_path(), "--site", "S"}).exit_code, 0);
    const QString plan = write("plan.txt", "A\nB\n");
    const QString long_plan = write("long.txt", "A\n" + QByteArray(201, 'x') + "\n");
    const QString pdf = path("r.pdf");
    const auto listing = [&] {
        return run({"archive", "list"}).out + run({"archive", "sites"}).out;
    };
    const QString before = listing();
    const QStringList bad[] = {
        {"download", "--plan", path("missing.txt")},
        {"download", "--plan", long_plan},
        {"download", "--site", "a\x01z"},
        {"download", "--location", QString(201, 'r')},
        {"download", "--plan", plan, "--plan-from", "0"},
        {"download", "--plan-from", "2"},
        {"archive", "describe", "9", "--site", "T"},
        {"archive", "describe", "1"},
        {"archive", "describe", "1", "--inspector", "a\tb"},
        {"archive", "describe", "1", "--site", " "},
        {"archive", "label", "9", "--plan", plan},
        {"archive", "label", "1"},
        {"archive", "label", "1", "--plan", long_plan},
        {"archive", "label", "1", "--plan", path("missing.txt")},
        {"archive", "label", "1", "--plan", plan, "--from", "x"},
        {"archive", "report", "9", "--pdf", pdf},
        {"archive", "report", "1"},
        {"archive", "report", "1", "--pdf", pdf, "--lang", "fr"},
        {"archive", "report", "1", "--pdf", pdf, "--limit", "-1"},
        {"archive", "sites", "1"},
        {"archive", "list", "--site", "S", "x"},
    };
    for (const QStringList& arguments : bad) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult r = run(arguments);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("eqbond-cli: "))) << r.err.toStdString();
    }
    EXPECT_EQ(listing(), before);
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace eqbond
