// The instrument's adapter pulled out and plugged in again while the program links, polls and
// reads: nothing may crash or hang, the link comes back once the search reaches the port again,
// and the read ends with every group exact, resumed by the read button where it must be.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>

#include "base/protocol.h"
#include "integration/support/headless_program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/store_check.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "sim/pseudo_terminal.h"
#include "sim/stored_groups.h"

namespace eqbond::test {
namespace {

constexpr int kGroups = 90;
constexpr int kUnplugAtGroup = 40;
// Not the start-up's COM2: the search has to find it, and find it again once it is lost.
constexpr int kInstrumentPort = 8;
constexpr int kStartUpPort = 2;  // the port the start-up routine opens itself
constexpr int kFindDeadlineMs = 5000;
constexpr int kReadDeadlineMs = 20000;
// Seven silent ticks of 300 ms drop the link; the search then passes the other fifteen ports,
// 300 ms each, before it opens the instrument's port again.
constexpr int kLinkLostDeadlineMs = 6000;
constexpr int kFoundAgainDeadlineMs = 12000;
constexpr int kAwayMs = 1000;
// Five silent seconds pause a read by themselves; a margin for a busy machine.
constexpr int kSilentPauseMs = 9000;

PortTable ports_with_instrument_at(int com, const QString& device) {
    QStringList devices(com, QString());
    devices[com - 1] = device;
    return PortTable::fixed(devices);
}

sim::SimulatorConfig instrument_config(const sim::FaultConfig& faults = {}) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(kGroups, 31);
    config.measuring = true;
    config.faults = faults;
    return config;
}

sim::FaultConfig unplugged_at_group(int away_ms) {
    sim::FaultConfig faults;
    faults.unplug_at_group = kUnplugAtGroup;
    faults.unplug_for_ms = away_ms;  // 0: until plugged in by the test
    return faults;
}

class Unplug : public ::testing::Test {
  protected:
    void start(const sim::FaultConfig& faults = {}, int port = kInstrumentPort) {
        program_.reset();  // before the instrument it talks to
        config_ = instrument_config(faults);
        instrument_ = std::make_unique<LinkedInstrument>(config_);
        ASSERT_TRUE(instrument_->start());
        program_ =
            std::make_unique<HeadlessProgram>(ports_with_instrument_at(port, instrument_->path()));
        program_->load();
    }

    bool linked() const {
        return program_->ui().link_status_label == text::kLinked &&
               program_->link().instrument_group_count == kGroups;
    }
    void plug_in_after(int ms) {
        QTimer::singleShot(ms, [this] { ASSERT_TRUE((*instrument_)->plug_in()); });
    }
    void expect_link_lost() {
        const auto ui = [&] { return program_->ui(); };
        ASSERT_TRUE(wait_until([&] { return ui().link_status_label == text::kNotLinked; },
                               kLinkLostDeadlineMs));
        EXPECT_EQ(ui().activity_label, text::kSearching);
        EXPECT_EQ(ui().reading_label, text::kNoReading);
    }
    void expect_found_again() {
        ASSERT_TRUE(wait_until([&] { return linked(); }, kFoundAgainDeadlineMs));
        EXPECT_EQ(program_->ui().port_name_label, QStringLiteral("COM%1").arg(kInstrumentPort));
    }
    // A read from the read button's click to its end, with every group exact.
    void read_to_the_end(const char* what) {
        program_->click(on_read_clicked);
        EXPECT_EQ(program_->ui().read_button, text::kPause) << what;
        ASSERT_TRUE(
            wait_until([&] { return program_->link().reading() == false; }, kReadDeadlineMs))
            << what << " stopped at group " << program_->link().next_group;
        EXPECT_EQ(program_->ui().read_button, text::kRead);
        EXPECT_EQ(program_->state().records.last_stored_group, kGroups);
        EXPECT_TRUE(store_holds(program_->state().records, config_.groups));
    }
    // Group numbers the instrument was asked for from position `from` of its log on.
    std::vector<int32_t> group_requests_since(size_t from) {
        std::vector<int32_t> groups;
        const std::vector<int32_t>& codes = (*instrument_)->received_codes();
        for (size_t i = from; i < codes.size(); ++i)
            if (codes[i] < cmd::kFirstOperation) groups.push_back(codes[i]);
        return groups;
    }

