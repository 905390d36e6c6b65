// The team store against a real server: a download comes back as pushed, a repeated push leaves
// it once and whole, hostile texts are stored as typed, and the server's rules decide who may
// change what, for the store and for plain SQL alike.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "inspection/qt_sqlite_inspections.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/team_copy_round.h"

namespace eqbond {
namespace {

using test::team_download;
using test::TeamArchiveTest;

void expect_same(const TeamDownload& a, const TeamDownload& b) {
    EXPECT_EQ(a.uuid, b.uuid);
    EXPECT_EQ(a.download.started, b.download.started);
    EXPECT_EQ(a.download.finished, b.download.finished);
    EXPECT_EQ(a.download.port_number, b.download.port_number);
    EXPECT_EQ(a.download.device, b.download.device);
    EXPECT_EQ(a.download.reported_total, b.download.reported_total);
    EXPECT_EQ(a.download.groups_read, b.download.groups_read);
    EXPECT_EQ(a.download.end, b.download.end);
    EXPECT_EQ(a.site.name, b.site.name);
    EXPECT_EQ(a.site.address, b.site.address);
    EXPECT_EQ(a.site.customer, b.site.customer);
    EXPECT_EQ(a.location, b.location);
    EXPECT_EQ(a.inspector, b.inspector);
    EXPECT_EQ(a.instrument_serial, b.instrument_serial);
    EXPECT_EQ(a.notes, b.notes);
    EXPECT_TRUE(a.groups == b.groups);
    EXPECT_TRUE(a.labels == b.labels);
}

using TeamStore = TeamArchiveTest;

TEST_F(TeamStore, APlanKeptInOneTeamViewReachesEveryOther) {
    QTemporaryDir folder;
    const QString site = QStringLiteral("北站 Depot"), hall = QStringLiteral("Hall 2");
    // Anna keeps a plan in her team view, then another replaces it; Ben's view has the last.
    for (const QStringList& labels : {QStringList{"PE bar", "Pipe"}, QStringList{"PE bar"}}) {
        for (const char* role : {"anna", "ben"}) {
            SCOPED_TRACE(role);
            QtTeamStore store;
            ASSERT_TRUE(store.connect(as(role)));
            QtSqliteFile file;
            ASSERT_TRUE(file.open(folder.filePath(QString::fromLatin1(role))));
            QtSqliteTeamCopy copy(file);
            std::vector<TeamPlan> kept;
            if (role == std::string("anna")) kept.push_back({site, hall, labels});
            const TeamCopyRound round = bring_team_copy_up_to_date(copy, store, kept);
            EXPECT_FALSE(round.fault || round.local_fault);
            EXPECT_TRUE(kept.empty());
            QtSqliteInspections inspections(file);
            const std::optional<Site> known = inspections.site_named(site);
            ASSERT_TRUE(known);
            EXPECT_EQ(inspections.plan(known->id, hall), labels);
        }
    }
}

TEST_F(TeamStore, PushedTwiceIsHeldOnceAndWhole) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna"))) << anna.fault()->detail.toStdString();
    EXPECT_EQ(anna.role(), QStringLiteral("anna"));
    TeamDownload d = team_download(300);
    d.download.end = DownloadEnd::Abandoned;
    ASSERT_TRUE(anna.push(d)) << anna.fault()->detail.toStdString();
    ASSERT_TRUE(anna.push(d)) << anna.fault()->detail.toStdString();
    auto listed = anna.list({});
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1u);
    EXPECT_EQ(listed->front().uuid, d.uuid);
    EXPECT_EQ(listed->front().owner, QStringLiteral("anna"));
    EXPECT_EQ(listed->front().groups_held, 300);
    std::optional<StoredTeamDownload> stored = anna.load(d.uuid);
    ASSERT_TRUE(stored);
    expect_same(stored->download, d);

    // Pushed again after a change of its details and test points: taken.
    d.notes = QStringLiteral("rain");
    d.labels[4] = QStringLiteral("PE bar");
    ASSERT_TRUE(anna.push(d)) << anna.fault()->detail.toStdString();
    stored = anna.load(d.uuid);
    ASSERT_TRUE(stored);
    expect_same(stored->download, d);

