// The push and copy rounds over fakes of the local archive and the server: what each reports and
// leaves waiting when the server takes, refuses or cannot be reached, and when a download changes
// while it is pushed.
#include <gtest/gtest.h>

#include <set>

#include "support/qstring_printer.h"
#include "team/team_copy_round.h"
#include "team/team_push_round.h"

namespace eqbond {
namespace {

// The local archive's queue: downloads by id, each with its UUID and change count.
class FakeQueue : public PushQueue {
  public:
    struct Local {
        QString uuid;
        int64_t changes = 1;
    };
    std::map<int64_t, Local> local;
    std::set<int64_t> edited_while_pushed;  // changes again while the server takes it
    std::set<int64_t> vanish;               // deleted after the queue was listed
    std::set<int64_t> unmarkable;           // the archive cannot be written when it is marked
    std::set<int64_t> deleted_there;        // marked deleted on the server
    bool broken = false;

    std::optional<std::vector<WaitingDownload>> waiting() override {
        if (broken) return std::nullopt;
        std::vector<WaitingDownload> out;
        for (const auto& [id, l] : local)
            if (l.changes > 0 && !deleted_there.count(id)) out.push_back({id, l.uuid, l.changes});
        return out;
    }
    std::optional<TeamDownload> team_download(int64_t id) override {
        if (vanish.count(id)) return std::nullopt;
        if (edited_while_pushed.count(id)) ++local[id].changes;
        TeamDownload d;
        d.uuid = local.at(id).uuid;
        return d;
    }
    Marking mark_pushed(const WaitingDownload& w, const QDateTime&) override {
        if (unmarkable.count(w.id)) return Marking::Failed;
        if (local.at(w.id).changes != w.changes) return Marking::ChangedMeanwhile;
        local[w.id].changes = 0;
        return Marking::Marked;
    }
    bool mark_deleted_there(int64_t id) override {
        if (unmarkable.count(id)) return false;
        deleted_there.insert(id);
        return true;
    }
    std::optional<QDateTime> last_push() override { return std::nullopt; }
};

// The server: what it holds by UUID with the time of its push, and what it refuses.
class FakeServer : public TeamCopying {
  public:
    std::map<QString, int64_t> held;           // UUID -> pushed ms
    std::map<QString, TeamFaultKind> refuses;  // UUID -> why
    std::optional<TeamFaultKind> down;         // every operation fails so
    int64_t clock = 100;
    std::vector<TeamPlan> team_plans;

    const std::optional<TeamFault>& fault() const override { return fault_; }
    bool push(const TeamDownload& d) override {
        if (failed(d.uuid)) return false;
        held[d.uuid] = ++clock;
        return true;
    }
    // One page per download.
    bool summaries(const std::function<bool(const std::vector<TeamCopySummary>&)>& page) override {
        if (failed(QString())) return false;
        for (const auto& [uuid, pushed] : held) {
            TeamCopySummary one;
            one.stored.download.uuid = uuid;
            one.stored.pushed = QDateTime::fromMSecsSinceEpoch(pushed);
            if (!page({one})) return false;
        }
        return true;
    }
    bool keep_plan(const TeamPlan& plan) override {
        if (failed(plan.site_name)) return false;
        team_plans.push_back(plan);
        return true;
    }
    std::optional<std::vector<TeamPlan>> plans() override {
        if (failed(QString())) return std::nullopt;
        return team_plans;
    }
    std::optional<StoredTeamDownload> load(const QString& uuid) override {
        if (failed(QString())) return std::nullopt;
        StoredTeamDownload s;
        s.download.uuid = uuid;
        s.pushed = QDateTime::fromMSecsSinceEpoch(held.at(uuid));
        return s;
    }

