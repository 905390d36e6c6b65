#pragma once
// The archive's downloads as inspection records, through ports as narrow as their users:
// the recorder saves a download with its details, the archive window browses and edits.
// qt_sqlite_inspections.cpp keeps them in the archive's SQLite file, tests may use fakes.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "archive/archive_port.h"
#include "inspection/field_conflict.h"
#include "inspection/inspection.h"
#include "inspection/instrument_register.h"
#include "inspection/retest.h"

namespace eqbond {

// The site a download is given: one of the archive's by its id, or one by its name (made when the
// archive has none of that name), with the address and customer to keep for it when given.
// Neither: no site.
struct SiteChoice {
    int64_t id = 0;
    QString name;
    std::optional<QString> address;
    std::optional<QString> customer;
};

// What a recorded download is given with it.
struct NewInspection {
    SiteChoice site;
    InspectionDetails details;  // its site is the choice's
    QStringList plan;           // labels the groups from plan_from on, kept for the location
    int32_t plan_from = 1;
};

// What the recorder asks: to keep a download with what it is given.
class DownloadSaving : public virtual ArchiveFile {
  public:
    // Stores a download, its groups, its site and details and its plan's labels in one
    // transaction: all of it or nothing. Its id, or nothing on a fault.
    virtual std::optional<int64_t> save_download(const Download& download,
                                                 const std::vector<Group>& groups,
                                                 const NewInspection& given) = 0;
};

// What the archive window reads.
class InspectionBrowsing : public virtual ArchiveFile {
  public:
    // Every download, newest first, listed with its site and failing groups counted against
    // `limit` if given; or those of one site.
    virtual std::vector<ListedInspection> list(std::optional<BondingLimit> limit) = 0;
    virtual std::vector<ListedInspection> list_site(int64_t site_id,
                                                    std::optional<BondingLimit> limit) = 0;
    // One download with its groups in group order, its details and labels; nothing on a fault or
    // an unknown id.
    virtual std::optional<Inspection> load(int64_t id) = 0;
    // Sites, by name; one of them by its id (nothing on a fault or an unknown id).
    virtual std::vector<Site> sites() = 0;
    virtual std::optional<Site> site(int64_t site_id) = 0;
    // The locations of a site, the one inspected last first.
    virtual QStringList locations(int64_t site_id) = 0;
    // One test point's values over every inspection of its site and location, oldest first.
    virtual std::vector<PointValue> point_history(int64_t site_id, const QString& location,
                                                  const QString& label) = 0;
    // For each label of the download, the same test point in the latest earlier download of its
    // site and location that has it (read in one query). Empty without a site.
    virtual PreviousValues previous_values(int64_t download_id) = 0;
    // The test plan kept for a site's location: its lines in measuring order (empty: none kept).
    virtual QStringList plan(int64_t site_id, const QString& location) = 0;
    // Every site's location with an inspection, when it was last inspected and its interval
    // (`default_months` where none is set); empty on a fault.
    virtual std::vector<InspectedLocation> inspected_locations(int default_months) = 0;
    // The instrument register, by serial; one instrument (nothing when it is not registered).
    virtual std::vector<Instrument> instruments() = 0;
    virtual std::optional<Instrument> instrument(const QString& serial) = 0;
    // Whether the download's groups are here: a copy of the team archive holds a download by its
    // summary alone until it is opened with the server in reach.
    virtual bool groups_held(int64_t download_id) {
        (void)download_id;
        return true;
    }
};

// What the archive window changes.
class InspectionEditing : public virtual ArchiveFile {
  public:
    // Gives a download its site (made or changed as chosen) and details in one transaction: all
    // of it or nothing. False on a fault, an unknown download or site.
    virtual bool describe(int64_t download_id, const SiteChoice& site,
                          const InspectionDetails& details) = 0;
    // Gives group `number` its test-point label, or takes it away (and its limit) with nothing or
    // a blank text.
    // False on a fault or a group the download does not hold.
    virtual bool set_label(int64_t download_id, int32_t number,
                           const std::optional<QString>& label) = 0;
    // Gives group `number`'s test point its own limit, or takes it away with nothing. False on a
    // fault or a group without a test point.
    virtual bool set_limit(int64_t download_id, int32_t number,
                           std::optional<JudgedLimit> limit) = 0;
    // Gives every group named its label and limit from a plan (the others named lose theirs) and
    // keeps the plan's lines for the download's site and location (when it has a site), in one
    // transaction: all of it or nothing.
    virtual bool label_from_plan(int64_t download_id, const PlannedPoints& points,
                                 const QStringList& plan) = 0;
    // False on a fault or an unknown id. The download's site stays.
    virtual bool delete_download(int64_t id) = 0;
};

// The fields in conflict with the team's server, and the user's choice of value.
class ConflictResolving : public virtual ArchiveFile {
  public:
    // Those still to be settled, oldest download first; empty on a fault.
    virtual std::vector<FieldConflict> conflicts() = 0;
    // The server's value is written here and the mark cleared; false on a fault.
    virtual bool take_server_value(const FieldConflict& conflict) = 0;
    // This computer's value stays and the next push writes it over the server's (the server's
    // value becomes the one it changed from); false on a fault.
    virtual bool keep_here_value(const FieldConflict& conflict) = 0;
};

}  // namespace eqbond
