// Issued reports through eqbond-cli team push from two laptops: each revision goes once, a push
// again is harmless, the second laptop's report of a number the first already pushed is refused
// by name and keeps waiting, and report verify --server checks a copy against the whole team.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include "archive/qt_sqlite_file.h"
#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "issued/qt_sqlite_issued.h"
#include "team/qt_sqlite_issued_queue.h"

namespace eqbond {
namespace {

using test::CliResult;

constexpr int kYear = 2026;

struct IssuedPushCli : test::TeamArchiveTest {
    QTemporaryDir folder;
    QString path(const QString& name) const { return folder.filePath(name); }

    // A laptop's archive with one report issued under each prefix; each PDF written beside it.
    QString laptop(const QString& name, const QStringList& prefixes) {
        const QString file = path(name + QStringLiteral(".sqlite"));
        QtSqliteFile archive;
        EXPECT_TRUE(archive.open(file));
        QtSqliteIssued issued(archive);
        for (const QString& prefix : prefixes) {
            IssuedReport draft;
            draft.download_uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            draft.download_id = 1;
            draft.site = QStringLiteral("北站 Depot");
            draft.location = name;
            draft.issued = QStringLiteral("2026-03-04T10:11:12+08:00");
            draft.content = QByteArrayLiteral("{}");
            const std::optional<IssuedReport> report =
                issued.issue(draft, prefix, kYear, [&](const IssuedReport& numbered) {
                    return std::optional(QByteArrayLiteral("%PDF-1.4\n% ") + name.toUtf8() +
                                         "\n/Title (" +
                                         numbered_revision_text(numbered.id).toUtf8() + ")\n");
                });
            EXPECT_TRUE(report);
            if (!report) continue;
            QFile pdf(path(name + QLatin1Char('-') + prefix + QStringLiteral(".pdf")));
            EXPECT_TRUE(pdf.open(QIODevice::WriteOnly) && pdf.write(report->pdf) > 0);
        }
        return file;
    }
    size_t waiting(const QString& file) {
        QtSqliteFile archive;
        EXPECT_TRUE(archive.open(file));
        return QtSqliteIssuedQueue(archive)
            .waiting_issued()
            .value_or(std::vector<NumberedRevision>(99))
            .size();
    }
};

TEST_F(IssuedPushCli, EachRevisionGoesOnceAndAClashIsRefusedByName) {
    const QString anna = laptop(QStringLiteral("anna"), {QStringLiteral("EQ")});
    // Ben's laptop was left with the lab's prefix as well as its own.
    const QString ben = laptop(QStringLiteral("ben"), {QStringLiteral("EQ"), QStringLiteral("B")});
    const QString number = QStringLiteral("EQ-%1-0001 revision 1").arg(kYear);
    struct Step {
        const char* role;
        QString archive;
        int exit_code;
        QString said;  // in standard output, or in standard error when the push fails
        size_t waiting_after;
    } steps[] = {
        {"anna", anna, 0, QStringLiteral("reports pushed: 1\nreports waiting: 0"), 0},
        {"anna", anna, 0, QStringLiteral("reports pushed: 0\nreports waiting: 0"), 0},
        {"ben", ben, 6,
         QStringLiteral("refused: %1: the team archive holds another report of this number and "
                        "revision")
             .arg(number),
         1},
        {"ben", ben, 6, QStringLiteral("refused: %1").arg(number), 1},
    };
    for (const Step& step : steps) {
        const CliResult r =
            test::run_cli({"team", "push", "--server", uri(step.role), "--archive", step.archive});
        SCOPED_TRACE(step.role);
        EXPECT_EQ(r.exit_code, step.exit_code) << r.err.toStdString();
        EXPECT_TRUE((step.exit_code ? r.err : r.out).contains(step.said))
            << r.out.toStdString() << r.err.toStdString();
        EXPECT_EQ(waiting(step.archive), step.waiting_after);
    }
    const CliResult status =
        test::run_cli({"team", "status", "--server", uri("ben"), "--archive", ben});
    EXPECT_TRUE(status.out.contains(QStringLiteral("reports waiting: 1")))
        << status.out.toStdString();
    QtTeamStore boss;
    ASSERT_TRUE(boss.connect(as("boss")));
    EXPECT_EQ(boss.holds_issued({QStringLiteral("B-%1-0001").arg(kYear), 1}), true);
}

TEST_F(IssuedPushCli, ACopyIsVerifiedAgainstTheWholeTeam) {
    const QString anna = laptop(QStringLiteral("anna"), {QStringLiteral("EQ")});
    ASSERT_EQ(test::run_cli({"team", "push", "--server", uri("anna"), "--archive", anna}).exit_code,
              0);
    const QString issued = path(QStringLiteral("anna-EQ.pdf"));
    QFile original(issued);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    bytes[11] = 'A';  // the laptop's name in a comment: the number still reads
    QFile altered(path(QStringLiteral("altered.pdf")));
    ASSERT_TRUE(altered.open(QIODevice::WriteOnly) && altered.write(bytes) > 0);
    altered.close();
    const QString number = QStringLiteral("EQ-%1-0001 revision 1").arg(kYear);
    struct Case {
        QString file;
        QString server;
        int exit_code;
        QString said;  // the line on standard output, or within standard error for code 6
    } cases[] = {
        {issued, uri("ben"), 0,
         number + QStringLiteral(": as issued on 2026-03-04 for 北站 Depot, anna")},
        {altered.fileName(), uri("boss"), 8,
         number + QStringLiteral(" was issued with other bytes: this copy was altered")},
        {anna, uri("ben"), 8, QStringLiteral("not issued by this archive")},
        {issued, uri("ben", nullptr, test::free_port()), 6, QStringLiteral("cannot be reached")},
        {issued, uri("ben", "wrong"), 6, QStringLiteral("authentication failed")},
    };
    for (const Case& c : cases) {
        const CliResult r = test::run_cli({"report", "verify", c.file, "--server", c.server});
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_EQ(r.exit_code, c.exit_code) << r.err.toStdString();
        if (c.exit_code == 6)
            EXPECT_TRUE(r.err.contains(c.said)) << r.err.toStdString();
        else
            EXPECT_EQ(r.out, c.said + QLatin1Char('\n'));
    }
}

}  // namespace
}  // namespace eqbond