    sim::SimulatorConfig config_;
    std::unique_ptr<LinkedInstrument> instrument_;
    std::unique_ptr<HeadlessProgram> program_;
};

TEST_F(Unplug, WhileLinkingTheSearchComesBackToThePort) {
    start();
    sim::InstrumentSimulator& instrument = **instrument_;
    // Gone at the first probe, before it is answered.
    bool pulled = false;
    QObject::connect(&instrument, &sim::InstrumentSimulator::command_received, [&](int code) {
        if (code != cmd::kProbe || pulled) return;
        pulled = true;
        instrument.unplug();
        plug_in_after(kAwayMs);
    });
    ASSERT_TRUE(wait_until([&] { return pulled; }, kFindDeadlineMs));
    EXPECT_FALSE(program_->link().linked);
    ASSERT_TRUE(wait_until([&] { return !program_->line().is_open(); }, kFindDeadlineMs))
        << "the vanished device is let go";
    EXPECT_EQ(program_->ui().link_status_label, text::kNotLinked);
    expect_found_again();
    read_to_the_end("a fresh read");
}

TEST_F(Unplug, WhilePollingTheLinkDropsAndComesBack) {
    start();
    ASSERT_TRUE(wait_until([&] { return linked() && program_->state().stats.avg_count > 0; },
                           kFindDeadlineMs));
    (*instrument_)->unplug();
    plug_in_after(kAwayMs);
    expect_link_lost();
    expect_found_again();
    const int32_t readings_before = program_->state().stats.avg_count;
    ASSERT_TRUE(wait_until([&] { return program_->state().stats.avg_count > readings_before; },
                           kFindDeadlineMs))
        << "live readings again";
    read_to_the_end("a fresh read");
}

// A read keeps the link up (the supervision leaves it alone while reading) and the watchdog
// keeps re-opening the port: when the adapter is back, the read goes on by itself, whether the
// search found the port or the start-up opened it.
TEST_F(Unplug, WhileReadingALongOutageEndsWithTheReadGoingOn) {
    for (int port : {kInstrumentPort, kStartUpPort}) {
        SCOPED_TRACE(testing::Message() << "instrument at COM" << port);
        start(unplugged_at_group(3000), port);
        ASSERT_TRUE(wait_until([&] { return linked(); }, kFindDeadlineMs));
        const size_t codes_before = (*instrument_)->received_codes().size();
        bool link_shown_lost = false;
        program_->click(on_read_clicked);
        ASSERT_TRUE(wait_until(
            [&] {
                link_shown_lost |= program_->ui().link_status_label == text::kNotLinked;
                return program_->link().reading() == false;
            },
            kReadDeadlineMs))
            << "stopped at group " << program_->link().next_group;
        EXPECT_FALSE(link_shown_lost);
        EXPECT_EQ(program_->state().records.last_stored_group, kGroups);
        EXPECT_TRUE(store_holds(program_->state().records, config_.groups));
        const std::vector<int32_t> requests = group_requests_since(codes_before);
        EXPECT_TRUE(std::is_sorted(requests.begin(), requests.end())) << "never asked backwards";
        EXPECT_GT(std::count(requests.begin(), requests.end(), kUnplugAtGroup), 1)
            << "the pending group was asked for again";
    }
}

struct PausedCase {
    const char* name;
    bool back_before_link_lost;
    bool fresh_read;  // test button, then a fresh read; otherwise continue
};

// Names the case in test listings, instead of its bytes.
void PrintTo(const PausedCase& c, std::ostream* out) {
    *out << c.name;
}

class UnplugPaused : public Unplug, public ::testing::WithParamInterface<PausedCase> {};

TEST_P(UnplugPaused, TheReadButtonFinishesTheReadOnceTheLinkIsBack) {
    const PausedCase& c = GetParam();
    start(unplugged_at_group(0));
    ASSERT_TRUE(wait_until([&] { return linked(); }, kFindDeadlineMs));
    program_->click(on_read_clicked);
    ASSERT_TRUE(wait_until([&] { return !(*instrument_)->plugged_in(); }, kReadDeadlineMs));
    program_->click(on_read_clicked);  // pause
    EXPECT_EQ(program_->ui().read_button, text::kContinue);
    EXPECT_EQ(program_->link().resume_group, kUnplugAtGroup);
    if (c.back_before_link_lost) plug_in_after(300);
    expect_link_lost();
    if (!c.back_before_link_lost) {
        ASSERT_TRUE((*instrument_)->plug_in());
    }
    expect_found_again();

    const size_t codes_before = (*instrument_)->received_codes().size();
    if (c.fresh_read) {
        program_->click(on_test_clicked);
        EXPECT_EQ(program_->ui().read_button, text::kRead);
        read_to_the_end("a fresh read");
    } else {
        read_to_the_end("continue");
    }
    const std::vector<int32_t> requests = group_requests_since(codes_before);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front(), c.fresh_read ? 1 : kUnplugAtGroup);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnplugPaused,
    ::testing::Values(PausedCase{"BackBeforeTheLinkIsLostThenContinue", true, false},
                      PausedCase{"BackAfterTheLinkIsLostThenAFreshRead", false, true}),
    [](const ::testing::TestParamInfo<PausedCase>& info) { return std::string(info.param.name); });

