// The simulated instrument itself, seen from a bare terminal on its pseudo-terminal: what it
// answers, how it spoils replies when told to, its data file and its command line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "base/protocol.h"
#include "integration/support/wait.h"
#include "sim/command_line.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "support/instrument_replies.h"

namespace eqbond::test {
namespace {

constexpr int kDeadlineMs = 3000;

// The program's end of the line, without the program.
class Terminal {
  public:
    explicit Terminal(const QString& device)
        : fd_(::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~Terminal() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool is_open() const { return fd_ >= 0; }
    void send(int32_t code) {
        const QByteArray frame = command_frame(code);
        EXPECT_EQ(::write(fd_, frame.constData(), size_t(frame.size())), frame.size());
    }
    // The next reply, or an empty array when none came in time.
    QByteArray reply(int timeout_ms = kDeadlineMs) {
        wait_until(
            [&] {
                char buffer[64];
                const ssize_t n = ::read(fd_, buffer, sizeof buffer);
                if (n > 0) input_.append(buffer, int(n));
                return input_.size() >= kReplyFrameLength;
            },
            timeout_ms);
        if (input_.size() < kReplyFrameLength) return {};
        const QByteArray frame = input_.left(kReplyFrameLength);
        input_.remove(0, kReplyFrameLength);
        return frame;
    }
    QByteArray pending() const { return input_; }

  private:
    int fd_;
    QByteArray input_;
};

sim::SimulatorConfig with_groups(int count) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(count, 9);
    return config;
}

TEST(Simulator, AnswersEachRequestAsTheInstrumentDoes) {
    sim::SimulatorConfig config = with_groups(3);
    config.live_value = 555;
    config.lead_value = 66;
    config.battery = 1;
    sim::InstrumentSimulator instrument(config);
    ASSERT_TRUE(instrument.start());
    Terminal terminal(instrument.device_path());
    ASSERT_TRUE(terminal.is_open());

    const sim::StoredGroup& g2 = config.groups[1];
    const struct {
        const char* what;
        int32_t code;
        bool answered;
        Reply expected;  // date and time of status replies are the clock's: not compared
        bool dated;
    } steps[] = {
        {"probe before the test: status", 60000, true, {0, 3, 1, 0, 0, 0, 0, 0, 0}, false},
        {"stored group 2",
         2,
         true,
         {g2.value, 2, g2.battery, g2.year, g2.month, g2.day, g2.hour, g2.minute, 0},
         true},
        {"group 4 is not stored", 4, false, {}, false},
        {"test starts measuring", 40000, false, {}, false},
        {"poll: measurement", 50000, true, {555, 3, 1, 0, 0, 0, 0, 0, 1}, false},
        {"verify", 51000, false, {}, false},
        {"poll after verify: the leads", 50000, true, {66, 3, 1, 0, 0, 0, 0, 0, 3}, false},
        {"poll: measuring again", 50000, true, {555, 3, 1, 0, 0, 0, 0, 0, 1}, false},
        {"reset", 43000, false, {}, false},
        {"poll after reset: status", 50000, true, {0, 3, 1, 0, 0, 0, 0, 0, 0}, false},
        {"backlight on", 41000, false, {}, false},
    };
    for (const auto& step : steps) {
        terminal.send(step.code);
        if (!step.answered) continue;
        const QByteArray frame = terminal.reply();
        ASSERT_TRUE(checksum_ok(frame)) << step.what << ": " << frame.toHex(' ').toStdString();
        Reply got = decode_reply(frame);
        if (!step.dated) got.year = got.month = got.day = got.hour = got.minute = 0;
        EXPECT_EQ(got, step.expected) << step.what;
    }
    // Unanswered requests left nothing on the line.
    terminal.send(60000);
    EXPECT_EQ(decode_reply(terminal.reply()).group, 3);
    EXPECT_TRUE(terminal.pending().isEmpty());
    EXPECT_TRUE(instrument.backlight_on());
    EXPECT_EQ(instrument.received_codes(),
              (std::vector<int32_t>{60000, 2, 4, 40000, 50000, 51000, 50000, 50000, 43000, 50000,
                                    41000, 60000}));
}

TEST(Simulator, ScriptedAndEmptyInstrumentReplies) {
    const struct {
        const char* what;
        std::vector<int> script;
        int none_count;
        std::vector<int> kinds;
        int count;
    } cases[] = {
        {"script cycles", {0, 1, 1, 3}, 0, {0, 1, 1, 3, 0, 1}, 0},
        {"no groups as 65535", {}, 65535, {0, 0}, 65535},
        {"no groups as 0", {}, 0, {0}, 0},
    };
    for (const auto& c : cases) {
        sim::SimulatorConfig config;
        config.reply_kinds = c.script;
        config.none_count = c.none_count;
        sim::InstrumentSimulator instrument(config);
        ASSERT_TRUE(instrument.start());
        Terminal terminal(instrument.device_path());
        for (size_t i = 0; i < c.kinds.size(); ++i) {
            terminal.send(50000);
            const Reply got = decode_reply(terminal.reply());
            EXPECT_EQ(got.kind, c.kinds[i]) << c.what << " reply " << i;
            EXPECT_EQ(got.group, c.count) << c.what;
        }
    }
}

TEST(Simulator, FaultsFollowTheirSettingsAndTheSeed) {
    const QByteArray reply = measurement_frame(123);
    auto run = [&](const sim::FaultConfig& faults, uint32_t seed) {
        sim::FaultInjector injector(faults, seed);
        std::vector<QByteArray> out;
        for (int i = 0; i < 300; ++i) out.push_back(injector.apply(reply));
        return std::make_pair(out, injector.counts());
    };
    sim::FaultConfig every_fourth;
    every_fourth.drop_every = 4;
    const auto [fourth, fourth_counts] = run(every_fourth, 1);
    for (size_t i = 0; i < fourth.size(); ++i) {
        EXPECT_EQ(fourth[i].isEmpty(), (i + 1) % 4 == 0) << "reply " << i + 1;
    }
    EXPECT_EQ(fourth_counts.dropped, 75);

    sim::FaultConfig mixed;
    mixed.drop_share = 0.2;
    mixed.corrupt_share = 0.2;
    mixed.stray_share = 0.2;
    const auto [first, counts] = run(mixed, 7);
    EXPECT_EQ(run(mixed, 7).first, first) << "the same seed repeats the run";
    EXPECT_NE(run(mixed, 8).first, first);
    // Each share lands near its 60 of 300.
    for (int n : {counts.dropped, counts.corrupted, counts.stray}) {
        EXPECT_GT(n, 30);
        EXPECT_LT(n, 90);
    }
    int broken = 0, whole = 0, noisy = 0;
    for (const QByteArray& out : first) {
        if (out.isEmpty()) continue;
        const QByteArray frame = out.right(kReplyFrameLength);
        if (out.size() > kReplyFrameLength) {
            ++noisy;
            EXPECT_LE(out.size(), kReplyFrameLength + 3);
        }
        if (checksum_ok(frame)) {
            ++whole;
            EXPECT_EQ(frame, reply);
        } else {
            ++broken;
        }
    }
    EXPECT_EQ(broken, counts.corrupted) << "a changed byte always breaks the checksum";
    EXPECT_EQ(noisy, counts.stray);
    EXPECT_EQ(whole + broken + counts.dropped, 300);

    // Switching another fault on leaves the drop pattern as it was.
    sim::FaultConfig drops_only;
    drops_only.drop_share = 0.2;
    const auto drops = run(drops_only, 7).first;
    for (size_t i = 0; i < drops.size(); ++i) EXPECT_EQ(drops[i].isEmpty(), first[i].isEmpty());
}

TEST(Simulator, PacedReplyTakesSixteenByteTimesFromTheRequest) {
    sim::SimulatorConfig config = with_groups(1);
    config.paced = true;
    sim::InstrumentSimulator instrument(config);
    ASSERT_TRUE(instrument.start());
    Terminal terminal(instrument.device_path());
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        terminal.send(1);
        ASSERT_FALSE(terminal.reply().isEmpty());
        // 4 request bytes and 12 reply bytes of 10 bits at 9600 baud: 16.67 ms at the least.
        EXPECT_GE(clock.nsecsElapsed(), 16 * 1'041'666LL) << "round " << round;
    }
}

TEST(Simulator, UnplugsAndComesBackAtTheGroupsItWasToldOf) {
    QTemporaryDir dir;
    sim::SimulatorConfig config = with_groups(5);
    config.link_path = dir.filePath(QStringLiteral("tty"));
    config.faults.silent_at_group = 2;
    config.faults.silent_for_ms = 50;
    config.faults.unplug_at_group = 4;
    config.faults.unplug_for_ms = 50;
    sim::InstrumentSimulator instrument(config);
    ASSERT_TRUE(instrument.start());
    EXPECT_EQ(instrument.device_path(), config.link_path);
    {
        Terminal terminal(config.link_path);
        ASSERT_TRUE(terminal.is_open());
        terminal.send(2);
        EXPECT_TRUE(terminal.reply(200).isEmpty()) << "silent at group 2";
        ASSERT_TRUE(wait_until([&] { return !instrument.silent(); }, kDeadlineMs));
        terminal.send(2);
        EXPECT_EQ(decode_reply(terminal.reply()).group, 2) << "answers again";
        terminal.send(4);
        ASSERT_TRUE(wait_until([&] { return !instrument.plugged_in(); }, kDeadlineMs));
        EXPECT_FALSE(QFileInfo::exists(config.link_path)) << "the link goes with the device";
    }
    ASSERT_TRUE(wait_until([&] { return instrument.plugged_in(); }, kDeadlineMs));
    EXPECT_EQ(QFileInfo(config.link_path).symLinkTarget(), instrument.pts_path());
    Terminal again(config.link_path);
    ASSERT_TRUE(again.is_open());
    again.send(4);
    EXPECT_EQ(decode_reply(again.reply()).group, 4) << "the trigger fires once";
}

TEST(Simulator, DataFileReadsBackWhatWasWritten) {
    const std::vector<sim::StoredGroup> groups = sim::generate_groups(50, 3);
    QString error;
    const auto parsed = sim::parse_groups(sim::format_groups(groups), &error);
    ASSERT_TRUE(parsed) << error.toStdString();
    EXPECT_TRUE(*parsed == groups);

    const struct {
        QString text;
        std::optional<std::vector<sim::StoredGroup>> groups;
        QString error_start;
    } cases[] = {
        {"# header\n\n123, 1, 24/03/15, 14:30\n 45000,0,5/1/2,3:4 \n",
         std::vector<sim::StoredGroup>{{123, 1, 24, 3, 15, 14, 30}, {45000, 0, 5, 1, 2, 3, 4}},
         {}},
        {"1, 0, 24/3/15, 14:123\n", std::vector<sim::StoredGroup>{{1, 0, 24, 3, 15, 14, 123}}, {}},
        {"", std::vector<sim::StoredGroup>{}, {}},
        {"1, 0, 24/3/15\n", std::nullopt, "line 1:"},
        {"# ok\n70000, 0, 24/3/15, 1:2\n", std::nullopt, "line 2:"},
        {"1, 0, 24/3/256, 1:2\n", std::nullopt, "line 1:"},
        {"-1, 0, 24/3/15, 1:2\n", std::nullopt, "line 1:"},
    };
    for (const auto& c : cases) {
        QString why;
        const auto got = sim::parse_groups(c.text, &why);
        EXPECT_EQ(got.has_value(), c.groups.has_value()) << c.text.toStdString();
        if (got && c.groups) {
            EXPECT_TRUE(*got == *c.groups) << c.text.toStdString();
        }
        if (!c.groups) {
            EXPECT_TRUE(why.startsWith(c.error_start)) << why.toStdString();
        }
    }
}

TEST(Simulator, CommandLineSetsEveryOption) {
    QTemporaryFile data;
    ASSERT_TRUE(data.open());
    data.write("100, 0, 24/01/02, 03:04\n200, 1, 24/01/02, 03:05\n");
    data.flush();
    const sim::CommandLine parsed = sim::parse_command_line({"eqbond-sim",
                                                             "--data",
                                                             data.fileName(),
                                                             "--value",
                                                             "777",
                                                             "--wander",
                                                             "20",
                                                             "--lead",
                                                             "90",
                                                             "--lead-share",
                                                             "0.1",
                                                             "--live",
                                                             "--replies",
                                                             "0,1,3",
                                                             "--battery-low",
                                                             "--none-count",
                                                             "65535",
                                                             "--delay",
                                                             "25",
                                                             "--paced",
                                                             "--seed",
                                                             "99",
                                                             "--drop-every",
                                                             "5",
                                                             "--drop-share",
                                                             "0.1",
                                                             "--corrupt-share",
                                                             "0.2",
                                                             "--stray-share",
                                                             "0.3",
                                                             "--silent-at-group",
                                                             "2",
                                                             "--silent-for",
                                                             "100",
                                                             "--unplug-at-group",
                                                             "3",
                                                             "--unplug-for",
                                                             "200",
                                                             "--link",
                                                             "/tmp/x"});
    ASSERT_EQ(parsed.error, QString());
    const sim::SimulatorConfig& c = parsed.config;
    ASSERT_EQ(c.groups.size(), 2u);
    EXPECT_EQ(c.groups[1].value, 200);
    EXPECT_EQ(c.live_value, 777);
    EXPECT_EQ(c.wander_step, 20);
    EXPECT_EQ(c.lead_value, 90);
    EXPECT_DOUBLE_EQ(c.lead_share, 0.1);
    EXPECT_TRUE(c.measuring);
    EXPECT_EQ(c.reply_kinds, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(c.battery, 1);
    EXPECT_EQ(c.none_count, 65535);
    EXPECT_EQ(c.reply_delay_ms, 25);
    EXPECT_TRUE(c.paced);
    EXPECT_EQ(c.seed, 99u);
    EXPECT_EQ(c.faults.drop_every, 5);
    EXPECT_DOUBLE_EQ(c.faults.drop_share, 0.1);
    EXPECT_DOUBLE_EQ(c.faults.corrupt_share, 0.2);
    EXPECT_DOUBLE_EQ(c.faults.stray_share, 0.3);
    EXPECT_EQ(c.faults.silent_at_group, 2);
    EXPECT_EQ(c.faults.silent_for_ms, 100);
    EXPECT_EQ(c.faults.unplug_at_group, 3);
    EXPECT_EQ(c.faults.unplug_for_ms, 200);
    EXPECT_EQ(c.link_path, "/tmp/x");

    const sim::CommandLine generated =
        sim::parse_command_line({"eqbond-sim", "--groups", "300", "--replies", "random"});
    EXPECT_EQ(generated.error, QString());
    EXPECT_TRUE(generated.config.groups == sim::generate_groups(300, 1));
    EXPECT_TRUE(generated.config.random_kinds);

    for (const QStringList& bad : {
             QStringList{"--drop-share", "1.5"},
             QStringList{"--groups", "40000"},
             QStringList{"--groups", "x"},
             QStringList{"--none-count", "7"},
             QStringList{"--drop-every", "1"},
             QStringList{"--replies", "0,x"},
             QStringList{"--groups", "3", "--data", data.fileName()},
             QStringList{"--data", "/nonexistent/groups.txt"},
             QStringList{"--no-such-option"},
             QStringList{"stray-argument"},
         }) {
        EXPECT_NE(sim::parse_command_line(QStringList{"eqbond-sim"} + bad).error, QString())
            << bad.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace eqbond::test
