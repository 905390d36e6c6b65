// Issued reports in the team archive: taken once per number and revision, again harmlessly with
// the same bytes, refused with other bytes; immutable against plain SQL as the schema's owner, an
// inspector and an admin; read by everyone; kept when their download is deleted; written in the
// history once per revision.
#include <gtest/gtest.h>

#include <QUuid>

#include "integration/team/team_fixture.h"
#include "issued/issued_content.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::team_download;
using test::TeamArchiveTest;

IssuedReport issued(const QString& number, int revision, const QByteArray& pdf,
                    const QString& download_uuid) {
    IssuedReport r;
    r.id = {number, revision};
    r.download_uuid = download_uuid;
    r.site = QStringLiteral("北站 Depot");
    r.location = QStringLiteral("Platform 2");
    r.issued = QStringLiteral("2026-03-04T10:11:12+08:00");
    r.inspector = QStringLiteral("Anna A.");
    r.content = QByteArrayLiteral(R"({"groups":[],"site":"北站 Depot"})");
    r.pdf = pdf;
    r.sha256 = sha256_hex(pdf);
    if (revision > 1) {
        r.replaces = revision - 1;
        r.reason = QStringLiteral("the customer's new limit\nsecond line");
    }
    return r;
}

struct TeamIssued : TeamArchiveTest {
    TeamDownload download = team_download(3);
    IssuedReport first = issued(QStringLiteral("EQ-2026-0001"), 1, "%PDF-1.4 anna", download.uuid);

    void SetUp() override {
        TeamArchiveTest::SetUp();
        QtTeamStore anna;
        ASSERT_TRUE(anna.connect(as("anna")));
        ASSERT_TRUE(anna.push(download));
        ASSERT_EQ(anna.push_issued(first), IssuedArrival::Added);
    }
    QString ask(const char* role, const char* sql) const {
        return sql_as(role, QString::fromUtf8(sql)).out;
    }
};

TEST_F(TeamIssued, EachNumberAndRevisionIsTakenOnceWithItsBytes) {
    QtTeamStore anna, ben;
    ASSERT_TRUE(anna.connect(as("anna")) && ben.connect(as("ben")));
    IssuedReport forged_digest = issued(QStringLiteral("EQ-2026-0003"), 1, "%PDF-1.4", {});
    forged_digest.download_uuid = download.uuid;
    forged_digest.sha256 = sha256_hex("%PDF-1.4 other");
    struct Case {
        QtTeamStore* by;
        IssuedReport report;
        std::optional<IssuedArrival> arrival;  // none: refused by the server's rules
    } cases[] = {
        {&anna, first, IssuedArrival::AlreadyThere},
        {&ben, first, IssuedArrival::AlreadyThere},
        {&ben, issued(QStringLiteral("EQ-2026-0001"), 1, "%PDF-1.4 ben", download.uuid),
         IssuedArrival::OtherBytesThere},
        {&anna, issued(QStringLiteral("EQ-2026-0001"), 2, "%PDF-1.4 anna 2", download.uuid),
         IssuedArrival::Added},
        {&ben, issued(QStringLiteral("B-2026-0001"), 1, "%PDF-1.4 ben", download.uuid),
         IssuedArrival::Added},
        {&anna, forged_digest, std::nullopt},
        {&anna, issued(QStringLiteral("EQ-2026-0004"), 1, "%PDF-1.4", QStringLiteral("x")),
         std::nullopt},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(numbered_revision_text(c.report.id).toStdString());
        EXPECT_EQ(c.by->push_issued(c.report), c.arrival);
        if (!c.arrival) {
            ASSERT_TRUE(c.by->fault());
            EXPECT_TRUE(refuses_one_download(c.by->fault()->kind));
        }
    }
    EXPECT_EQ(ask("boss",
                  "SELECT string_agg(number || ' ' || revision || ' ' || pushed_by || ' ' || "
                  "coalesce(replaces::text, '-'), ', ' ORDER BY number, revision) "
                  "FROM eqbond.issued_reports"),
              QStringLiteral("B-2026-0001 1 ben -, EQ-2026-0001 1 anna -, EQ-2026-0001 2 anna 1"));
    // One entry per revision taken, by the login that pushed it.
    EXPECT_EQ(ask("ben",
                  "SELECT string_agg(role || ' ' || field, ', ' ORDER BY id) FROM eqbond.history "
                  "WHERE action = 'issue report'"),
              QStringLiteral("anna EQ-2026-0001 revision 1, anna EQ-2026-0001 revision 2, "
                             "ben B-2026-0001 revision 1"));
}