    // What was measured stays as measured, for its owner too.
    TeamDownload rewritten = d;
    rewritten.groups.resize(120);
    rewritten.labels.resize(120);
    TeamDownload revalued = d;
    revalued.groups[7].milliohm += 1;
    for (const TeamDownload& attempt : {rewritten, revalued}) {
        EXPECT_FALSE(anna.push(attempt));
        ASSERT_TRUE(anna.fault());
        EXPECT_EQ(anna.fault()->kind, TeamFaultKind::RefusedByRules);
    }
    expect_same(anna.load(d.uuid)->download, d);
}

TEST_F(TeamStore, HostileTextsAreStoredAsTypedWithinTheProgramsLimits) {
    const QString longest(200, QChar(u'界'));
    const QString hostile = QStringLiteral("a'b\";DROP TABLE eqbond.downloads;--\\ {},NULL");
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    for (const QString& text : {hostile, longest, QStringLiteral("NULL"), QString()}) {
        TeamDownload d = team_download(3, text);
        d.location = d.inspector = d.instrument_serial = d.notes = d.site.address = text;
        if (text.isEmpty()) d.site = {};  // no site at all
        d.download.device = text;
        d.labels = {text, std::nullopt, QStringLiteral("\"}")};
        ASSERT_TRUE(anna.push(d)) << anna.fault()->detail.toStdString();
        const std::optional<StoredTeamDownload> stored = anna.load(d.uuid);
        ASSERT_TRUE(stored);
        expect_same(stored->download, d);
    }
    const auto listed = anna.list({hostile, {}});
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->size(), 1u);

    // What the program would not keep, the server refuses whole, with a word: never cut short.
    struct Case {
        const char* name;
        QString text;
        const char* word;
    };
    const Case cases[] = {
        {"NUL", QStringLiteral("TP") + QChar(0) + QStringLiteral("7"), "NUL"},
        {"new line", QStringLiteral("TP\n7"), "texts_fit"},
        {"escape", QStringLiteral("TP\x1b[2J"), "texts_fit"},
        {"too long", QString(201, QChar(u'x')), "texts_fit"},
    };
    for (const Case& c : cases) {
        for (const bool as_label : {true, false}) {
            TeamDownload d = team_download(3);
            (as_label ? *d.labels[0] : d.site.name) = c.text;
            EXPECT_FALSE(anna.push(d)) << c.name;
            ASSERT_TRUE(anna.fault()) << c.name;
            EXPECT_TRUE(anna.fault()->detail.contains(QLatin1String(c.word)))
                << c.name << ": " << anna.fault()->detail.toStdString();
            EXPECT_FALSE(anna.load(d.uuid)) << c.name;
        }
    }
}

TEST_F(TeamStore, ListsBySiteAndInspector) {
    QtTeamStore anna, ben;
    ASSERT_TRUE(anna.connect(as("anna")) && ben.connect(as("ben")));
    TeamDownload a = team_download(2, QStringLiteral("North"));
    TeamDownload b = team_download(2, QStringLiteral("South"));
    b.inspector = QStringLiteral("Ben B.");
    ASSERT_TRUE(anna.push(a) && ben.push(b));
    struct Case {
        TeamFilter filter;
        std::vector<QString> uuids;
    };
    const Case cases[] = {
        {{QStringLiteral("North"), {}}, {a.uuid}},
        {{{}, QStringLiteral("Ben B.")}, {b.uuid}},
        {{{}, QStringLiteral("ben")}, {b.uuid}},  // the role that pushed
        {{QStringLiteral("North"), QStringLiteral("ben")}, {}},
        {{QStringLiteral("Nowhere"), {}}, {}},
    };
    for (const Case& c : cases) {
        const auto listed = ben.list(c.filter);
        ASSERT_TRUE(listed);
        std::vector<QString> uuids;
        for (const TeamDownloadSummary& s : *listed) uuids.push_back(s.uuid);
        EXPECT_EQ(uuids, c.uuids) << c.filter.site_name.toStdString() << " "
                                  << c.filter.inspector.toStdString();
    }
    EXPECT_EQ(ben.list({})->size(), 2u);  // everyone reads everything
}

