// eqbond-cli against the simulated instrument on a pseudo-terminal: what it writes, and how it
// ends when the instrument is missing, vanishes, or a file cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "base/protocol.h"
#include "base/record_store.h"
#include "base/value_format.h"
#include "integration/support/wait.h"
#include "report/text_report.h"
#include "sim/instrument_simulator.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

const QString kCli = QStringLiteral(EQBOND_BINARY_DIR "/tools/eqbond-cli");

std::vector<sim::StoredGroup> groups(int count) {
    std::vector<sim::StoredGroup> out;
    for (int i = 1; i <= count; ++i) {
        sim::StoredGroup g;
        g.value = i % 41 == 0 ? 50000 : (i * 7919) % 40001;
        g.battery = i % 17 == 0 ? 1 : 0;
        g.year = 25;
        g.month = 1 + i % 12;
        g.day = 1 + i % 28;
        g.hour = i % 24;
        g.minute = (i * 7) % 60;
        out.push_back(g);
    }
    return out;
}

struct CliRun {
    int exit_code = -1;
    QString error_output;
};

struct CliFixture : ::testing::Test {
    QTemporaryDir folder;
    std::unique_ptr<sim::InstrumentSimulator> instrument;

    void start_instrument(int count, const sim::FaultConfig& faults = {}) {
        sim::SimulatorConfig config;
        config.groups = groups(count);
        config.faults = faults;
        config.link_path = folder.filePath(QStringLiteral("tty"));
        instrument = std::make_unique<sim::InstrumentSimulator>(config);
        ASSERT_TRUE(instrument->start());
    }

    // Runs the tool while the event loop keeps the simulated instrument answering.
    CliRun run(const QStringList& arguments, int timeout_ms = 60000) {
        QProcess cli;
        cli.setProgram(kCli);
        cli.setArguments(arguments);
        cli.start();
        const bool finished =
            test::wait_until([&] { return cli.state() == QProcess::NotRunning; }, timeout_ms);
        if (!finished) cli.kill();
        cli.waitForFinished(2000);
        CliRun result;
        result.exit_code =
            finished && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        result.error_output = QString::fromUtf8(cli.readAllStandardError());
        return result;
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QStringList port() const {
        return {QStringLiteral("download"), QStringLiteral("--port"), instrument->device_path()};
    }
};

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RecordStore store_of(const std::vector<sim::StoredGroup>& groups) {
    RecordStore store;
    for (size_t i = 0; i < groups.size(); ++i) {
        const sim::StoredGroup& g = groups[i];
        store.store_group(int(i) + 1, Reply{g.value, int(i) + 1, g.battery, g.year, g.month, g.day,
                                            g.hour, g.minute, kind::kStatus});
    }
    return store;
}

// Splits an RFC 4180 line whose quoted fields hold no line breaks.
QStringList csv_fields(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields << field;
}

TEST_F(CliFixture, Downloads250GroupsToTextCsvAndPdf) {
    start_instrument(250);
    const CliRun r = run(port() + QStringList{"--txt", path("r.txt"), "--csv", path("r.csv"),
                                              "--pdf", path("r.pdf")});
    ASSERT_EQ(r.exit_code, 0) << r.error_output.toStdString();

    // The text report is the program's own, byte for byte.
    const auto held = instrument->config().groups;
    EXPECT_EQ(read_file(path("r.txt")), text_report(store_of(held), int(held.size()) + 1));

    // The CSV reads back as the instrument's groups.
    const QByteArray csv = read_file(path("r.csv"));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines =
        QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 251);
    EXPECT_EQ(lines[0], QStringLiteral("组号,电阻(mΩ),电阻值,日期,时间,电池电压低"));
    for (int n = 1; n <= 250; ++n) {
        const sim::StoredGroup& g = held[size_t(n - 1)];
        const QStringList f = csv_fields(lines[n]);
        ASSERT_EQ(f.size(), 6) << lines[n].toStdString();
        EXPECT_EQ(f[0], QString::number(n));
        EXPECT_EQ(f[1], g.value > 40000 ? QString() : QString::number(g.value)) << n;
        EXPECT_EQ(f[2], format_resistance(g.value)) << n;
        EXPECT_EQ(f[3], QStringLiteral("20%1-%2-%3")
                            .arg(g.year)
                            .arg(pad_date_time(g.month), pad_date_time(g.day)));
        EXPECT_EQ(f[4], pad_date_time(g.hour) + u':' + pad_date_time(g.minute));
        EXPECT_EQ(f[5], QString::number(g.battery));
    }

    // The PDF carries the printed report's heading and rows.
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path("r.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("电阻值")));
    EXPECT_TRUE(text.contains(QStringLiteral("0001组:")));
    EXPECT_TRUE(text.contains(QStringLiteral("0250组:")));
    EXPECT_EQ(text.count(QStringLiteral("\f")), 2);  // 250 groups fill two pages
}

TEST_F(CliFixture, ARangeLimitsTheCsv) {
    start_instrument(30);
    const CliRun r =
        run(port() + QStringList{"--csv", path("r.csv"), "--first", "5", "--last", "7"});
    ASSERT_EQ(r.exit_code, 0) << r.error_output.toStdString();
    const QStringList lines = QString::fromUtf8(read_file(path("r.csv")).mid(3))
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("5,")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("7,")));
}

TEST_F(CliFixture, EveryGroupExactDespiteAFifthOfTheRepliesLost) {
    sim::FaultConfig faults;
    faults.drop_share = 0.2;
    start_instrument(120, faults);
    const CliRun r = run(port() + QStringList{"--txt", path("r.txt")});
    ASSERT_EQ(r.exit_code, 0) << r.error_output.toStdString();
    const auto held = instrument->config().groups;
    EXPECT_EQ(read_file(path("r.txt")), text_report(store_of(held), int(held.size()) + 1));
    EXPECT_GT(instrument->fault_counts().dropped, 0);
}

TEST_F(CliFixture, HowItEnds) {
    // No instrument: exit 2 once the timeout has passed.
    {
        const CliRun r = run({"download", "--port", path("nothing-here"), "--timeout", "2", "--txt",
                              path("none.txt")});
        EXPECT_EQ(r.exit_code, 2) << r.error_output.toStdString();
        EXPECT_FALSE(QFile::exists(path("none.txt")));
    }
    // Unwritable output: exit 4 and the message names the file.
    {
        start_instrument(5);
        const QString bad = path("no-such-folder/r.txt");
        const CliRun r = run(port() + QStringList{"--txt", bad});
        EXPECT_EQ(r.exit_code, 4);
        EXPECT_TRUE(r.error_output.contains(bad)) << r.error_output.toStdString();
    }
    // Bad usage: exit 1 with the usage text.
    {
        const CliRun r = run({"download", "--no-archive"});  // nothing to keep or write
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_TRUE(r.error_output.contains(QStringLiteral("Usage:")));
    }
}

TEST_F(CliFixture, AnInstrumentUnpluggedMidReadEndsWithNothingWritten) {
    sim::FaultConfig faults;
    faults.unplug_at_group = 60;  // and it stays away
    start_instrument(150, faults);
    const CliRun r =
        run(port() + QStringList{"--timeout", "3", "--txt", path("r.txt"), "--csv", path("r.csv")});
    EXPECT_EQ(r.exit_code, 3) << r.error_output.toStdString();
    EXPECT_FALSE(QFile::exists(path("r.txt")));
    EXPECT_FALSE(QFile::exists(path("r.csv")));
}

}  // namespace
}  // namespace eqbond
