// The archive window's core over a fake archive: which download is open after the list is read
// again, what the filter and the limit show, and what a typed test point does.
#include "inspection/archive_window.h"

#include <gtest/gtest.h>

#include "archive/archive_export.h"
#include "inspection/archive_window_view.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

class FakeInspections : public InspectionBrowsing, public InspectionEditing {
  public:
    std::vector<Inspection> held;  // newest first
    bool refuse_writes = false;
    std::vector<std::pair<int64_t, PointLabels>> labelled;

    QString file() const override { return QStringLiteral("/data/archive.sqlite"); }
    std::optional<ArchiveFault> fault() const override { return std::nullopt; }
    std::vector<ListedInspection> list(std::optional<BondingLimit> limit) override {
        std::vector<ListedInspection> out;
        for (const Inspection& i : held) {
            ListedInspection l;
            l.id = i.id;
            l.download = i.download;
            l.groups_held = int32_t(i.groups.size());
            l.site_name = i.details.location;
            if (limit)
                l.failing = count_verdicts(i.groups, GroupLimits(i.own_limits, limit)).failing;
            out.push_back(l);
        }
        return out;
    }
    std::vector<ListedInspection> list_site(int64_t, std::optional<BondingLimit>) override {
        return {};
    }
    std::optional<Inspection> load(int64_t id) override {
        for (const Inspection& i : held)
            if (i.id == id) return i;
        return std::nullopt;
    }
    std::vector<Site> sites() override { return {}; }
    std::optional<Site> site(int64_t) override { return std::nullopt; }
    QStringList locations(int64_t) override { return {}; }
    std::vector<PointValue> point_history(int64_t, const QString&, const QString&) override {
        return {};
    }
    PreviousValues previous_values(int64_t) override { return {}; }
    QStringList plan(int64_t, const QString&) override { return {}; }
    std::vector<InspectedLocation> inspected_locations(int) override { return {}; }
    std::vector<Instrument> instruments() override { return {}; }
    std::optional<Instrument> instrument(const QString&) override { return std::nullopt; }
    bool describe(int64_t, const SiteChoice&, const InspectionDetails&) override { return false; }
    bool set_label(int64_t id, int32_t number, const std::optional<QString>& label) override {
        if (refuse_writes) return false;
        for (Inspection& i : held) {
            if (i.id != id) continue;
            if (label) i.labels[number] = *label;
            labelled.emplace_back(id, i.labels);
        }
        return true;
    }
    bool label_from_plan(int64_t, const PlannedPoints&, const QStringList&) override {
        return false;
    }
    bool set_limit(int64_t id, int32_t number, std::optional<JudgedLimit> limit) override {
        if (refuse_writes) return false;
        for (Inspection& i : held) {
            if (i.id != id) continue;
            i.own_limits.erase(number);
            if (limit) i.own_limits[number] = *limit;
        }
        return true;
    }
    bool delete_download(int64_t id) override {
        const auto gone = std::remove_if(held.begin(), held.end(),
                                         [&](const Inspection& i) { return i.id == id; });
        held.erase(gone, held.end());
        return true;
    }
};

// Download `id`, read at minute `minute`, its groups of these milliohm, its location `place`.
Inspection download(int64_t id, int minute, std::vector<int32_t> milliohm, const char* place) {
    Inspection i;
    i.id = id;
    i.download.started = QDateTime(QDate(2026, 3, 2), QTime(9, minute));
    for (size_t n = 0; n < milliohm.size(); ++n)
        i.groups.push_back(Group{int32_t(n) + 1, milliohm[n], 0, 26, 3, 2, 9, minute});
    i.details.location = QString::fromUtf8(place);
    return i;
}

struct ArchiveWindowCore : ::testing::Test {
    FakeInspections archive;
    ArchiveWindowPorts ports{archive, archive};
    ArchiveWindowState state;
    void SetUp() override {
        archive.held = {download(3, 30, {100, 3000}, "ICU"), download(2, 20, {90}, "Hall"),
                        download(1, 10, {80}, "Dock")};
    }
};

