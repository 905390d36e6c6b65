// Two laptops, each with its own archive, pushing many downloads of the same site to the team
// archive at the same moment through two eqbond-cli processes: both land whole, the site once.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/wait.h"
#include "integration/team/team_fixture.h"

namespace eqbond {
namespace {

constexpr int kDownloads = 25;
constexpr int kGroups = 300;

struct TwoLaptops : test::TeamArchiveTest {
    QTemporaryDir folder;

    QString laptop(const char* role) {
        const QString file = folder.filePath(QString::fromLatin1(role) + ".sqlite");
        QtSqliteFile archive_file;
        QtSqliteInspections archive(archive_file);
        EXPECT_TRUE(archive_file.open(file));
        const std::optional<Site> site = archive.site_named(QStringLiteral("北站 Depot"));
        EXPECT_TRUE(site);
        for (int n = 1; n <= kDownloads && site; ++n) {
            const auto [download, groups] = test::made_download(kGroups, n);
            const std::optional<int64_t> id = archive.save_download(download, groups);
            InspectionDetails details;
            details.site_id = site->id;
            details.location = QStringLiteral("Platform %1").arg(n % 3);
            details.inspector = QString::fromLatin1(role);
            EXPECT_TRUE(id && archive.set_details(*id, details));
        }
        return file;
    }
};

TEST_F(TwoLaptops, PushingToTheSameSiteAtOnceBothLandWhole) {
    const char* const roles[] = {"anna", "ben"};
    std::vector<std::unique_ptr<QProcess>> pushes;
    std::vector<QString> files;
    for (const char* role : roles) files.push_back(laptop(role));
    for (size_t i = 0; i < files.size(); ++i) {
        auto push = std::make_unique<QProcess>();
        push->start(QStringLiteral(EQBOND_BINARY_DIR "/tools/eqbond-cli"),
                    {QStringLiteral("team"), QStringLiteral("push"), QStringLiteral("--server"),
                     uri(roles[i]), QStringLiteral("--archive"), files[i]});
        pushes.push_back(std::move(push));
    }
    for (const auto& push : pushes) {
        ASSERT_TRUE(push->waitForFinished(120000));
        EXPECT_EQ(push->exitCode(), 0) << push->readAllStandardError().toStdString();
        EXPECT_TRUE(push->readAllStandardOutput().contains(
            QStringLiteral("pushed: %1").arg(kDownloads).toUtf8()));
    }
    QtTeamStore boss;
    ASSERT_TRUE(boss.connect(as("boss")));
    const auto listed = boss.list({QStringLiteral("北站 Depot"), QString()});
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), size_t(2 * kDownloads));
    std::map<QString, int> by_owner;
    for (const TeamDownloadSummary& s : *listed) {
        ++by_owner[s.owner];
        const std::optional<StoredTeamDownload> stored = boss.load(s.uuid);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->download.groups.size(), size_t(kGroups)) << s.uuid.toStdString();
    }
    EXPECT_EQ(by_owner, (std::map<QString, int>{{"anna", kDownloads}, {"ben", kDownloads}}));
    EXPECT_EQ(test::server().superuser_sql(database, "SELECT count(*) FROM eqbond.sites").out,
              QStringLiteral("1"));
}

}  // namespace
}  // namespace eqbond
