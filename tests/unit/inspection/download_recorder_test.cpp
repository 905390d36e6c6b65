// How a read ends decides what the archive gets: the recorder over the real handlers, a fake
// line playing the instrument and a fake archive that keeps what it is given.
#include "inspection/download_recorder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <functional>
#include <utility>

#include "base/protocol.h"
#include "base/value_format.h"
#include "inspection/inspection_port.h"
#include "inspection/inspection_settings.h"
#include "link/instrument_buttons.h"
#include "link/receive_dispatcher.h"
#include "program/startup.h"
#include "support/fake_ports.h"
#include "support/instrument_replies.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

class FakeArchive : public DownloadSaving {
  public:
    struct Saved {
        Download download;
        std::vector<Group> groups;
    };
    std::vector<Saved> saved;
    std::map<int64_t, InspectionDetails> given;  // details by download
    std::optional<ArchiveFault> fault_on_save;   // the next save fails with this
    int save_calls = 0;

    QString file() const override { return QStringLiteral("/data/archive.sqlite"); }
    std::optional<ArchiveFault> fault() const override { return fault_; }
    std::optional<int64_t> save_download(const Download& d, const std::vector<Group>& g,
                                         const NewInspection& with) override {
        ++save_calls;
        if (fault_on_save) {
            fault_ = std::exchange(fault_on_save, std::nullopt);
            return std::nullopt;
        }
        // A passing fault is gone once the archive takes a download again.
        if (fault_ && fault_->passing) fault_.reset();
        saved.push_back({d, g});
        given[int64_t(saved.size())] = with.details;
        return int64_t(saved.size());
    }

  private:
    std::optional<ArchiveFault> fault_;
};

// Group n as the instrument sends it: its value and minute tell the groups apart.
Reply stored_group(int n) {
    return test::reply_of(n * 37 % 50000, n, n % 9 == 0 ? 1 : 0, kind::kStatus,
                          {25, 4, 2, 10, n % 60});
}

// The program with the recorder as its read observer, and the instrument it reads.
struct RecorderRig {
    test::FakeProgram fake;
    FakeArchive archive;
    DownloadRecorder recorder{archive};
    Program& p = fake.program;

    RecorderRig() {
        p.ports.read_observer = &recorder;
        fake.line.outcomes[2] = OpenOutcome::Opened;
        load_main_window(p);
        p.state.link.linked = true;
    }
    void instrument_holds(int groups) { p.state.link.instrument_group_count = groups; }
    // The instrument answers the pending request, as often as asked.
    void answer(int replies) {
        for (int i = 0; i < replies && p.state.link.reading(); ++i) {
            fake.line.incoming = encode_reply(stored_group(p.state.link.next_group));
            on_receive(p, PortEvent::DataReceived);
        }
    }
};

struct Recorder : ::testing::Test, RecorderRig {};

