// Traces replayed through a pseudo-terminal into eqbond-cli: a faulty read recorded and replayed
// gives the same report, the recorded fixtures still read as they did, and a malformed trace
// stops the replay at its line.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "base/protocol.h"
#include "integration/support/wait.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "support/qstring_printer.h"
#include "trace/trace_reader.h"

namespace eqbond {
namespace {

using trace::Direction;
using trace::Event;
using trace::TraceLine;

const QString kCli = QStringLiteral(EQBOND_BINARY_DIR "/tools/eqbond-cli");
const QString kSim = QStringLiteral(EQBOND_BINARY_DIR "/tools/eqbond-sim");
const QString kFixtures = QStringLiteral(EQBOND_SOURCE_DIR "/tests/fixtures/traces/");
constexpr int kRunDeadlineMs = 60000;

struct Finished {
    int exit_code = -1;  // -1: did not end by itself
    QString error_output;
};

// Runs a program to its end while the event loop keeps any simulator of the test answering.
Finished run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ended =
        test::wait_until([&] { return process.state() == QProcess::NotRunning; }, kRunDeadlineMs);
    if (!ended) process.kill();
    process.waitForFinished(2000);
    Finished result;
    if (ended && process.exitStatus() == QProcess::NormalExit)
        result.exit_code = process.exitCode();
    result.error_output = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// eqbond-sim --replay on a pseudo-terminal reached through a link; stopped when it goes.
class ReplayedInstrument {
  public:
    ReplayedInstrument(const QString& trace, const QString& link, bool fast) {
        QStringList arguments{QStringLiteral("--replay"), trace, QStringLiteral("--link"), link};
        if (fast) arguments << QStringLiteral("--fast");
        process_.start(kSim, arguments);
        started_ = process_.waitForReadyRead(10000) && process_.readLine().trimmed() == link;
    }
    ~ReplayedInstrument() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }
    bool started() const { return started_; }

  private:
    QProcess process_;
    bool started_ = false;
};

struct Download {
    Finished run;
    QByteArray report;
    std::vector<TraceLine> trace;
};

// eqbond-cli download from `device`, its text report and its own wire trace.
Download download(const QTemporaryDir& folder, const QString& device, const QString& name) {
    const QString report = folder.filePath(name + QStringLiteral(".txt"));
    const QString trace = folder.filePath(name + QStringLiteral(".trace"));
    Download d;
    d.run = run(kCli, {QStringLiteral("download"), QStringLiteral("--port"), device,
                       QStringLiteral("--txt"), report, QStringLiteral("--trace"), trace});
    d.report = read_file(report);
    d.trace = trace::read_trace(trace).lines;
    return d;
}

TEST(Replay, AFaultyReadOf200GroupsReplayedFastGivesTheSameTextReport) {
    QTemporaryDir folder;
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(200, 5);
    config.seed = 5;
    config.faults.drop_share = 0.05;
    config.faults.stray_share = 0.05;
    config.faults.corrupt_share = 0.05;
    config.link_path = folder.filePath(QStringLiteral("instrument"));
    sim::InstrumentSimulator instrument(config);
    ASSERT_TRUE(instrument.start());
    const Download recorded = download(folder, config.link_path, QStringLiteral("recorded"));
    ASSERT_EQ(recorded.run.exit_code, 0) << recorded.run.error_output.toStdString();
    const sim::FaultCounts& faults = instrument.fault_counts();
    ASSERT_GT(faults.dropped * faults.stray * faults.corrupted, 0) << "every fault was met";

    const QString link = folder.filePath(QStringLiteral("replayed-instrument"));
    ReplayedInstrument replayed(folder.filePath(QStringLiteral("recorded.trace")), link, true);
    ASSERT_TRUE(replayed.started());
    const Download again = download(folder, link, QStringLiteral("replayed"));
    ASSERT_EQ(again.run.exit_code, 0) << again.run.error_output.toStdString();
    EXPECT_FALSE(recorded.report.isEmpty());
    EXPECT_EQ(again.report, recorded.report);
}

// True when `seen` holds for a line between the read's start and its end.
bool during_read(const std::vector<TraceLine>& lines,
                 const std::function<bool(const TraceLine&, const TraceLine& before)>& seen) {
    bool reading = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const TraceLine& line = lines[i];
        if (line.direction == Direction::Event && line.event == Event::ReadStarted) reading = true;
        if (line.direction == Direction::Event && line.event == Event::ReadFinished) return false;
        if (reading && seen(line, lines[i - 1])) return true;
    }
    return false;
}