TEST_F(ArchiveWindowCore, WhatIsOpenAfterTheListIsReadAgain) {
    const struct Case {
        const char* name;
        std::optional<int64_t> opened;  // chosen before
        const char* filter;
        bool deleted;  // the open download is deleted meanwhile
        std::optional<int64_t> open;
        size_t rows;
    } cases[] = {
        {"the newest at first", {}, "", false, 3, 3},
        {"the one chosen stays", 1, "", false, 1, 3},
        {"a deleted one gives way to the newest", 2, "", true, 3, 2},
        {"the newest the filter lets through", {}, "dock", false, 1, 1},
        {"nothing listed, nothing open", {}, "no such place", false, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state = {};
        refresh_archive_window(state, ports);
        if (c.opened) choose_download(state, ports, c.opened);
        type_filter(state, QString::fromUtf8(c.filter));
        if (c.deleted) archive.delete_download(*c.opened);
        refresh_archive_window(state, ports);
        const ArchiveWindowView view = archive_window_view(state);
        EXPECT_EQ(state.open ? std::optional(state.open->id) : std::nullopt, c.open);
        EXPECT_EQ(view.downloads.rows.size(), c.rows);
        EXPECT_EQ(view.downloads.current, c.open);
        EXPECT_EQ(view.download_open, c.open.has_value());
        EXPECT_EQ(view.details.enabled, c.open.has_value());
    }
}

TEST_F(ArchiveWindowCore, TheLimitTheSideAndTheGroupFilterDecideWhatIsShown) {
    const struct Case {
        std::optional<BondingLimit> limit;
        ArchiveSide side;
        GroupFilter filter;
        size_t groups;  // of the newest download's two
    } cases[] = {
        {{}, ArchiveSide::ThisComputer, GroupFilter::All, 2},
        {BondingLimit{2000}, ArchiveSide::ThisComputer, GroupFilter::Failing, 1},
        {{}, ArchiveSide::TeamCopy, GroupFilter::Failing, 0},
        {BondingLimit{2000}, ArchiveSide::TeamCopy, GroupFilter::Deteriorated, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.limit.has_value() << int(c.side) << int(c.filter));
        state = {};
        state.side = c.side;
        state.limit = c.limit;
        state.group_filter = c.filter;
        refresh_archive_window(state, ports);
        const ArchiveWindowView view = archive_window_view(state);
        EXPECT_EQ(view.downloads.hidden[download_column::Fail], !c.limit);
        EXPECT_EQ(view.downloads.hidden[download_column::Owner], c.side != ArchiveSide::TeamCopy);
        EXPECT_EQ(view.groups.hidden[group_column::Verdict], !c.limit);
        EXPECT_EQ(view.groups.rows.size(), c.groups);
        EXPECT_EQ(view.verdict_counts.isEmpty(), !c.limit);
        // Only the group above the limit is drawn as failing.
        for (const TableRow& row : view.groups.rows)
            EXPECT_EQ(row.cells[0].failing, c.limit && row.key == 2);
    }
}

TEST_F(ArchiveWindowCore, ATypedTestPointIsKeptOrTheLineSaysWhyNot) {
    const struct Case {
        const char* typed;
        bool refuse;
        bool taken;
        std::optional<QString> label;  // group 2's afterwards
        PlanNote note;
    } cases[] = {
        {" B2 pipe ", false, true, QStringLiteral("B2 pipe"), PlanNote::None},
        {"B2\tpipe", false, false, {}, PlanNote::LabelControl},
        {"B2 pipe", true, true, {}, PlanNote::NotStored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SetUp();
        state = {};
        archive.refuse_writes = c.refuse;
        refresh_archive_window(state, ports);
        EXPECT_EQ(type_label(state, ports, 2, QString::fromUtf8(c.typed)), c.taken);
        const auto label = state.open->labels.find(2);
        EXPECT_EQ(label == state.open->labels.end() ? std::nullopt : std::optional(label->second),
                  c.label);
        EXPECT_EQ(state.plan_message.note, c.note);
    }
}

TEST_F(ArchiveWindowCore, ATypedLimitJudgesItsPointOrTheLineSaysWhyNot) {
    const struct Case {
        int32_t group;
        const char* typed;
        bool taken;
        std::optional<int32_t> milliohm;  // the group's own limit afterwards
        PlanNote note;
    } cases[] = {
        {2, " 0.2 ", true, 200, PlanNote::None},
        {2, "", true, {}, PlanNote::None},  // empty: none of its own
        {2, "0.0001", false, {}, PlanNote::LimitTyped},
        {2, "1001", false, {}, PlanNote::LimitTyped},
        {1, "0.2", false, {}, PlanNote::LimitNoPoint},  // group 1 has no test point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SetUp();
        state = {};
        archive.held[0].labels[2] = QStringLiteral("PE");
        archive.held[0].own_limits[2] = JudgedLimit{50};
        refresh_archive_window(state, ports);
        EXPECT_EQ(type_point_limit(state, ports, c.group, QString::fromUtf8(c.typed)), c.taken);
        const auto own = state.open->own_limits.find(2);
        // A refused limit leaves the one before.
        EXPECT_EQ(own == state.open->own_limits.end() ? std::nullopt
                                                      : std::optional(own->second.milliohm),
                  c.taken ? c.milliohm : std::optional<int32_t>(50));
        EXPECT_EQ(state.plan_message.note, c.note);
    }
}

TEST_F(ArchiveWindowCore, ATeamChangeSaysWhatTheServerMadeOfItAndAnothersDownloadIsReadOnly) {
    const struct Case {
        const char* role;
        bool changes_any;
        bool read_only;
        ServerAnswer answer;
        bool problem;
    } cases[] = {
        {"", false, false, ServerAnswer::Taken, false},  // the server not yet asked
        {"anna", false, false, ServerAnswer::Taken, false},
        {"ben", false, true, ServerAnswer::Refused, true},
        {"boss", true, false, ServerAnswer::NotReached, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.role);
        state = {};
        state.side = ArchiveSide::TeamCopy;
        refresh_archive_window(state, ports);
        for (ListedInspection& d : state.downloads) d.owner = QStringLiteral("anna");
        note_team_rights(state, QString::fromUtf8(c.role), c.changes_any);
        state.details_message.note = DetailsNote::Saved;
        state.details_sent.answer = ServerAnswer::Waiting;
        const QString waiting = archive_window_view(state).details.message;
        note_server_answer(state, c.answer, QStringLiteral("no route"));
        const ArchiveWindowView view = archive_window_view(state);
        EXPECT_EQ(view.details.read_only, c.read_only);
        EXPECT_EQ(view.groups.editable, !c.read_only);
        EXPECT_EQ(view.labels_editable, !c.read_only);
        EXPECT_EQ(type_label(state, ports, 2, QStringLiteral("B2")), !c.read_only);
        // The line no longer says it waits, and a fault is never said as saved.
        EXPECT_NE(view.details.message, waiting);
        EXPECT_EQ(view.details.problem, c.problem);
        EXPECT_EQ(view.details.message.contains(QStringLiteral("no route")),
                  c.answer == ServerAnswer::NotReached);
    }
}

}  // namespace
}  // namespace eqbond