// An adapter plugged in again usually comes back under a new device name. The paused read goes
// on once the search has read the system's port list again and found it there, whether the user
// paused it or five silent seconds did.
class UnplugRenamed : public ::testing::TestWithParam<bool> {};

TEST_P(UnplugRenamed, WhileReadingThePausedReadContinuesUnderTheNewName) {
    const bool paused_by_hand = GetParam();
    const sim::SimulatorConfig config = instrument_config(unplugged_at_group(0));
    sim::InstrumentSimulator instrument(config);  // no stable link: the name changes
    ASSERT_TRUE(instrument.start());
    const QString first_name = instrument.pts_path();
    HeadlessProgram program(PortTable::from_system([&] {
        return instrument.plugged_in() ? QStringList{instrument.pts_path()} : QStringList{};
    }));
    program.load();
    const auto ui = [&] { return program.ui(); };
    const auto linked = [&] {
        return ui().link_status_label == text::kLinked &&
               program.link().instrument_group_count == kGroups;
    };
    ASSERT_TRUE(wait_until(linked, kFoundAgainDeadlineMs));
    program.click(on_read_clicked);
    ASSERT_TRUE(wait_until([&] { return !instrument.plugged_in(); }, kReadDeadlineMs));
    // Once the program has let go of the old name, another device takes it.
    ASSERT_TRUE(wait_until([&] { return !program.line().is_open(); }, kFindDeadlineMs));
    sim::PseudoTerminal squatter;
    ASSERT_TRUE(squatter.open());
    if (paused_by_hand) {
        program.click(on_read_clicked);  // pause
    } else {
        ASSERT_TRUE(
            wait_until([&] { return ui().read_button == text::kContinue; }, kSilentPauseMs));
        EXPECT_FALSE(program.link().reading());
        EXPECT_EQ(program.link().resume_group, kUnplugAtGroup) << "the pending group is kept";
    }
    ASSERT_TRUE(wait_until([&] { return ui().link_status_label == text::kNotLinked; },
                           kLinkLostDeadlineMs));
    EXPECT_EQ(ui().activity_label, text::kSearching);
    ASSERT_TRUE(instrument.plug_in());
    ASSERT_NE(instrument.pts_path().toStdString(), first_name.toStdString());
    ASSERT_TRUE(wait_until(linked, kFoundAgainDeadlineMs));
    EXPECT_EQ(ui().port_device, instrument.pts_path());

    program.click(on_read_clicked);  // continue
    EXPECT_EQ(ui().read_button, text::kPause);
    ASSERT_TRUE(wait_until([&] { return program.link().reading() == false; }, kReadDeadlineMs))
        << "stopped at group " << program.link().next_group;
    EXPECT_EQ(program.state().records.last_stored_group, kGroups);
    EXPECT_TRUE(store_holds(program.state().records, config.groups));
}

INSTANTIATE_TEST_SUITE_P(Pause, UnplugRenamed, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "ByHand" : "BySilence");
                         });

}  // namespace
}  // namespace eqbond::test