TEST_F(TeamStore, OnlyTheOwnerOrAnAdminChangesADownload) {
    QtTeamStore anna, ben, boss;
    ASSERT_TRUE(anna.connect(as("anna")) && ben.connect(as("ben")) && boss.connect(as("boss")));
    TeamDownload d = team_download(5);
    ASSERT_TRUE(anna.push(d));

    TeamDownload changed = d;
    changed.notes = QStringLiteral("ben was here");
    EXPECT_FALSE(ben.push(changed));
    ASSERT_TRUE(ben.fault());
    EXPECT_EQ(ben.fault()->kind, TeamFaultKind::RefusedByRules);
    EXPECT_FALSE(ben.remove(d.uuid));
    ASSERT_TRUE(ben.fault());
    EXPECT_EQ(ben.fault()->kind, TeamFaultKind::RefusedByRules);
    expect_same(anna.load(d.uuid)->download, d);

    // The admin changes and deletes any.
    ASSERT_TRUE(boss.push(changed)) << boss.fault()->detail.toStdString();
    EXPECT_EQ(anna.load(d.uuid)->download.notes, changed.notes);
    EXPECT_EQ(anna.load(d.uuid)->owner, QStringLiteral("anna"));
    EXPECT_TRUE(boss.remove(d.uuid));
    EXPECT_FALSE(anna.load(d.uuid));
    EXPECT_FALSE(anna.fault());
    EXPECT_FALSE(anna.remove(d.uuid));  // gone: no fault, nothing deleted
    EXPECT_FALSE(anna.fault());
}

TEST_F(TeamStore, PlainSqlObeysTheSameRules) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    const TeamDownload d = team_download(4);
    ASSERT_TRUE(anna.push(d));
    const QString where = QStringLiteral(" WHERE uuid = '%1'").arg(d.uuid);
    const QString where_groups = QStringLiteral(" WHERE download_uuid = '%1'").arg(d.uuid);
    struct Case {
        const char* role;
        QString sql;
        QString out;  // psql's answer, or "error" for a refusal
    };
    const Case cases[] = {
        {"ben", "UPDATE eqbond.downloads SET notes = 'x'" + where + " RETURNING 1", ""},
        {"ben", "DELETE FROM eqbond.downloads" + where, "error"},
        {"ben", "DELETE FROM eqbond.groups" + where_groups, "error"},
        {"ben",
         QStringLiteral("INSERT INTO eqbond.groups VALUES ('%1', 99, 1, 0, 25, 1, 1, 1, 1)")
             .arg(d.uuid),
         "error"},
        {"ben",
         QStringLiteral("INSERT INTO eqbond.downloads (uuid, owner, port_number, device, "
                        "reported_total, groups_read, ending, groups_held, "
                        "lowest_milliohm, highest_milliohm) VALUES (gen_random_uuid(), "
                        "'anna', 1, '', 0, 0, 'complete', 0, 0, 0)"),
         "error"},
        {"outsider", "SELECT count(*) FROM eqbond.downloads", "error"},
        {"ben", "SELECT count(*) FROM eqbond.groups" + where_groups, "4"},
        {"boss", "UPDATE eqbond.downloads SET notes = 'checked'" + where + " RETURNING notes",
         "checked"},
        {"anna", "DELETE FROM eqbond.downloads" + where, "error"},
        {"ben", "SELECT eqbond.delete_download('" + d.uuid + "')", "error"},
        {"anna", "SELECT eqbond.delete_download('" + d.uuid + "')", "t"},
        {"anna", QStringLiteral("SELECT count(*) FROM eqbond.groups"), "0"},
    };
    for (const Case& c : cases) {
        const test::CommandResult r = sql_as(c.role, c.sql);
        if (c.out == QLatin1String("error"))
            EXPECT_NE(r.exit_code, 0) << c.role << ": " << c.sql.toStdString();
        else
            EXPECT_EQ(r.out, c.out) << c.role << ": " << c.sql.toStdString();
    }
}

}  // namespace
}  // namespace eqbond
