// eqbond-cli issuing reports on a real archive: issued once and given again byte for byte,
// amended only with a reason, earlier revisions written as issued, listed, and a copy checked
// against the archive; bad input ends with code 1 and changes nothing.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "integration/support/cli_run.h"
#include "sim/instrument_simulator.h"
#include "sim/stored_groups.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::CliResult;

struct ReportCli : ::testing::Test {
    QTemporaryDir folder;
    std::unique_ptr<sim::InstrumentSimulator> instrument;
    QString archive = folder.filePath(QStringLiteral("档案.sqlite"));
    QString year = QString::number(QDate::currentDate().year());

    void SetUp() override {
        sim::SimulatorConfig config;
        config.groups = sim::generate_groups(5, 7);
        config.link_path = folder.filePath(QStringLiteral("tty"));
        instrument = std::make_unique<sim::InstrumentSimulator>(config);
        ASSERT_TRUE(instrument->start());
        const CliResult r = run({"download", "--port", instrument->device_path(), "--site",
                                 "北区医院", "--location", "3F", "--inspector", "王工"});
        ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    }
    CliResult run(QStringList arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));  // settings of this test
        return test::run_cli(arguments << QStringLiteral("--archive") << archive, env);
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QByteArray read(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void set(const QByteArray& settings) const {
        QDir().mkpath(path("config/eqbond"));
        QFile f(path("config/eqbond/eqbond.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(settings);
    }
    // A PDF this archive did not issue: a download's printed report.
    QString test_pdf() {
        EXPECT_EQ(run({"archive", "export", "1", "--pdf", path("export.pdf")}).exit_code, 0);
        return path("export.pdf");
    }
    QString number(int n, const char* prefix = "EQ") const {
        return QStringLiteral("%1-%2-%3")
            .arg(QLatin1String(prefix), year)
            .arg(n, 4, 10, QChar('0'));
    }
};

TEST_F(ReportCli, IssuedGivenAgainAmendedListedAndVerified) {
    const QString first = number(1);
    struct Step {
        QStringList arguments;
        int exit_code;
        QString said;  // the first line on standard output, or within standard error
    } steps[] = {
        {{"archive", "report", "1", "--pdf", path("r1.pdf"), "--limit", "0.2", "--lang", "en"},
         0,
         first + " revision 1"},
        {{"archive", "report", "1", "--pdf", path("again.pdf"), "--limit", "0.2"},
         0,
         first + " revision 1 (already issued)"},
        {{"archive", "report", "1", "--pdf", path("r2.pdf"), "--limit", "0.1"},
         1,
         "would now say something else (the limit, group 1's limit"},
        {{"archive", "report", "1", "--pdf", path("r2.pdf"), "--limit", "0.1", "--lang", "en",
          "--reason", "the customer's new limit"},
         0,
         first + " revision 2"},
        {{"archive", "report", "1", "--pdf", path("old.pdf"), "--revision", "1"},
         0,
         first + " revision 1"},
        {{"report", "verify", path("r2.pdf")}, 0, first + " revision 2: as issued on "},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(' ').toStdString());
        const CliResult r = run(step.arguments);
        ASSERT_EQ(r.exit_code, step.exit_code) << r.err.toStdString();
        if (step.exit_code == 0)
            EXPECT_EQ(r.out.split('\n').value(0).left(step.said.size()), step.said);
        else
            EXPECT_TRUE(r.err.contains(step.said)) << r.err.toStdString();
    }
    const QByteArray r1 = read(path("r1.pdf")), r2 = read(path("r2.pdf"));
    EXPECT_EQ(read(path("again.pdf")), r1);
    EXPECT_EQ(read(path("old.pdf")), r1);
    EXPECT_NE(r2, r1);

    const QStringList listed = run({"archive", "reports", "--site", "北区医院"}).out.split('\n');
    ASSERT_EQ(listed.size(), 3);  // two revisions and the last line's end
    const QStringList revision_two = listed[1].split('\t');
    ASSERT_EQ(revision_two.size(), 7);
    EXPECT_EQ(revision_two[0], first);
    EXPECT_EQ(revision_two[1], QStringLiteral("2"));
    EXPECT_TRUE(QDateTime::fromString(revision_two[2], Qt::ISODate).isValid())
        << revision_two[2].toStdString();
    EXPECT_TRUE(revision_two[2].contains(QRegularExpression("[+-]\\d\\d:\\d\\d$")));
    EXPECT_EQ(revision_two.mid(3, 3), (QStringList{"1", "北区医院", "3F"}));
    EXPECT_EQ(revision_two[6].toLatin1(),
              QCryptographicHash::hash(r2, QCryptographicHash::Sha256).toHex());
    EXPECT_TRUE(run({"archive", "reports", "--site", "Other"}).out.isEmpty());

    // One byte changed in the middle, or a file never issued.
    QByteArray altered = r2;
    altered[altered.size() / 2] = char(altered[altered.size() / 2] ^ 0x20);
    {
        QFile f(path("altered.pdf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(altered);
    }
    const CliResult changed = run({"report", "verify", path("altered.pdf")});
    EXPECT_EQ(changed.exit_code, 8);
    EXPECT_EQ(changed.out,
              first + " revision 2 was issued with other bytes: this copy was altered\n");
    for (const QString& other : {archive, test_pdf()}) {
        const CliResult never = run({"report", "verify", other});
        EXPECT_EQ(never.exit_code, 8);
        EXPECT_EQ(never.out, QStringLiteral("not issued by this archive\n"));
    }

    if (!test::poppler_installed()) GTEST_SKIP() << "poppler-utils are not installed";
    const QString text = test::pdf_text(path("r2.pdf")).simplified();
    for (const QString& said :
         {"Report no. " + first + " revision 2", QStringLiteral("Page 1 of 1"),
          QStringLiteral("replaces revision 1: the customer's new limit"),
          QStringLiteral("— End of report —")})
        EXPECT_TRUE(text.contains(said)) << said.toStdString() << "\n" << text.toStdString();
}

TEST_F(ReportCli, TheNumberCountsPerPrefixFromTheSettings) {
    set("[report]\nnumber_prefix=LAB2\n");
    const CliResult r = run({"archive", "report", "1", "--pdf", path("r.pdf")});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, number(1, "LAB2") + " revision 1\n");
}

TEST_F(ReportCli, BadInputChangesNothing) {
    ASSERT_EQ(run({"archive", "report", "1", "--pdf", path("r1.pdf")}).exit_code, 0);
    const QString before = run({"archive", "reports"}).out;
    const QString pdf = path("never.pdf");
    const QStringList bad[] = {
        {"archive", "report", "1", "--pdf", pdf, "--revision", "2"},
        {"archive", "report", "1", "--pdf", pdf, "--revision", "0"},
        {"archive", "report", "1", "--pdf", pdf, "--revision", "1", "--limit", "0.2"},
        {"archive", "report", "1", "--pdf", pdf, "--limit", "0.3", "--reason", "  "},
        {"archive", "report", "9", "--pdf", pdf, "--reason", "x"},
        // Reasons the team archive would never take.
        {"archive", "report", "1", "--pdf", pdf, "--limit", "0.3", "--reason", "x\x1b[2J"},
        {"archive", "report", "1", "--pdf", pdf, "--limit", "0.3", "--reason", QString(2001, 'x')},
        {"archive", "reports", "1"},
        {"report", "verify"},
        {"report", "verify", path("missing.pdf")},
        {"report", "verify", path("r1.pdf"), "--server", "host=nowhere"},
    };
    for (const QStringList& arguments : bad) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult r = run(arguments);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.err.count(QStringLiteral("eqbond-cli: ")), 1) << r.err.toStdString();
    }
    set("[report]\nnumber_prefix=EQ 1\n");
    EXPECT_EQ(
        run({"archive", "report", "1", "--pdf", pdf, "--limit", "0.3", "--reason", "x"}).exit_code,
        1);
    EXPECT_EQ(run({"archive", "reports"}).out, before);
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace eqbond