TEST_F(TeamIssued, NobodyChangesOrDeletesAnIssuedReport) {
    const QString unchanged = QStringLiteral("1|%1|Anna A.|anna").arg(first.sha256);
    const char* const roles[] = {"keeper", "anna", "ben", "boss"};
    const char* const attacks[] = {
        "UPDATE eqbond.issued_reports SET reason = 'better'",
        "UPDATE eqbond.issued_reports SET pdf = 'x', pdf_sha256 = encode(sha256('x'), 'hex')",
        "DELETE FROM eqbond.issued_reports",
        "TRUNCATE eqbond.issued_reports",
        "INSERT INTO eqbond.issued_reports (number, revision, download_uuid, issued, pdf_sha256, "
        "pdf, content, content_sha256, pushed_by) SELECT 'EQ-2026-0009', 1, download_uuid, "
        "issued, pdf_sha256, pdf, content, content_sha256, 'anna' FROM eqbond.issued_reports",
    };
    for (const char* role : roles)
        for (const char* sql : attacks)
            EXPECT_NE(sql_as(role, QString::fromUtf8(sql)).exit_code, 0) << role << ": " << sql;
    // No inspector can lock the table against the others.
    for (const char* role : {"anna", "ben", "boss"})
        EXPECT_NE(sql_as(role, QStringLiteral("BEGIN; LOCK TABLE eqbond.issued_reports IN "
                                              "EXCLUSIVE MODE; COMMIT"))
                      .exit_code,
                  0)
            << role;
    for (const char* role : {"anna", "ben", "boss"})
        EXPECT_EQ(ask(role,
                      "SELECT count(*) || '|' || min(pdf_sha256) || '|' || min(inspector) || '|' "
                      "|| min(pushed_by) FROM eqbond.issued_reports"),
                  unchanged)
            << role;
}

TEST_F(TeamIssued, ADownloadDeletedOnTheServerLeavesItsReports) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    ASSERT_TRUE(anna.remove(download.uuid));
    EXPECT_EQ(ask("ben", "SELECT count(*) FROM eqbond.issued_reports"), QStringLiteral("1"));
    EXPECT_EQ(anna.holds_issued(first.id), true);
}

TEST_F(TeamIssued, LayoutSixIsBroughtForwardWithItsDownloads) {
    const QString old = database + QStringLiteral("_six");
    ASSERT_TRUE(test::server().create_database(old, QStringLiteral("keeper")));
    const TeamServerAddress keeper = test::server().login(QStringLiteral("keeper"), old);
    const QString six =
        team_schema::steps_from(0, 6).join(QStringLiteral(";\n")) +
        QStringLiteral(
            "; UPDATE eqbond.layout SET version = 6; "
            "INSERT INTO eqbond.downloads (uuid, port_number, device, reported_total, "
            "groups_read, ending, groups_held, lowest_milliohm, highest_milliohm) "
            "VALUES (gen_random_uuid(), 1, 'COM1', 0, 0, 'abandoned', 0, 0, 0)");
    ASSERT_EQ(test::server().psql(keeper, six).exit_code, 0);
    const TeamSetUpOutcome outcome = set_up_team_archive(keeper);
    ASSERT_TRUE(outcome.done) << outcome.fault->detail.toStdString();
    EXPECT_EQ(outcome.done->from_version, 6);
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(test::server().login(QStringLiteral("anna"), old)));
    EXPECT_EQ(anna.push_issued(first), IssuedArrival::Added);
    EXPECT_EQ(anna.list({})->size(), 1u);
}

}  // namespace
}  // namespace eqbond
