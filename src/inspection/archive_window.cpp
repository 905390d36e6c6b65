#include "inspection/archive_window.h"

#include <QFile>
#include <algorithm>

#include "archive/archive_location.h"
#include "base/ports.h"
#include "inspection/archive_window_view.h"
#include "inspection/inspection_settings.h"
#include "inspection/inspection_texts.h"
#include "report/save_button.h"

namespace eqbond {

namespace {

PlanMessage said(PlanNote note, int line = 0) {
    PlanMessage message;
    message.note = note;
    message.line = line;
    return message;
}

DetailsMessage said(DetailsNote note, DetailsField field = DetailsField::SiteName) {
    DetailsMessage message;
    message.note = note;
    message.field = field;
    return message;
}

// In the team view a change kept in the copy waits for the server's answer.
ServerMessage sent_to_server(const ArchiveWindowState& s, bool kept) {
    ServerMessage message;
    if (kept && s.side == ArchiveSide::TeamCopy) message.answer = ServerAnswer::Waiting;
    return message;
}

void note_fault(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    s.file = ports.browsing.file();
    s.fault = ports.browsing.fault();
}

// The open download's test points beside the previous inspection, and the chosen one's history.
void compare(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    s.points.clear();
    if (s.open && !s.open->labels.empty())
        s.points = compare_with_previous(*s.open, ports.browsing.previous_values(s.open->id),
                                         s.limit, saved_deterioration_rule());
    s.point_history.clear();
    if (!s.open || !s.open->details.site_id || !s.chosen_group) return;
    const auto label = s.open->labels.find(*s.chosen_group);
    if (label == s.open->labels.end()) return;
    s.point_history = ports.browsing.point_history(*s.open->details.site_id,
                                                   s.open->details.location, label->second);
}

// The site of this id among those the window lists.
const Site* site_in(const ArchiveWindowState& s, int64_t id) {
    const auto site = std::find_if(s.sites.begin(), s.sites.end(),
                                   [&](const Site& known) { return known.id == id; });
    return site == s.sites.end() ? nullptr : &*site;
}

// The details panel shows the open download's details; one not yet described starts from the
// inspector and instrument given last.
void fill_details(ArchiveWindowState& s) {
    const InspectionDetails details = s.open ? s.open->details : InspectionDetails{};
    DetailsForm form;
    if (const Site* site = site_in(s, details.site_id.value_or(0))) {
        form.site_id = site->id;
        form.site_name = site->name;
        form.site_address = site->address;
        form.site_customer = site->customer;
    }
    form.location = details.location;
    form.notes = details.notes;
    const bool described =
        details.site_id || !details.inspector.isEmpty() || !details.instrument_serial.isEmpty();
    const InspectionDefaults defaults =
        described ? InspectionDefaults{details.inspector, details.instrument_serial}
                  : saved_inspection_defaults();
    form.inspector = defaults.inspector;
    form.instrument_serial = defaults.instrument_serial;
    s.details = form;
}

// Reads `id` again (or none), keeping the group chosen when it is the same download.
void open_download(ArchiveWindowState& s, ArchiveWindowPorts& ports, std::optional<int64_t> id) {
    const bool same = s.open && id && s.open->id == *id;
    if (!same) {
        // The messages spoke of another download.
        s.plan_message = {};
        s.details_message = {};
        s.details_sent = {};
        s.labels_sent = {};
        s.chosen_group.reset();
    }
    s.open = id ? ports.browsing.load(*id) : std::nullopt;
    if (s.chosen_group &&
        (!s.open || std::none_of(s.open->groups.begin(), s.open->groups.end(),
                                 [&](const Group& g) { return g.number == *s.chosen_group; })))
        s.chosen_group.reset();
    const int32_t last = s.open && !s.open->groups.empty() ? s.open->groups.back().number : 1;
    s.plan_first_group = std::clamp(s.plan_first_group, 1, std::max(1, last));
    fill_details(s);
    compare(s, ports);
    note_fault(s, ports);
}

void read_branch(ArchiveWindowState& s, ArchiveWindowPorts& ports, int64_t site_id) {
    SiteBranch& branch = s.open_sites[site_id];
    branch.inspections = ports.browsing.list_site(site_id, std::nullopt);
    branch.locations = ports.browsing.locations(site_id);
}

std::optional<int64_t> chosen_site(const ArchiveWindowState& s) {
    if (s.tree_choice.node == TreeNode::None) return std::nullopt;
    return s.tree_choice.site_id;
}

void apply_plan(ArchiveWindowState& s, ArchiveWindowPorts& ports, const QStringList& plan,
                std::optional<PlanEncoding> read_as) {
    const int64_t id = s.open->id;
    const InspectionDetails details = s.open->details;
    const PlannedPoints points = planned_points(plan, s.open->groups, s.plan_first_group);
    const bool stored = ports.editing.label_from_plan(id, points, plan);
    refresh_archive_window(s, ports);
    s.plan_message = said(stored ? PlanNote::Applied : PlanNote::NotStored);
    s.labels_sent = sent_to_server(s, stored);
    if (!stored) return;
    s.plan_message.labelled = int(points.labels.size());
    s.plan_message.read_as = read_as;
    s.plan_message.site_missing = !details.site_id;
}

}  // namespace

void load_archive_window(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    s.limit = typed_bonding_limit(saved_bonding_limit());
    s.limit_text = s.limit ? saved_bonding_limit() : QString();
    refresh_archive_window(s, ports);
}

void refresh_archive_window(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    const std::optional<int64_t> site = chosen_site(s);
    s.downloads = s.only_chosen_site && site ? ports.browsing.list_site(*site, s.limit)
                                             : ports.browsing.list(s.limit);
    s.sites = ports.browsing.sites();
    std::map<int64_t, SiteBranch> opened;
    opened.swap(s.open_sites);
    for (const Site& known : s.sites)
        if (opened.count(known.id)) read_branch(s, ports, known.id);
    // The open download stays open while it is listed; otherwise the newest listed opens.
    std::optional<int64_t> id;
    for (const ListedInspection& d : s.downloads) {
        if (!download_listed(s, d)) continue;
        if (!id) id = d.id;
        if (s.open && d.id == s.open->id) id = d.id;
    }
    open_download(s, ports, id);
    s.conflicts.clear();
    if (ports.conflicts) s.conflicts = ports.conflicts->conflicts();
}

void settle_conflict(ArchiveWindowState& s, ArchiveWindowPorts& ports, size_t index,
                     ConflictChoice choice) {
    if (!ports.conflicts || index >= s.conflicts.size()) return;
    const FieldConflict conflict = s.conflicts[index];
    if (choice == ConflictChoice::Server)
        ports.conflicts->take_server_value(conflict);
    else
        ports.conflicts->keep_here_value(conflict);
    // A fault shows as the archive's; the mark stays listed.
    s.fault = ports.browsing.fault();
    refresh_archive_window(s, ports);
}

void choose_download(ArchiveWindowState& s, ArchiveWindowPorts& ports, std::optional<int64_t> id) {
    if (s.open && id && s.open->id == *id) return;
    open_download(s, ports, id);
}

void reread_open_download(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    if (s.open) open_download(s, ports, s.open->id);
}

void type_filter(ArchiveWindowState& s, const QString& typed) {
    s.filter = typed;
}

void type_limit(ArchiveWindowState& s, ArchiveWindowPorts& ports, const QString& typed) {
    const QString trimmed = typed.trimmed();
    const std::optional<BondingLimit> limit = typed_bonding_limit(trimmed);
    // Not a limit: the one in force stays.
    if ((!trimmed.isEmpty() && !limit) || limit == s.limit) return;
    s.limit = limit;
    s.limit_text = limit ? trimmed : QString();
    save_bonding_limit(s.limit_text);
    refresh_archive_window(s, ports);
}

void show_only_chosen_site(ArchiveWindowState& s, ArchiveWindowPorts& ports, bool only) {
    s.only_chosen_site = only;
    refresh_archive_window(s, ports);
}

void choose_group(ArchiveWindowState& s, ArchiveWindowPorts& ports, std::optional<int32_t> number) {
    s.chosen_group = number;
    // The plan starts at the group chosen, as the inspector usually means.
    if (number) s.plan_first_group = *number;
    compare(s, ports);
}

bool type_label(ArchiveWindowState& s, ArchiveWindowPorts& ports, int32_t number,
                const QString& typed) {
    if (!s.open || !may_change_open(s)) return false;
    const QString label = typed.trimmed();
    if (const std::optional<LabelProblem> problem = label_problem(label)) {
        s.plan_message = said(problem == LabelProblem::TooLong ? PlanNote::LabelTooLong
                                                               : PlanNote::LabelControl);
        return false;
    }
    const std::optional<QString> kept = label.isEmpty() ? std::nullopt : std::optional(label);
    const bool stored = ports.editing.set_label(s.open->id, number, kept);
    refresh_archive_window(s, ports);
    if (!stored) s.plan_message = said(PlanNote::NotStored);
    s.labels_sent = sent_to_server(s, stored);
    return true;
}

bool type_point_limit(ArchiveWindowState& s, ArchiveWindowPorts& ports, int32_t number,
                      const QString& typed) {
    if (!s.open || !may_change_open(s)) return false;
    std::optional<JudgedLimit> limit;
    if (!typed.trimmed().isEmpty()) {
        LimitProblem problem;
        limit = typed_point_limit(typed, &problem);
        if (!limit) {
            s.plan_message = said(PlanNote::LimitTyped);
            return false;
        }
    }
    if (limit && s.open->labels.count(number) == 0) {
        s.plan_message = said(PlanNote::LimitNoPoint);
        return false;
    }
    const bool stored = ports.editing.set_limit(s.open->id, number, limit);
    refresh_archive_window(s, ports);
    if (!stored) s.plan_message = said(PlanNote::NotStored);
    s.labels_sent = sent_to_server(s, stored);
    return true;
}

void apply_plan_file(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    if (!s.open || !ports.file_dialogs || !may_change_open(s)) return;
    const std::optional<QString> path = ports.file_dialogs->choose_open_file(
        OpenRequest{text::kPlanFilter, suggested_save_folder()});
    if (!path) return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        s.plan_message = said(PlanNote::Unreadable);
        return;
    }
    const ReadPlan plan = read_plan(file.readAll());
    if (plan.error) {
        const PlanNote note = plan.error->limit                            ? PlanNote::LineLimit
                              : plan.error->label == LabelProblem::TooLong ? PlanNote::LineTooLong
                                                                           : PlanNote::LineControl;
        s.plan_message = said(note, plan.error->line);
        return;
    }
    apply_plan(s, ports, plan.lines, plan.encoding);
}

