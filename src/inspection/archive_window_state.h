#pragma once
// What the archive window holds, as typed state: which archive it shows, what the user typed and
// chose, and what was read for it. The handlers in archive_window.h change it; the view in
// archive_window_view.h computes every caption, cell and enabled state from it.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "archive/archive_port.h"
#include "archive/bonding_limit.h"
#include "inspection/field_conflict.h"
#include "inspection/inspection.h"
#include "inspection/inspection_comparison.h"
#include "inspection/test_plan.h"

namespace eqbond {

// Which archive the window shows: this computer's own, or the copy of the team archive, whose
// changes go to the server and whose downloads only the server may delete.
enum class ArchiveSide { ThisComputer, TeamCopy };

// Which of the open download's groups the table shows.
enum class GroupFilter { All, Failing, Deteriorated };

// What the line beside the test plan's controls says.
enum class PlanNote {
    None,
    Applied,       // `labelled` groups labelled from a plan
    LineTooLong,   // the plan's `line` is too long
    LineControl,   // the plan's `line` holds a control character
    LineLimit,     // the limit on the plan's `line` is no number of ohm in range
    Unreadable,    // the plan's file cannot be read
    NeedsSite,     // the download has no site to keep a plan for
    NoKeptPlan,    // no plan is kept for the download's location
    NotStored,     // the archive did not take the test points
    LabelTooLong,  // a test point typed in the table
    LabelControl,
    LimitTyped,    // a limit typed in the table is no number of ohm in range
    LimitNoPoint,  // a limit typed for a group without a test point
};

struct PlanMessage {
    PlanNote note = PlanNote::None;
    int labelled = 0;
    int line = 0;
    std::optional<PlanEncoding> read_as;  // a plan read from a file
    bool site_missing = false;            // applied, but not kept: the download has no site
};

// The fields of the details panel.
enum class DetailsField {
    SiteName,
    SiteAddress,
    SiteCustomer,
    Location,
    Inspector,
    Instrument,
    Notes
};

// The details panel's fields as shown, or as typed when saved.
struct DetailsForm {
    int64_t site_id = 0;  // one of the archive's sites; 0: a new one, named by site_name
    QString site_name, site_address, site_customer;
    QString location, inspector, instrument_serial, notes;
};

enum class DetailsNote { None, Saved, TooLong, ControlCharacter, SiteNameMissing, Failed };

// What the team server answered to a change made in the team view: its copy took the change at
// once, the server decides in the round that follows.
enum class ServerAnswer { None, Waiting, Taken, Refused, NotReached };

struct ServerMessage {
    ServerAnswer answer = ServerAnswer::None;
    QString why;  // why the server could not be reached, as the team's layer words it
};

struct DetailsMessage {
    DetailsNote note = DetailsNote::None;
    DetailsField field = DetailsField::SiteName;  // the field too long or holding a control
};

// A site opened in the site tree: its locations, inspected last first, and its inspections.
struct SiteBranch {
    QStringList locations;
    std::vector<ListedInspection> inspections;  // newest first
};

enum class TreeNode { None, Site, Location, Inspection };

// The site tree's item chosen.
struct TreeChoice {
    TreeNode node = TreeNode::None;
    int64_t site_id = 0;
    QString location;
    int64_t download_id = 0;
    friend bool operator==(const TreeChoice& a, const TreeChoice& b) {
        return a.node == b.node && a.site_id == b.site_id && a.location == b.location &&
               a.download_id == b.download_id;
    }
};

struct ArchiveWindowState {
    ArchiveSide side = ArchiveSide::ThisComputer;
    QString file;
    std::optional<ArchiveFault> fault;

    // What the user typed and chose.
    QString filter;  // matched against the texts of the download list
    std::optional<BondingLimit> limit;
    QString limit_text;  // the limit in force, as typed
    bool full_range = false;
    bool only_chosen_site = false;
    GroupFilter group_filter = GroupFilter::All;
    int plan_first_group = 1;
    std::optional<int32_t> chosen_group;
    TreeChoice tree_choice;

    // What was read for it.
    std::vector<ListedInspection> downloads;  // newest first
    std::optional<Inspection> open;
    std::vector<PointComparison> points;    // the open download's test points compared
    std::vector<PointValue> point_history;  // of the chosen group's test point
    std::vector<Site> sites;
    std::map<int64_t, SiteBranch> open_sites;  // by site id
    std::vector<FieldConflict> conflicts;      // with the team's server, still to be settled

    PlanMessage plan_message;
    DetailsForm details;
    DetailsMessage details_message;

    // The team view only: the role the server knows this program as (empty until it first
    // answered), whether that role may change every inspector's downloads, the lab's people,
    // and what the server
    // answered to the details and the test points changed here.
    QString team_role;
    bool team_changes_any = false;
    std::map<QString, QString> team_people;  // the name each login role goes by, by role
    ServerMessage details_sent;
    ServerMessage labels_sent;
};

}  // namespace eqbond
