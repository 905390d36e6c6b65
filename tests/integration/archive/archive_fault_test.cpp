// An archive that cannot be used never stops a read or the save button: each fault is met by one
// message naming the file and the reason, and the program goes on without the archive.
#include "archive/archive_fault.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "archive/qt_sqlite_file.h"
#include "base/protocol.h"
#include "inspection/download_recorder.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "link/instrument_buttons.h"
#include "link/receive_dispatcher.h"
#include "program/startup.h"
#include "report/save_button.h"
#include "support/instrument_replies.h"
#include "support/qstring_printer.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

// A small filesystem of its own (root only): a tmpfs of `size`, read-only if asked.
class SmallFilesystem {
  public:
    SmallFilesystem(const QString& path, const char* options, unsigned long flags = 0)
        : path_(path) {
        QDir().mkpath(path);
        mounted_ =
            ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", flags, options) == 0;
    }
    ~SmallFilesystem() {
        if (mounted_) ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

  private:
    QString path_;
    bool mounted_ = false;
};

// Fills the filesystem holding `folder` to the last byte.
void fill_up(const QString& folder) {
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    filler.open(QIODevice::WriteOnly);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

void make_archive(const QString& file, int downloads) {
    QtSqliteFile archive_file;
    QtSqliteInspections archive(archive_file);
    ASSERT_TRUE(archive_file.open(file));
    for (int d = 1; d <= downloads; ++d) {
        const auto [download, groups] = test::made_download(300, d);
        ASSERT_TRUE(archive.save_download(download, groups));
    }
}

struct FaultCase {
    const char* name;
    // Sets the fault up in `dir` and returns the archive's path; may keep things alive in `held`.
    std::function<QString(const QString& dir, std::vector<std::shared_ptr<void>>& held)> prepare;
    ArchiveFaultKind kind;
    bool opens;  // the fault shows when the read is archived, not already when opening
};

const FaultCase kCases[] = {
    {"garbage",
     [](const QString& dir, auto&) {
         const QString file = dir + QStringLiteral("/archive.sqlite");
         QFile f(file);
         f.open(QIODevice::WriteOnly);
         for (int i = 0; i < 16384; ++i) f.putChar(char(QRandomGenerator::global()->generate()));
         return file;
     },
     ArchiveFaultKind::NotArchive, false},
    {"damaged pages",
     [](const QString& dir, auto&) {
         const QString file = dir + QStringLiteral("/archive.sqlite");
         // The pages of an archive without downloads: its layout, which spans more than one.
         const QString empty = dir + QStringLiteral("/empty.sqlite");
         make_archive(empty, 0);
         const int layout_bytes = int(QFileInfo(empty).size());
         make_archive(file, 3);
         QFile f(file);
         f.open(QIODevice::ReadWrite);
         f.seek(layout_bytes);  // every page after the layout's, where the downloads are
         f.write(QByteArray(int(f.size()) - layout_bytes, '\x5a'));
         return file;
     },
     ArchiveFaultKind::NotArchive, true},
    {"another program's database",
     [](const QString& dir, auto&) {
         const QString file = dir + QStringLiteral("/archive.sqlite");
         test::OtherConnection(file).run(QStringLiteral("CREATE TABLE customers (name TEXT)"));
         return file;
     },
     ArchiveFaultKind::NotArchive, false},
    {"made by a newer eqbond",
     [](const QString& dir, auto&) {
         const QString file = dir + QStringLiteral("/archive.sqlite");
         make_archive(file, 1);
         test::OtherConnection(file).run(QStringLiteral("PRAGMA user_version = 99"));
         return file;
     },
     ArchiveFaultKind::Newer, false},
    {"locked while opening",
     [](const QString& dir, auto& held) {
         const QString file = dir + QStringLiteral("/archive.sqlite");
         make_archive(file, 1);
         auto other = std::make_shared<test::OtherConnection>(file);
         other->run(QStringLiteral("PRAGMA journal_mode = DELETE"));
         other->run(QStringLiteral("BEGIN EXCLUSIVE"));
         other->run(QStringLiteral("DELETE FROM download_groups WHERE group_no = 1"));
         held.push_back(other);
         return file;
     },
     ArchiveFaultKind::Locked, false},
    {"locked while archiving",
     [](const QString& dir, auto& held) {
         const QString file = dir + QStringLiteral("/archive.sqlite");
         make_archive(file, 1);
         auto other = std::make_shared<test::OtherConnection>(file);
         other->run(QStringLiteral("BEGIN IMMEDIATE"));
         other->run(QStringLiteral("DELETE FROM download_groups WHERE group_no = 1"));
         held.push_back(other);
         return file;
     },
     ArchiveFaultKind::Locked, true},
    {"read-only folder",
     [](const QString& dir, auto& held) {
         const QString folder = dir + QStringLiteral("/readonly");
         if (::geteuid() == 0) {  // root writes through permissions, not through a read-only mount
             auto fs = std::make_shared<SmallFilesystem>(folder, "size=64k", MS_RDONLY);
             held.push_back(fs);
         } else {
             QDir().mkpath(folder);
             QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         }
         return folder + QStringLiteral("/archive.sqlite");
     },
     ArchiveFaultKind::ReadOnly, false},
    {"disk full at start",
     [](const QString& dir, auto& held) {
         const QString folder = dir + QStringLiteral("/small");
         auto fs = std::make_shared<SmallFilesystem>(folder, "size=256k");
         held.push_back(fs);
         if (!fs->mounted()) return QString();
         const QString file = folder + QStringLiteral("/archive.sqlite");
         make_archive(file, 0);
         fill_up(folder);
         return file;
     },
     ArchiveFaultKind::DiskFull, false},
    {"disk full while archiving",
     [](const QString& dir, auto& held) {
         const QString folder = dir + QStringLiteral("/small");
         auto fs = std::make_shared<SmallFilesystem>(folder, "size=256k");
         held.push_back(fs);
         if (!fs->mounted()) return QString();
         const QString file = folder + QStringLiteral("/archive.sqlite");
         // Another eqbond keeps it open, so its log files stay while the disk fills.
         auto other = std::make_shared<QtSqliteFile>();
         other->open(file);
         held.push_back(other);
         fill_up(folder);
         return file;
     },
     ArchiveFaultKind::DiskFull, true},
};

class ArchiveFault_ : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ArchiveFault_, OneMessageNamesTheFileAndTheReasonAndTheReadGoesOn) {
    const FaultCase& c = GetParam();
    QTemporaryDir dir;
    std::vector<std::shared_ptr<void>> held;
    const QString file = c.prepare(dir.path(), held);
    if (file.isEmpty()) GTEST_SKIP() << "no filesystem of its own can be mounted here";