bool is_event(const TraceLine& line, Event event) {
    return line.direction == Direction::Event && line.event == event;
}

struct RecordedFault {
    const char* fixture;
    const char* behaviour;  // what the replayed read shows, for the test's name
    std::function<bool(const TraceLine&, const TraceLine& before)> fault_met;
};

void PrintTo(const RecordedFault& fault, std::ostream* out) {
    *out << fault.fixture;
}

class RecordedFaults : public ::testing::TestWithParam<RecordedFault> {};

TEST_P(RecordedFaults, ReplayedReadGivesTheRecordedReport) {
    const QString name = QString::fromLatin1(GetParam().fixture);
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("instrument"));
    ReplayedInstrument replayed(kFixtures + name + QStringLiteral(".trace"), link, false);
    ASSERT_TRUE(replayed.started());
    const Download d = download(folder, link, name);
    ASSERT_EQ(d.run.exit_code, 0) << d.run.error_output.toStdString();
    EXPECT_EQ(d.report, read_file(kFixtures + name + QStringLiteral(".txt")));
    EXPECT_TRUE(during_read(d.trace, GetParam().fault_met)) << "the replayed read met the fault";
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, RecordedFaults,
    ::testing::Values(RecordedFault{"drops", "EveryLostReplyIsAskedForAgain",
                                    [](const TraceLine& line, const TraceLine& before) {
                                        return line.direction == Direction::Written &&
                                               before.direction == Direction::Written &&
                                               line.bytes == before.bytes;
                                    }},
                      RecordedFault{"stray_bytes", "AFrameBrokenByNoiseIsDroppedWithItsTail",
                                    [](const TraceLine& line, const TraceLine&) {
                                        return is_event(line, Event::Discarded);
                                    }},
                      RecordedFault{"silence", "TheWatchdogReopensThePortOfASilentInstrument",
                                    [](const TraceLine& line, const TraceLine& before) {
                                        return is_event(line, Event::Opened) &&
                                               is_event(before, Event::Closed);
                                    }},
                      RecordedFault{"unplug", "TheReadGoesOnOnceTheVanishedAdapterIsBack",
                                    [](const TraceLine& line, const TraceLine&) {
                                        return is_event(line, Event::PortGone);
                                    }}),
    [](const ::testing::TestParamInfo<RecordedFault>& info) {
        return std::string(info.param.fixture) + '_' + info.param.behaviour;
    });

TEST(Replay, AMalformedTraceStopsWithItsLineNumberAndWhatWasExpected) {
    const QByteArray header = "# eqbond wire trace, format 1\n";
    const QByteArray good = "10.000\t/dev/ttyUSB0\t>\t64 65 EA 60\tprobe\n";
    const struct {
        const char* name;
        QByteArray trace;
        int line;
        const char* expected;
    } cases[] = {
        {"too few fields", header + good + "12.5\t/dev/ttyUSB0\t<\n", 3, "expected 5 fields"},
        {"time", header + "ten\t/dev/ttyUSB0\t>\t64 65 EA 60\tprobe\n", 2,
         "expected the time in milliseconds"},
        {"direction", header + good + good + "20.0\t/dev/ttyUSB0\tx\t64\t\n", 4,
         "expected the direction >, < or *"},
        {"hex", header + "\n" + good + "20.0\t/dev/ttyUSB0\t<\t00 7G 00\t\n", 4,
         "expected bytes in hex"},
        {"event", header + good + "20.0\t/dev/ttyUSB0\t*\tunplugged\t\n", 3,
         "expected an event name"},
        {"time going back", header + good + "9.999\t/dev/ttyUSB0\t*\tclosed\tCOM1\n", 3,
         "expected a time of at least 10.000 ms"},
        // Decimals are a fraction of a millisecond however many there are: 10.25 is before 10.5.
        {"time of fewer decimals going back",
         header + "10.5\t/dev/ttyUSB0\t*\tclosed\tCOM1\n10.25\t/dev/ttyUSB0\t*\tclosed\tCOM1\n", 3,
         "expected a time of at least 10.500 ms"},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.trace);
        file.close();
        const Finished r = run(kSim, {QStringLiteral("--replay"), path});
        EXPECT_NE(r.exit_code, 0);
        EXPECT_TRUE(r.error_output.contains(QStringLiteral("%1:%2: ").arg(path).arg(c.line)))
            << r.error_output.toStdString();
        EXPECT_TRUE(r.error_output.contains(QString::fromLatin1(c.expected)))
            << r.error_output.toStdString();
    }
}

}  // namespace
}  // namespace eqbond
