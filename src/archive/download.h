#pragma once
// One download as the archive keeps it: when and from where it was read, how it ended, and its
// groups with the fields the instrument sent.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "base/group.h"

namespace eqbond {

enum class DownloadEnd {
    Complete,   // the last group the instrument reported was read
    Abandoned,  // paused or interrupted and then given up: holds what was read until then
};

struct Download {
    QDateTime started;
    QDateTime finished;
    int16_t port_number = 0;     // the COM number the instrument answered on
    QString device;              // the device behind it
    int32_t reported_total = 0;  // groups the instrument said it held
    int32_t groups_read = 0;     // how far the read got: the save button's next_group - 1
    DownloadEnd end = DownloadEnd::Complete;
};

// The limits some groups carry of their own (their test point's), by group number: they judge
// those groups instead of the bonding limit.
using OwnLimits = std::map<int32_t, JudgedLimit>;

struct ArchivedDownload {
    int64_t id = 0;
    QString uuid;  // the download's name on every computer it is copied to
    Download download;
    std::vector<Group> groups;
    OwnLimits own_limits;
};

// A download as the archive lists it.
struct DownloadSummary {
    int64_t id = 0;
    Download download;
    int32_t groups_held = 0;
    int32_t lowest_milliohm = 0;  // the lowest and highest group's value, when it holds any
    int32_t highest_milliohm = 0;
    std::optional<int32_t> failing;  // groups above the bonding limit, when one was given
    QString owner;  // who pushed it, for a download copied from another archive; empty here
};

}  // namespace eqbond
