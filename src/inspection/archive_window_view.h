#pragma once
// What the archive window shows, computed from its state and the tables of texts: every caption,
// cell, colour and enabled state. The Qt window copies it onto its widgets after every event.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "base/group.h"
#include "inspection/archive_window_state.h"

namespace eqbond {

// The columns of the download list and of the group table.
namespace download_column {
enum : int {
    Started,
    Device,
    Groups,
    State,
    Min,
    Max,
    Pass,
    Fail,
    SiteName,
    Location,
    Owner,  // the team view's only
    Count
};
}  // namespace download_column
namespace group_column {
enum : int {
    Number,
    Value,
    Verdict,
    Deteriorated,  // beside the verdict: both say whether the point is in order
    Point,         // typed into in place
    Limit,         // the point's own, typed into in place
    Previous,
    ChangeMilliohm,
    ChangePercent,
    Date,
    Time,
    Battery,
    Count
};
}  // namespace group_column

// How a cell that is not failing stands out: a warning in amber, a state in order in green.
enum class CellTone { Plain, Warning, Fine };

// A table's cell: its text, the plain value it sorts by, and whether it is drawn as failing.
struct TableCell {
    QString text;
    QVariant sort;
    bool failing = false;
    CellTone tone = CellTone::Plain;
    QString tip;  // shown when the pointer rests on it
    friend bool operator==(const TableCell& a, const TableCell& b) {
        return a.text == b.text && a.sort == b.sort && a.failing == b.failing && a.tone == b.tone &&
               a.tip == b.tip;
    }
};

struct TableRow {
    int64_t key = 0;  // the download's id, or the group's number
    std::vector<TableCell> cells;
    friend bool operator==(const TableRow& a, const TableRow& b) {
        return a.key == b.key && a.cells == b.cells;
    }
};

struct TableView {
    QStringList headings;
    std::vector<bool> hidden;  // by column
    std::vector<TableRow> rows;
    std::optional<int64_t> current;  // the key of the row chosen
    bool editable = false;           // its editable column can be typed into
};

struct SiteTreeView {
    struct Inspection {
        int64_t download_id = 0;
        QString caption;
    };
    struct Location {
        QString location;
        QString caption;
        std::vector<Inspection> inspections;
    };
    struct Site {
        int64_t id = 0;
        QString name;
        bool opened = false;  // its branches are read
        std::vector<Location> locations;
    };
    QString heading;
    std::vector<Site> sites;
    TreeChoice chosen;
};

struct DetailsPanelView {
    bool enabled = false;
    int64_t download_id = 0;                         // the download described; 0: none
    std::vector<std::pair<int64_t, QString>> sites;  // the new-site entry (0) first
    DetailsForm form;
    bool site_name_editable = false;  // only for a new site
    bool read_only = false;           // the team view's download of another inspector
    QString message;
    bool problem = false;
};

struct ArchiveWindowView {
    QString title;
    bool fault_shown = false;
    QString fault;
    QString limit_field;  // the limit in force as typed
    TableView downloads;
    TableView groups;
    QString verdict_counts;
    bool download_open = false;    // the actions on a download can be used
    bool labels_editable = false;  // the open download's test points can be changed here
    QString confirm_delete;        // the question before deleting the open download
    int plan_first_group = 1;
    int plan_last_group = 1;  // the highest first group a plan can take
    QString plan_message;
    // The plot of the open download's groups, and one test point's history.
    std::vector<Group> plot;
    std::optional<BondingLimit> limit;
    OwnLimits plot_limits;  // the test points' own
    bool full_range = false;
    QString history_title;
    std::vector<Group> history;  // numbered in the order they were made
    QStringList history_days;    // the days the instrument measured them
    QStringList history_tips;    // by point: who measured it, and when
    OwnLimits history_limits;    // the point's own limit, at every inspection shown
    DetailsPanelView details;
    SiteTreeView tree;
    // The fields in conflict with the team's server: read at, field, server's value, this
    // computer's; keyed by their place in the list. Shown only when there are any.
    TableView conflicts;
    bool conflicts_shown = false;
};

ArchiveWindowView archive_window_view(const ArchiveWindowState& state);

// Whether a download's row passes the typed filter: any of its texts holds it, in any case.
bool download_listed(const ArchiveWindowState& state, const ListedInspection& download);

}  // namespace eqbond
