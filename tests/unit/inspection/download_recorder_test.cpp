// How a read ends decides what the archive gets: the recorder over the real handlers, a fake
// line playing the instrument and a fake archive that keeps what it is given.
#include "inspection/download_recorder.h"

#include <gtest/gtest.h>

#include <functional>

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
    std::optional<int64_t> save_download(const Download& d, const std::vector<Group>& g) override {
        ++save_calls;
        if (fault_on_save) {
            fault_ = fault_on_save;
            return std::nullopt;
        }
        saved.push_back({d, g});
        return int64_t(saved.size());
    }
    bool set_details(int64_t id, const InspectionDetails& d) override {
        given[id] = d;
        return true;
    }

  private:
    std::optional<ArchiveFault> fault_;
};

// Group n as the instrument sends it: its value and minute tell the groups apart.
Reply stored_group(int n) {
    return test::reply_of(n * 37 % 50000, n, n % 9 == 0 ? 1 : 0, kind::kStatus,
                          {25, 4, 2, 10, n % 60});
}

struct Recorder : ::testing::Test {
    test::FakeProgram fake;
    FakeArchive archive;
    DownloadRecorder recorder{archive};
    Program& p = fake.program;

    void SetUp() override {
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

TEST_F(Recorder, AnArchiveThatFailsIsReportedOnceAndTheReadsGoOn) {
    archive.fault_on_save = ArchiveFault{ArchiveFaultKind::DiskFull, QStringLiteral("full")};
    for (int read = 0; read < 3; ++read) {
        instrument_holds(8);
        on_read_clicked(p);
        answer(99);
        EXPECT_EQ(main_window_view(p.state).read_button, text::kRead);
        EXPECT_EQ(p.state.records.at(8).number, 8);
    }
    EXPECT_EQ(archive.save_calls, 1) << "after a fault the archive is left alone";
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.shown[0].second.contains(QStringLiteral("/data/archive.sqlite")));
    EXPECT_TRUE(fake.messages.shown[0].second.contains(QStringLiteral("磁盘已满")));
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
        if (kept.inspector.isEmpty() && kept.instrument_serial.isEmpty()) {
            EXPECT_EQ(archive.given.count(id), 0u);  // nothing to give
            continue;
        }
        ASSERT_EQ(archive.given.count(id), 1u);
        EXPECT_EQ(archive.given[id].inspector, kept.inspector);
        EXPECT_EQ(archive.given[id].instrument_serial, kept.instrument_serial);
        EXPECT_FALSE(archive.given[id].site_id);
    }
    save_inspection_defaults({});
}

}  // namespace
}  // namespace eqbond