void apply_kept_plan(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    if (!s.open || !may_change_open(s)) return;
    if (!s.open->details.site_id) {
        s.plan_message = said(PlanNote::NeedsSite);
        return;
    }
    const QStringList plan =
        ports.browsing.plan(*s.open->details.site_id, s.open->details.location);
    if (plan.isEmpty()) {
        s.plan_message = said(PlanNote::NoKeptPlan);
        return;
    }
    apply_plan(s, ports, plan, std::nullopt);
}

void choose_details_site(ArchiveWindowState& s, int64_t site_id) {
    const Site* site = site_in(s, site_id);
    s.details.site_id = site ? site->id : 0;
    s.details.site_name = site ? site->name : QString();
    s.details.site_address = site ? site->address : QString();
    s.details.site_customer = site ? site->customer : QString();
}

bool save_details(ArchiveWindowState& s, ArchiveWindowPorts& ports, const DetailsForm& typed) {
    if (!s.open || !may_change_open(s)) return false;
    const std::pair<DetailsField, QString> fields[] = {
        {DetailsField::SiteName, typed.site_name.trimmed()},
        {DetailsField::SiteAddress, typed.site_address.trimmed()},
        {DetailsField::SiteCustomer, typed.site_customer.trimmed()},
        {DetailsField::Location, typed.location.trimmed()},
        {DetailsField::Inspector, typed.inspector.trimmed()},
        {DetailsField::Instrument, typed.instrument_serial.trimmed()},
        {DetailsField::Notes, typed.notes.trimmed()},
    };
    for (const auto& [field, text] : fields) {
        const std::optional<LabelProblem> problem = label_problem(text);
        if (!problem) continue;
        s.details_message = said(
            problem == LabelProblem::TooLong ? DetailsNote::TooLong : DetailsNote::ControlCharacter,
            field);
        return false;
    }
    Site site{typed.site_id, fields[0].second, fields[1].second, fields[2].second};
    if (site.id == 0 && site.name.isEmpty() && !(site.address + site.customer).isEmpty()) {
        s.details_message = said(DetailsNote::SiteNameMissing);
        return false;
    }
    InspectionDetails details;
    details.location = fields[3].second;
    details.inspector = fields[4].second;
    details.instrument_serial = fields[5].second;
    details.notes = fields[6].second;
    // The site chosen, made when it is new, with its address and customer as typed.
    SiteChoice chosen;
    if (!site.name.isEmpty()) chosen = {site.id, site.name, site.address, site.customer};
    const bool saved = ports.editing.describe(s.open->id, chosen, details);
    refresh_archive_window(s, ports);
    s.details_sent = sent_to_server(s, saved);
    if (!saved) {
        s.details_message = said(DetailsNote::Failed);
        return false;
    }
    save_inspection_defaults({details.inspector, details.instrument_serial});
    s.details_message = said(DetailsNote::Saved);
    return true;
}

