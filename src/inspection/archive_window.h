#pragma once
// The archive window's handlers: each runs one event of the window (a download or group chosen, a
// filter or limit typed, a plan applied, details saved) to its end over the window's state and
// the archive's ports. The Qt window forwards its events here and copies the view afterwards.
#include <QString>
#include <map>
#include <optional>

#include "inspection/archive_window_state.h"
#include "inspection/inspection_port.h"
#include "inspection/inspection_report.h"

namespace eqbond {

class FileDialogs;

struct ArchiveWindowPorts {
    InspectionBrowsing& browsing;
    InspectionEditing& editing;
    FileDialogs* file_dialogs = nullptr;
    ConflictResolving* conflicts = nullptr;  // this computer's archive with a team server only
};

// Which value of a field in conflict the user takes.
enum class ConflictChoice { Server, Here };

// The limit kept in the settings, as the window starts with it.
void load_archive_window(ArchiveWindowState& state, ArchiveWindowPorts& ports);

// Reads the downloads, sites and opened sites again; the open download stays open (read again),
// or the newest listed opens.
void refresh_archive_window(ArchiveWindowState& state, ArchiveWindowPorts& ports);
// Opens a download, or none.
void choose_download(ArchiveWindowState& state, ArchiveWindowPorts& ports,
                     std::optional<int64_t> id);
// Reads the open download again, the list as it was: its groups came into the archive.
void reread_open_download(ArchiveWindowState& state, ArchiveWindowPorts& ports);
void type_filter(ArchiveWindowState& state, const QString& typed);
// A limit typed in ohm: kept in the settings, and the list read again with it. Empty: no limit.
// Anything else leaves the limit in force.
void type_limit(ArchiveWindowState& state, ArchiveWindowPorts& ports, const QString& typed);
void show_only_chosen_site(ArchiveWindowState& state, ArchiveWindowPorts& ports, bool only);

// The group chosen in the table: its test point's history, and the plan's first group.
void choose_group(ArchiveWindowState& state, ArchiveWindowPorts& ports,
                  std::optional<int32_t> number);
// A test point typed into the table for group `number`; false when it cannot be kept (the reason
// is said beside the plan's controls).
bool type_label(ArchiveWindowState& state, ArchiveWindowPorts& ports, int32_t number,
                const QString& typed);
// A limit typed into the group table for group `number`'s test point (empty: none of its own).
// False when it is refused: no number of ohm in range, or a group without a test point.
bool type_point_limit(ArchiveWindowState& state, ArchiveWindowPorts& ports, int32_t number,
                      const QString& typed);
// Asks for a plan file and labels the groups from the plan's first group.
void apply_plan_file(ArchiveWindowState& state, ArchiveWindowPorts& ports);
// Labels the groups with the plan kept for the download's site and location.
void apply_kept_plan(ArchiveWindowState& state, ArchiveWindowPorts& ports);

// The details panel: a site chosen from its list (0: a new one), and what was typed, saved.
void choose_details_site(ArchiveWindowState& state, int64_t site_id);
bool save_details(ArchiveWindowState& state, ArchiveWindowPorts& ports, const DetailsForm& typed);

// The site tree: a site's branches read when it is opened, and an item chosen.
void open_site(ArchiveWindowState& state, ArchiveWindowPorts& ports, int64_t site_id);
void choose_in_tree(ArchiveWindowState& state, ArchiveWindowPorts& ports, const TreeChoice& choice);

// Deletes the open download from this computer's archive. In the team copy the server decides:
// the UUID it is asked to delete.
std::optional<QString> delete_open_download(ArchiveWindowState& state, ArchiveWindowPorts& ports);

// The conflict at `index` of the list settled as chosen; the list and the open download read
// again.
void settle_conflict(ArchiveWindowState& state, ArchiveWindowPorts& ports, size_t index,
                     ConflictChoice choice);

// The open download's inspection report, as the settings and the window say.
std::optional<InspectionReportInput> report_input(const ArchiveWindowState& state,
                                                  ArchiveWindowPorts& ports);

// The team view: who the server knows this program as, and whether it may change every download.
void note_team_rights(ArchiveWindowState& state, const QString& role, bool changes_any,
                      const std::map<QString, QString>& people = {});
// The team server's answer to the changes sent since the last one.
void note_server_answer(ArchiveWindowState& state, ServerAnswer answer, const QString& why);
// Whether the open download's details and test points may be changed here: always in this
// computer's archive; in the team view by the role that pushed it and by an admin.
bool may_change_open(const ArchiveWindowState& state);
// Who pushed the open download to the team server; empty in this computer's archive.
QString open_owner(const ArchiveWindowState& state);
// Who pushed a download as the team view shows it: the name the role goes by with the role
// (`安娜 (anna)`), or the role alone when the lab has not named it.
QString pushed_by(const ArchiveWindowState& state, const QString& role);

// The open download's groups the group filter lets through.
bool group_shown(const ArchiveWindowState& state, const Group& group);

}  // namespace eqbond
