#pragma once
// What makes a download an inspection record: the site it was measured at, where on the site, by
// whom and with which instrument, and the test point each group measured.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>

#include "archive/download.h"
#include "base/group.h"

namespace eqbond {

// A customer's installation; every inspection of it is found together under its name.
struct Site {
    int64_t id = 0;
    QString name;  // unique in the archive
    QString address;
    QString customer;
};

// The details of one download. Empty texts are details not given.
struct InspectionDetails {
    std::optional<int64_t> site_id;  // none: not yet given a site
    QString location;                // building, floor, room
    QString inspector;
    QString instrument_serial;
    QString notes;
};

// Test-point labels of a download's groups, by group number; unlabelled groups are absent.
using PointLabels = std::map<int32_t, QString>;

// Test points given to groups by a plan: their labels, and the limits some lines give.
struct PlannedPoints {
    PointLabels labels;
    OwnLimits limits;
};

// A test point's value in an earlier inspection.
struct PointValue {
    int64_t download_id = 0;
    QDateTime started;  // when that download was read
    Group group;
    QString inspector{};  // who measured it, as its details say
};

// For each label of a download, the value of the same test point in the latest earlier download.
using PreviousValues = std::map<QString, PointValue>;

// A download with what makes it an inspection record.
struct Inspection : ArchivedDownload {
    InspectionDetails details;
    PointLabels labels;
};

// A download as the archive lists it, with where it was measured.
struct ListedInspection : DownloadSummary {
    std::optional<int64_t> site_id;
    QString site_name;  // empty without a site
    QString location;
    QString inspector;
    bool calibration_expired = false;  // measured after its instrument's calibration due date
    bool deleted_on_server = false;    // the team's server deleted it; it stays here
};

// What deleting a site came to: a site that still has inspections stays.
enum class SiteDeletion { Deleted, InUse, Unknown, Failed };

}  // namespace eqbond
