#pragma once
// The archive of every download. The core calls it through this interface; qt_sqlite_archive.cpp
// keeps it in an SQLite file, tests may use a fake.
#include <QString>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "archive/download.h"

namespace eqbond {

enum class ArchiveFaultKind {
    CannotOpen,  // the file or its folder cannot be made or opened
    NotArchive,  // damaged, or some other file
    Newer,       // made by a newer eqbond whose layout this one does not know
    Locked,      // another program holds it
    ReadOnly,    // the file or its folder cannot be written
    DiskFull,
    Failed,  // any other database error
};

struct ArchiveFault {
    ArchiveFaultKind kind = ArchiveFaultKind::Failed;
    QString detail;  // the database's own words, for the curious
    // Another program held the file longer than an operation waited: that operation failed, the
    // next one tries again.
    bool passing = false;
};

// Where the archive lives and whether it can be used: what every user of it asks first.
class ArchiveFile {
  public:
    virtual ~ArchiveFile() = default;
    // The file the archive lives in.
    virtual QString file() const = 0;
    // Why the archive cannot be used, or nothing while it works. A fault stays (the program goes
    // on without the archive until its next start), unless it is passing: then it says why the
    // last operation failed, until one works.
    virtual std::optional<ArchiveFault> fault() const = 0;
};

class Archive : public virtual ArchiveFile {
  public:
    // Stores a download and its groups in one transaction: all of it or nothing. Its id, or
    // nothing on a fault.
    virtual std::optional<int64_t> save_download(const Download& download,
                                                 const std::vector<Group>& groups) = 0;
    // Every download, newest first, with its failing groups counted against `limit` if given.
    virtual std::vector<DownloadSummary> list(std::optional<BondingLimit> limit) = 0;
    // One download with its groups in group order; nothing on a fault or an unknown id.
    virtual std::optional<ArchivedDownload> load(int64_t id) = 0;
    // False on a fault or an unknown id.
    virtual bool delete_download(int64_t id) = 0;
};

}  // namespace eqbond