    QtSqliteFile archive_file;

    QtSqliteInspections archive(archive_file);
    EXPECT_EQ(archive_file.open(file), c.opens);
    test::ReportProgram fake;
    Program& p = fake.program;
    DownloadRecorder recorder(archive);
    p.ports.read_observer = &recorder;
    recorder.report_fault(p);  // what the program does once it has started
    // Two reads of 400 groups: the first meets the fault, the second goes on without the archive.
    for (int read = 0; read < 2; ++read) {
        p.state.link.linked = true;
        p.state.link.instrument_group_count = 400;
        on_read_clicked(p);
        while (p.state.link.reading()) {
            fake.line.incoming =
                test::reply_frame(p.state.link.next_group * 3, p.state.link.next_group, 0,
                                  kind::kStatus, {25, 6, 1, 8, 0});
            on_receive(p, PortEvent::DataReceived);
        }
        EXPECT_EQ(p.state.records.at(400).number, 400);
    }
    ASSERT_TRUE(archive.fault());
    EXPECT_EQ(archive.fault()->kind, c.kind) << archive.fault()->detail.toStdString();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    const QString message = fake.messages.shown[0].second;
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file))) << message.toStdString();
    EXPECT_TRUE(message.contains(archive_fault_reason(*archive.fault()))) << message.toStdString();

    // Saving goes on.
    fake.dialogs.answer = dir.filePath(QStringLiteral("KORVAL.txt"));
    on_save_clicked(p);
    EXPECT_GT(QFile(*fake.dialogs.answer).size(), 0);
    EXPECT_EQ(fake.messages.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Faults, ArchiveFault_, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             QString name = QString::fromLatin1(info.param.name);
                             return name
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z]")),
                                          QStringLiteral("_"))
                                 .toStdString();
                         });

}  // namespace
}  // namespace eqbond