  private:
    bool failed(const QString& uuid) {
        fault_.reset();
        const auto refused = refuses.find(uuid);
        if (down) fault_ = TeamFault{*down, {}};
        if (refused != refuses.end()) fault_ = TeamFault{refused->second, {}};
        return fault_.has_value();
    }
    std::optional<TeamFault> fault_;
};

TEST(PushRound, PushesWhatWaitsAndLeavesWaitingWhatDidNotGoOrChangedMeanwhile) {
    const struct Case {
        const char* name;
        std::function<void(FakeQueue&, FakeServer&)> arrange;
        int pushed, waiting;
        std::optional<TeamFaultKind> fault;
        std::vector<QString> refused;
        bool local_fault;
    } cases[] = {
        {"all taken", [](FakeQueue&, FakeServer&) {}, 3, 0, {}, {}, false},
        {"edited while pushed",
         [](FakeQueue& q, FakeServer&) { q.edited_while_pushed = {2}; },
         3,
         1,
         {},
         {},
         false},
        {"one refused, the others go",
         [](FakeQueue&, FakeServer& s) { s.refuses["u1"] = TeamFaultKind::RefusedByRules; },
         2,
         1,
         TeamFaultKind::RefusedByRules,
         {"u1"},
         false},
        {"deleted there (kept, waiting no more) and a text refused, the others go",
         [](FakeQueue&, FakeServer& s) {
             s.refuses["u1"] = TeamFaultKind::DeletedThere;
             s.refuses["u3"] = TeamFaultKind::Failed;
         },
         1,
         1,
         TeamFaultKind::Failed,
         {"u1", "u3"},
         false},
        {"deleted there but the archive cannot mark it ends the round",
         [](FakeQueue& q, FakeServer& s) {
             s.refuses["u1"] = TeamFaultKind::DeletedThere;
             q.unmarkable = {1};
         },
         0,
         3,
         TeamFaultKind::DeletedThere,
         {"u1"},
         true},
        {"a busy server ends the round",
         [](FakeQueue&, FakeServer& s) { s.refuses["u2"] = TeamFaultKind::Busy; },
         1,
         2,
         TeamFaultKind::Busy,
         {},
         false},
        {"server gone ends the round",
         [](FakeQueue&, FakeServer& s) { s.down = TeamFaultKind::Unreachable; },
         0,
         3,
         TeamFaultKind::Unreachable,
         {},
         false},
        {"deleted since listed",
         [](FakeQueue& q, FakeServer&) { q.vanish = {3}; },
         2,
         0,
         {},
         {},
         false},
        {"local archive unwritable when marking ends the round",
         [](FakeQueue& q, FakeServer&) { q.unmarkable = {1}; },
         1,
         3,
         {},
         {},
         true},
        {"local archive unreadable",
         [](FakeQueue& q, FakeServer&) { q.broken = true; },
         0,
         0,
         {},
         {},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeQueue queue;
        queue.local = {{1, {"u1"}}, {2, {"u2"}}, {3, {"u3"}}, {4, {"u4", 0}}};
        FakeServer server;
        c.arrange(queue, server);
        const PushRound round = push_waiting(queue, server);
        EXPECT_EQ(round.pushed, c.pushed);
        EXPECT_EQ(round.waiting, c.waiting);
        EXPECT_EQ(round.fault ? std::optional(round.fault->kind) : std::nullopt, c.fault);
        std::vector<QString> refused;
        for (const RefusedDownload& one : round.refused) refused.push_back(one.uuid);
        EXPECT_EQ(refused, c.refused);
        EXPECT_EQ(round.local_fault, c.local_fault);
        if (!c.local_fault) {
            const auto left = queue.waiting();
            EXPECT_EQ(int(left->size()), c.waiting + int(queue.vanish.size()));
        }
    }
}

class FakeCopy : public TeamCopyStore {
  public:
    FakeQueue queue;
    std::map<QString, TeamCopyState> copies;
    std::vector<QString> kept, dropped;
    std::vector<TeamPlan> copied_plans;

    std::optional<std::vector<WaitingDownload>> waiting() override { return queue.waiting(); }
    std::optional<TeamDownload> team_download(int64_t id) override {
        return queue.team_download(id);
    }
    Marking mark_pushed(const WaitingDownload& w, const QDateTime& t) override {
        const Marking marking = queue.mark_pushed(w, t);
        if (marking == Marking::Marked) copies[w.uuid].changed_here = false;
        return marking;
    }
    std::optional<QDateTime> last_push() override { return std::nullopt; }
    std::optional<std::map<QString, TeamCopyState>> team_copies() override { return copies; }
    bool keep_team_copy(const StoredTeamDownload& stored) override {
        kept.push_back(stored.download.uuid);
        copies[stored.download.uuid] = {stored.pushed.toMSecsSinceEpoch(), false};
        return true;
    }
    bool keep_team_summaries(const std::vector<TeamCopySummary>& summaries) override {
        for (const TeamCopySummary& one : summaries) {
            kept.push_back(one.stored.download.uuid + QStringLiteral(" (summary)"));
            copies[one.stored.download.uuid] = {one.stored.pushed.toMSecsSinceEpoch(), false,
                                                false};
        }
        return true;
    }
    bool keep_team_plans(const std::vector<TeamPlan>& plans) override {
        copied_plans = plans;
        return true;
    }
    bool drop_team_copy(const QString& uuid) override {
        dropped.push_back(uuid);
        copies.erase(uuid);
        return true;
    }
};

TEST(CopyRound, CopiesWhatIsNewOnTheServerKeepsChangesHereAndDropsWhatWent) {
    const struct Case {
        const char* name;
        std::function<void(FakeCopy&, FakeServer&)> arrange;
        std::vector<QString> kept, dropped;
        std::optional<TeamFaultKind> fault;
        bool closing = false;
    } cases[] = {
        {"the view closing: nothing more copied or dropped, and no fault",
         [](FakeCopy&, FakeServer&) {},
         {},
         {},
         {},
         true},
        {"new, current and gone", [](FakeCopy&, FakeServer&) {}, {"new (summary)"}, {"gone"}, {}},
        {"a change here the server takes is copied back whole as pushed",
         [](FakeCopy& c, FakeServer&) {
             c.queue.local = {{1, {"same"}}};
             c.copies["same"].changed_here = true;
         },
         {"new (summary)", "same"},
         {"gone"},
         {}},
        {"a change here the server refuses gives way to the server's",
         [](FakeCopy& c, FakeServer& s) {
             c.queue.local = {{1, {"same"}}};
             c.copies["same"].changed_here = true;
             s.refuses["same"] = TeamFaultKind::RefusedByRules;
         },
         {"new (summary)", "same"},
         {"gone"},
         TeamFaultKind::RefusedByRules},
        {"a change made here during the round waits for the next",
         [](FakeCopy& c, FakeServer&) { c.copies["same"].changed_here = true; },
         {"new (summary)"},
         {"gone"},
         {}},
        {"one held by its summary, pushed again there, stays a summary",
         [](FakeCopy& c, FakeServer&) {
             c.copies["same"] = {5, false, false};
         },
         {"new (summary)", "same (summary)"},
         {"gone"},
         {}},
        {"server gone: the copy stays as it was",
         [](FakeCopy&, FakeServer& s) { s.down = TeamFaultKind::Unreachable; },
         {},
         {},
         TeamFaultKind::Unreachable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCopy copy;
        copy.copies = {{"same", {7, false}}, {"gone", {5, false}}};
        FakeServer server;
        server.held = {{"same", 7}, {"new", 9}};
        c.arrange(copy, server);
        std::vector<TeamPlan> no_plans;
        const std::atomic<bool> closing{c.closing};
        const TeamCopyRound round =
            bring_team_copy_up_to_date(copy, server, no_plans, {}, &closing);
        EXPECT_EQ(copy.kept, c.kept);
        EXPECT_EQ(copy.dropped, c.dropped);
        EXPECT_EQ(round.copied, int(c.kept.size()));
        EXPECT_EQ(round.fault ? std::optional(round.fault->kind) : std::nullopt, c.fault);
        EXPECT_FALSE(round.local_fault);
    }
}

TEST(CopyRound, APlanKeptHereGoesToTheTeamWhoseOwnComeBack) {
    const TeamPlan theirs{"Depot", "Hall", {"PE bar"}}, mine{"Depot", "Dock", {"A", "B"}};
    const struct Case {
        const char* name;
        std::optional<TeamFaultKind> server_says;  // about the plan kept here
        size_t waiting;                            // plans left for the next round
        size_t copied;                             // plans the copy holds afterwards
    } cases[] = {
        {"taken", {}, 0, 2},
        {"refused, not offered again", TeamFaultKind::RefusedByRules, 0, 1},
        {"server gone, it waits", TeamFaultKind::Unreachable, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCopy copy;
        FakeServer server;
        server.team_plans = {theirs};
        if (c.server_says == TeamFaultKind::Unreachable) server.down = *c.server_says;
        if (c.server_says == TeamFaultKind::RefusedByRules)
            server.refuses["Depot"] = *c.server_says;
        std::vector<TeamPlan> plans{mine};
        const TeamCopyRound round = bring_team_copy_up_to_date(copy, server, plans);
        EXPECT_EQ(plans.size(), c.waiting);
        EXPECT_EQ(copy.copied_plans.size(), c.copied);
        EXPECT_EQ(round.fault ? std::optional(round.fault->kind) : std::nullopt, c.server_says);
    }
}

}  // namespace
}  // namespace eqbond