TEST_F(Recorder, HowTheReadEndsIsWhatTheArchiveGets) {
    const struct Case {
        const char* name;
        int held;                             // groups in the instrument
        std::function<void(Recorder&)> read;  // the operator's clicks and the replies
        size_t downloads;
        DownloadEnd end;
        int groups;  // groups archived
    } cases[] = {
        {"complete", 5,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(99);
         },
         1, DownloadEnd::Complete, 5},
        {"paused, continued, complete", 60,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(17);
             on_read_clicked(t.p);  // pause
             on_read_clicked(t.p);
             t.answer(99);  // continue
         },
         1, DownloadEnd::Complete, 60},
        {"paused, then test", 30,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(12);
             on_read_clicked(t.p);
             on_test_clicked(t.p);
         },
         1, DownloadEnd::Abandoned, 12},
        {"running, then test", 30,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(7);
             on_test_clicked(t.p);
         },
         1, DownloadEnd::Abandoned, 7},
        {"paused, then read without link", 30,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(9);
             on_read_clicked(t.p);
             t.p.state.link.linked = false;
             on_read_clicked(t.p);
         },
         1, DownloadEnd::Abandoned, 9},
        {"paused, then the window loaded anew", 30,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(20);
             on_read_clicked(t.p);
             load_main_window(t.p);
         },
         1, DownloadEnd::Abandoned, 20},
        {"cleared midway: every group sent is kept", 10,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(4);
             on_clear_clicked(t.p);
             t.answer(99);
         },
         1, DownloadEnd::Complete, 10},
        {"nothing stored in the instrument", 0,
         [](Recorder& t) {
             on_read_clicked(t.p);
             on_read_clicked(t.p);
             on_test_clicked(t.p);
         },
         0, DownloadEnd::Complete, 0},
        {"two reads", 3,
         [](Recorder& t) {
             on_read_clicked(t.p);
             t.answer(99);
             on_read_clicked(t.p);
             t.answer(99);
         },
         2, DownloadEnd::Complete, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.line.written.clear();
        archive.saved.clear();
        p.state = ProgramState{};
        load_main_window(p);
        p.state.link.linked = true;
        instrument_holds(c.held);
        const QDateTime before = QDateTime::currentDateTime();
        c.read(*this);
        const QDateTime after = QDateTime::currentDateTime();
        ASSERT_EQ(archive.saved.size(), c.downloads);
        if (c.downloads == 0) continue;
        const FakeArchive::Saved& s = archive.saved.back();
        EXPECT_EQ(s.download.end, c.end);
        ASSERT_EQ(int(s.groups.size()), c.groups);
        EXPECT_EQ(s.download.reported_total, c.held);
        EXPECT_EQ(s.download.groups_read, s.groups.back().number);
        EXPECT_EQ(s.download.port_number, 2);
        EXPECT_EQ(s.download.device, QStringLiteral("/dev/fake2"));
        EXPECT_TRUE(before <= s.download.started && s.download.started <= s.download.finished &&
                    s.download.finished <= after);
        for (const Group& g : s.groups) {
            const Reply sent = stored_group(g.number);
            EXPECT_EQ(g, group_of_reply(g.number, sent));
        }
    }
}

TEST(RecorderFaults, AFaultThatLastsIsReportedOnceAndOneThatPassesLosesNothing) {
    const struct Case {
        ArchiveFault fault;
        size_t messages;
        int save_calls;
        size_t saved;
    } cases[] = {
        // The archive is left alone after a lasting fault; the reads go on.
        {{ArchiveFaultKind::DiskFull, QStringLiteral("full")}, 1, 1, 0},
        // Another program held the file for a moment: its download goes in with the next one.
        {{ArchiveFaultKind::Locked, QStringLiteral("busy"), true}, 0, 4, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.fault.kind));
        RecorderRig rig;
        rig.archive.fault_on_save = c.fault;
        for (int read = 0; read < 3; ++read) {
            rig.instrument_holds(8);
            on_read_clicked(rig.p);
            rig.answer(99);
            EXPECT_EQ(main_window_view(rig.p.state).read_button, text::kRead);
            EXPECT_EQ(rig.p.state.records.at(8).number, 8);
        }
        EXPECT_EQ(rig.archive.save_calls, c.save_calls);
        EXPECT_EQ(rig.archive.saved.size(), c.saved);
        const auto& shown = rig.fake.messages.shown;
        ASSERT_EQ(shown.size(), c.messages);
        if (c.messages == 0) continue;
        EXPECT_TRUE(shown[0].second.contains(
            QDir::toNativeSeparators(QStringLiteral("/data/archive.sqlite"))));
        EXPECT_TRUE(shown[0].second.contains(QStringLiteral("磁盘已满")));
    }
}

TEST_F(Recorder, TheInspectorAndInstrumentKeptAreTheNextDownloads) {
    for (const InspectionDefaults& kept :
         {InspectionDefaults{}, InspectionDefaults{QStringLiteral("王工"), QString()},
          InspectionDefaults{QString(), QStringLiteral("SN-4711")}}) {
        SCOPED_TRACE(kept.inspector.toStdString() + kept.instrument_serial.toStdString());
        save_inspection_defaults(kept);
        archive.given.clear();
        instrument_holds(3);
        on_read_clicked(p);
        answer(99);
        const int64_t id = int64_t(archive.saved.size());
        ASSERT_EQ(archive.given.count(id), 1u);
        EXPECT_EQ(archive.given[id].inspector, kept.inspector);
        EXPECT_EQ(archive.given[id].instrument_serial, kept.instrument_serial);
        EXPECT_FALSE(archive.given[id].site_id);
    }
    save_inspection_defaults({});
}

}  // namespace
}  // namespace eqbond