void open_site(ArchiveWindowState& s, ArchiveWindowPorts& ports, int64_t site_id) {
    if (!s.open_sites.count(site_id)) read_branch(s, ports, site_id);
}

void choose_in_tree(ArchiveWindowState& s, ArchiveWindowPorts& ports, const TreeChoice& choice) {
    const std::optional<int64_t> site_before = chosen_site(s);
    s.tree_choice = choice;
    if (choice.node == TreeNode::Site) open_site(s, ports, choice.site_id);
    if (choice.node == TreeNode::Inspection) {
        // The flat list holds every download unless its filter hides this one: then it gives way.
        for (const ListedInspection& d : s.downloads)
            if (d.id == choice.download_id && !download_listed(s, d)) s.filter.clear();
        choose_download(s, ports, choice.download_id);
    }
    if (s.only_chosen_site && chosen_site(s) != site_before) refresh_archive_window(s, ports);
}

std::optional<QString> delete_open_download(ArchiveWindowState& s, ArchiveWindowPorts& ports) {
    if (!s.open) return std::nullopt;
    // The server decides: the copy follows once it has.
    if (s.side == ArchiveSide::TeamCopy) return s.open->uuid;
    const int64_t id = s.open->id;
    s.open.reset();
    ports.editing.delete_download(id);
    refresh_archive_window(s, ports);
    return std::nullopt;
}

