// Another program holding the archive's file for a moment: the operation that met it fails and
// says why, and the next one finds the file free and works; nothing stays of the moment.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/qt_sqlite_archive.h"
#include "integration/archive/archive_files.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

TEST(ArchiveBusy, AMomentWhenAnotherHoldsTheFileIsNotKeptForTheRun) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
    QtSqliteFile file;
    ASSERT_TRUE(file.open(path));
    QtSqliteArchive archive(file);
    const auto [download, groups] = test::made_download(5);
    {
        test::OtherConnection other(path);
        ASSERT_EQ(other.run(QStringLiteral("BEGIN IMMEDIATE")), QVariant());
        EXPECT_FALSE(archive.save_download(download, groups));
        ASSERT_TRUE(archive.fault());
        EXPECT_EQ(archive.fault()->kind, ArchiveFaultKind::Locked);
        EXPECT_TRUE(archive.fault()->passing);
        other.run(QStringLiteral("ROLLBACK"));
    }
    EXPECT_TRUE(archive.save_download(download, groups));
    EXPECT_FALSE(archive.fault());
    EXPECT_EQ(archive.list(std::nullopt).size(), 1u);
}

}  // namespace
}  // namespace eqbond
