#pragma once
// The archive of every download. The core calls it through this interface; qt_sqlite_archive.cpp
// keeps it in an SQLite file, tests may use a fake.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "archive/download.h"
#include "archive/inspection.h"

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
};

class Archive {
  public:
    virtual ~Archive() = default;

    // The file the archive lives in.
    virtual QString file() const = 0;
    // Why the archive cannot be used, or nothing while it works. A fault stays: the program goes
    // on without the archive until its next start.
    virtual std::optional<ArchiveFault> fault() const = 0;

    // Stores a download and its groups in one transaction: all of it or nothing. Its id, or
    // nothing on a fault.
    virtual std::optional<int64_t> save_download(const Download& download,
                                                 const std::vector<Group>& groups) = 0;
    // Every download, newest first, with its failing groups counted against `limit` if given.
    virtual std::vector<DownloadSummary> list(std::optional<BondingLimit> limit) = 0;
    // One download with its groups in group order; nothing on a fault or an unknown id.
    virtual std::optional<ArchivedDownload> load(int64_t id) = 0;
    // False on a fault or an unknown id. The download's site stays.
    virtual bool delete_download(int64_t id) = 0;

    // Sites, by name.
    virtual std::vector<Site> sites() = 0;
    // The site of this name, made when the archive has none yet; nothing on a fault.
    virtual std::optional<Site> site_named(const QString& name) = 0;
    // Keeps the site's address and customer (its name stays); false on a fault or an unknown id.
    virtual bool update_site(const Site& site) = 0;
    // Deletes a site with no inspections, and its test plans.
    virtual SiteDeletion delete_site(int64_t site_id) = 0;

    // The details of a download; nothing on a fault or an unknown id.
    virtual std::optional<InspectionDetails> details(int64_t download_id) = 0;
    // False on a fault, an unknown download or a site that is not one of sites().
    virtual bool set_details(int64_t download_id, const InspectionDetails& details) = 0;

    // Gives group `number` its test-point label, or takes it away with nothing or a blank text.
    // False on a fault or a group the download does not hold.
    virtual bool set_label(int64_t download_id, int32_t number,
                           const std::optional<QString>& label) = 0;
    // Gives every group named its label in one transaction: all of them or none.
    virtual bool set_labels(int64_t download_id, const PointLabels& labels) = 0;

    // The test plan kept for a site's location: its labels in measuring order (empty: none kept).
    virtual bool save_plan(int64_t site_id, const QString& location, const QStringList& labels) = 0;
    virtual QStringList plan(int64_t site_id, const QString& location) = 0;

    // The downloads of one site, newest first, listed as list() does.
    virtual std::vector<DownloadSummary> list_site(int64_t site_id,
                                                   std::optional<BondingLimit> limit) = 0;
    // The locations of a site, the one inspected last first.
    virtual QStringList locations(int64_t site_id) = 0;
    // One test point's values over every inspection of its site and location, oldest first.
    virtual std::vector<PointValue> point_history(int64_t site_id, const QString& location,
                                                  const QString& label) = 0;
    // For each label of the download, the same test point in the latest earlier download of its
    // site and location that has it (read in one query). Empty without a site.
    virtual PreviousValues previous_values(int64_t download_id) = 0;
};

}  // namespace eqbond