std::optional<InspectionReportInput> report_input(const ArchiveWindowState& s,
                                                  ArchiveWindowPorts& ports) {
    if (!s.open) return std::nullopt;
    InspectionReportInput input;
    input.download = *s.open;
    if (s.open->details.site_id) input.site = ports.browsing.site(*s.open->details.site_id);
    input.limit = s.limit;
    input.standard = saved_report_standard();
    input.previous = ports.browsing.previous_values(s.open->id);
    input.rule = saved_deterioration_rule();
    input.instrument = ports.browsing.instrument(s.open->details.instrument_serial);
    return input;
}

void note_team_rights(ArchiveWindowState& s, const QString& role, bool changes_any,
                      const std::map<QString, QString>& people) {
    s.team_role = role;
    s.team_changes_any = changes_any;
    s.team_people = people;
}

void note_server_answer(ArchiveWindowState& s, ServerAnswer answer, const QString& why) {
    for (ServerMessage* sent : {&s.details_sent, &s.labels_sent}) {
        if (sent->answer != ServerAnswer::Waiting) continue;
        sent->answer = answer;
        sent->why = why;
    }
}

QString open_owner(const ArchiveWindowState& s) {
    if (!s.open || s.side != ArchiveSide::TeamCopy) return QString();
    for (const ListedInspection& d : s.downloads)
        if (d.id == s.open->id) return d.owner;
    return QString();
}

QString pushed_by(const ArchiveWindowState& s, const QString& role) {
    const auto named = s.team_people.find(role);
    if (named == s.team_people.end()) return role;
    return QStringLiteral("%1 (%2)").arg(named->second, role);
}

bool may_change_open(const ArchiveWindowState& s) {
    // Until the server answered, it decides alone.
    if (s.side != ArchiveSide::TeamCopy || s.team_role.isEmpty() || s.team_changes_any) return true;
    return open_owner(s) == s.team_role;
}

bool group_shown(const ArchiveWindowState& s, const Group& group) {
    switch (s.group_filter) {
        case GroupFilter::Failing:
            return s.open &&
                   GroupLimits(s.open->own_limits, s.limit).verdict(group) == Verdict::Fail;
        case GroupFilter::Deteriorated:
            return std::any_of(s.points.begin(), s.points.end(), [&](const PointComparison& p) {
                return p.number == group.number && p.deteriorated;
            });
        case GroupFilter::All:
            break;
    }
    return true;
}

}  // namespace eqbond
