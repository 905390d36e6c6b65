#include "inspection/archive_window_view.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <map>

#include "archive/archive_export.h"
#include "archive/archive_fault.h"
#include "archive/archive_texts.h"
#include "base/value_format.h"
#include "base/visible_text.h"
#include "inspection/archive_window.h"
#include "inspection/inspection_texts.h"

namespace eqbond {

namespace {

TableCell cell(const QString& text, const QVariant& sort) {
    return {text, sort, false, CellTone::Plain, {}};
}
TableCell cell(const QString& text) {
    return {text, text, false, CellTone::Plain, {}};
}

// The day the instrument measured a group, as the plots' axes name days.
QString measured_day(const Group& g) {
    const QDate day(2000 + g.year, g.month, g.day);
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : group_date_text(g);
}

// Whose an earlier value is: who measured it, the day the instrument measured it, the download.
QString measured_by(const PointValue& v) {
    const QString who = v.inspector.isEmpty() ? text::kNoInspector.shown() : v.inspector;
    return text::kMeasuredBy.arg(who, measured_day(v.group),
                                 v.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

TableCell measured_value(int32_t milliohm) {
    return cell(measured_resistance(milliohm), shown_rank(milliohm));
}

QString signed_text(double value, int decimals) {
    const QString number = QString::number(value, 'f', decimals);
    return value > 0 ? QLatin1Char('+') + number : number;
}

QStringList headings(std::initializer_list<const text::ScreenText*> texts) {
    QStringList out;
    for (const text::ScreenText* t : texts) out << t->shown();
    return out;
}

TableRow download_row(const ArchiveWindowState& window, const ListedInspection& s) {
    using namespace download_column;
    std::vector<TableCell> cells(Count);
    // Sorted as times: two local times compare without asking the time zone, which a conversion
    // to milliseconds since the epoch asks for every row at every turn of the window.
    cells[Started] = cell(started_text(s.download), s.download.started);
    cells[Device] = cell(device_text(s.download));
    cells[Groups] = cell(QString::number(s.groups_held), s.groups_held);
    QString state =
        (s.download.end == DownloadEnd::Complete ? text::kComplete : text::kAbandoned).shown();
    if (s.calibration_expired) state += QStringLiteral("  ") + text::kCalibrationExpired.shown();
    if (s.deleted_on_server) state += QStringLiteral("  ") + text::kDeletedOnTeamServer.shown();
    cells[State] = cell(state);
    cells[State].failing = s.calibration_expired;
    if (s.groups_held > 0) {
        cells[Min] = measured_value(s.lowest_milliohm);
        cells[Max] = measured_value(s.highest_milliohm);
    }
    if (s.failing) {
        cells[Pass] = cell(QString::number(s.groups_held - *s.failing), s.groups_held - *s.failing);
        cells[Fail] = cell(QString::number(*s.failing), *s.failing);
        cells[Fail].failing = *s.failing > 0;
    }
    cells[SiteName] = cell(s.site_name);
    cells[Location] = cell(s.location);
    cells[Owner] = cell(pushed_by(window, s.owner));
    return {s.id, cells};
}

TableView download_table(const ArchiveWindowState& s) {
    using namespace download_column;
    TableView table;
    table.headings =
        headings({&text::kColumnStarted, &text::kColumnDevice, &text::kColumnGroups,
                  &text::kColumnState, &text::kColumnMin, &text::kColumnMax, &text::kPass,
                  &text::kFail, &text::kColumnSite, &text::kColumnLocation, &text::kColumnOwner});
    table.hidden.assign(Count, false);
    table.hidden[Pass] = table.hidden[Fail] = !s.limit;
    table.hidden[Owner] = s.side != ArchiveSide::TeamCopy;
    for (const ListedInspection& d : s.downloads)
        if (download_listed(s, d)) table.rows.push_back(download_row(s, d));
    if (s.open) table.current = s.open->id;
    return table;
}

// The comparison's cells of a labelled group.
void compared_cells(const PointComparison& p, std::vector<TableCell>& cells) {
    using namespace group_column;
    if (p.previous) {
        cells[Previous] = measured_value(p.previous->group.milliohm);
        cells[Previous].tip = measured_by(*p.previous);
    }
    if (p.change_milliohm)
        cells[ChangeMilliohm] = cell(signed_text(*p.change_milliohm, 0), *p.change_milliohm);
    if (p.change_percent)
        cells[ChangePercent] =
            cell(signed_text(std::round(*p.change_percent), 0), *p.change_percent);
    cells[Deteriorated] =
        cell(p.deteriorated ? text::kDeterioratedMark.shown() : QString(), p.deteriorated ? 1 : 0);
}

TableView group_table(const ArchiveWindowState& s) {
    using namespace group_column;
    TableView table;
    table.headings =
        headings({&text::kColumnGroup, &text::kColumnValue, &text::kColumnVerdict,
                  &text::kColumnDeteriorated, &text::kColumnPoint, &text::kColumnLimit,
                  &text::kColumnPrevious, &text::kColumnChangeMilliohm, &text::kColumnChangePercent,
                  &text::kColumnDate, &text::kColumnTime, &text::kColumnBattery});
    table.hidden.assign(Count, false);
    table.hidden[group_column::Verdict] = !s.limit && !(s.open && !s.open->own_limits.empty());
    // The comparison's columns only for a download whose groups carry test points.
    const bool labelled = s.open && !s.open->labels.empty();
    for (int column : {Limit, Previous, ChangeMilliohm, ChangePercent, Deteriorated})
        table.hidden[size_t(column)] = !labelled;
    table.current = s.chosen_group;
    table.editable = may_change_open(s);
    if (!s.open) return table;
    std::map<int32_t, const PointComparison*> points;
    for (const PointComparison& p : s.points) points[p.number] = &p;
    const GroupLimits limits(s.open->own_limits, s.limit);
    for (const Group& g : s.open->groups) {
        if (!group_shown(s, g)) continue;
        std::vector<TableCell> cells(Count);
        cells[Number] = cell(pad_group_number(g.number), g.number);
        cells[Value] = measured_value(g.milliohm);
        const auto label = s.open->labels.find(g.number);
        cells[Point] = cell(label == s.open->labels.end() ? QString() : label->second);
        cells[Date] = cell(group_date_text(g), (g.year * 100 + g.month) * 100 + g.day);
        cells[Time] = cell(group_time_text(g), g.hour * 100 + g.minute);
        cells[Battery] = cell(g.low_battery() ? text::kLowBatteryMark : QString(), int(g.battery));
        const eqbond::Verdict verdict = limits.verdict(g);
        const bool failing = verdict == eqbond::Verdict::Fail;
        if (verdict != eqbond::Verdict::NotJudged)
            cells[group_column::Verdict] =
                cell((failing ? text::kFail : text::kPass).shown(), failing ? 1 : 0);
        const auto own = s.open->own_limits.find(g.number);
        if (own != s.open->own_limits.end())
            cells[Limit] = cell(limit_number(own->second), own->second.milliohm);
        const auto point = points.find(g.number);
        if (point != points.end()) compared_cells(*point->second, cells);
        for (TableCell& c : cells) c.failing = failing;
        table.rows.push_back({g.number, cells});
    }
    return table;
}

QString plan_message(const PlanMessage& m) {
    switch (m.note) {
        case PlanNote::Applied: {
            QString said = text::kPlanApplied.arg(m.labelled);
            if (m.read_as)
                said += QStringLiteral(" (%1)").arg(
                    (*m.read_as == PlanEncoding::Utf8 ? text::kPlanReadUtf8 : text::kPlanReadGbk)
                        .shown());
            if (m.site_missing) said += QStringLiteral("; ") + text::kPlanNeedsSite.shown();
            return said;
        }
        case PlanNote::LineTooLong:
            return text::kPlanLineTooLong.arg(m.line);
        case PlanNote::LineControl:
            return text::kPlanLineControl.arg(m.line);
        case PlanNote::LineLimit:
            return text::kPlanLineLimit.arg(m.line);
        case PlanNote::LimitTyped:
            return text::kLimitTyped;
        case PlanNote::LimitNoPoint:
            return text::kLimitNoPoint;
        case PlanNote::Unreadable:
            return text::kPlanUnreadable;
        case PlanNote::NeedsSite:
            return text::kPlanNeedsSite;
        case PlanNote::NoKeptPlan:
            return text::kNoKeptPlan;
        case PlanNote::NotStored:
            return text::kPlanNotStored;
        case PlanNote::LabelTooLong:
            return text::kDetailsTooLong.arg(text::kColumnPoint.shown());
        case PlanNote::LabelControl:
            return text::kDetailsControl.arg(text::kColumnPoint.shown());
        case PlanNote::None:
            break;
    }
    return QString();
}

const text::ScreenText& field_caption(DetailsField field) {
    switch (field) {
        case DetailsField::SiteName:
            return text::kSiteName;
        case DetailsField::SiteAddress:
            return text::kSiteAddress;
        case DetailsField::SiteCustomer:
            return text::kSiteCustomer;
        case DetailsField::Location:
            return text::kDetailsLocation;
        case DetailsField::Inspector:
            return text::kDetailsInspector;
        case DetailsField::Instrument:
            return text::kDetailsInstrument;
        case DetailsField::Notes:
            break;
    }
    return text::kDetailsNotes;
}

// What the team server made of a change sent to it; empty when none was sent.
QString server_message(const ServerMessage& m) {
    switch (m.answer) {
        case ServerAnswer::Waiting:
            return text::kSentToServer;
        case ServerAnswer::Taken:
            return text::kSavedOnServer;
        case ServerAnswer::Refused:
            return text::kRefusedByServer;
        case ServerAnswer::NotReached:
            return text::kNotSentToServer.arg(m.why);
        case ServerAnswer::None:
            break;
    }
    return QString();
}

bool server_problem(const ServerMessage& m) {
    return m.answer == ServerAnswer::Refused || m.answer == ServerAnswer::NotReached;
}

QString details_message(const DetailsMessage& m) {
    QString caption = field_caption(m.field).shown();
    caption.remove(QLatin1Char(':'));
    switch (m.note) {
        case DetailsNote::Saved:
            return text::kDetailsSaved;
        case DetailsNote::TooLong:
            return text::kDetailsTooLong.arg(caption);
        case DetailsNote::ControlCharacter:
            return text::kDetailsControl.arg(caption);
        case DetailsNote::SiteNameMissing:
            return text::kSiteNameMissing;
        case DetailsNote::Failed:
            return text::kDetailsFailed;
        case DetailsNote::None:
            break;
    }
    return QString();
}

DetailsPanelView details_panel(const ArchiveWindowState& s) {
    DetailsPanelView view;
    view.enabled = s.open.has_value();
    view.download_id = s.open ? s.open->id : 0;
    view.sites.emplace_back(0, text::kNewSite.shown());
    for (const Site& site : s.sites) view.sites.emplace_back(site.id, site.name);
    view.form = s.details;
    view.site_name_editable = s.details.site_id == 0;
    view.read_only = s.open && !may_change_open(s);
    view.message = details_message(s.details_message);
    view.problem =
        s.details_message.note != DetailsNote::Saved && s.details_message.note != DetailsNote::None;
    // Kept in the team view's copy: what counts is what the server made of it.
    if (s.details_message.note == DetailsNote::Saved &&
        s.details_sent.answer != ServerAnswer::None) {
        view.message = server_message(s.details_sent);
        view.problem = server_problem(s.details_sent);
    }
    if (view.read_only && view.message.isEmpty())
        view.message = text::kReadOnlyDownload.arg(pushed_by(s, open_owner(s)));
    return view;
}

SiteTreeView site_tree(const ArchiveWindowState& s) {
    SiteTreeView tree;
    tree.heading = text::kSiteTreeHeading;
    tree.chosen = s.tree_choice;
    for (const Site& site : s.sites) {
        SiteTreeView::Site shown{site.id, site.name, false, {}};
        const auto branch = s.open_sites.find(site.id);
        if (branch != s.open_sites.end()) {
            shown.opened = true;
            for (const QString& location : branch->second.locations) {
                // A mark, not a word, for inspections given a site but no location yet.
                SiteTreeView::Location place{
                    location, location.isEmpty() ? QStringLiteral("—") : location, {}};
                for (const ListedInspection& d : branch->second.inspections) {
                    if (d.location != location) continue;
                    QString caption = started_text(d.download);
                    if (!d.inspector.isEmpty()) caption += QStringLiteral("  ") + d.inspector;
                    place.inspections.push_back({d.id, caption});
                }
                shown.locations.push_back(place);
            }
        }
        tree.sites.push_back(shown);
    }
    return tree;
}

}  // namespace

bool download_listed(const ArchiveWindowState& s, const ListedInspection& download) {
    if (s.filter.isEmpty()) return true;
    // Filtering happens on the texts shown: what is typed never reaches the database.
    const TableRow row = download_row(s, download);
    return std::any_of(row.cells.begin(), row.cells.end(), [&](const TableCell& c) {
        return c.text.contains(s.filter, Qt::CaseInsensitive);
    });
}

namespace {

QString field_caption(const QString& name) {
    const std::optional<ConflictField> field = conflict_field(name);
    if (!field) return visible_text(name);
    switch (field->subject) {
        case ConflictSubject::Site:
            return text::kColumnSite.shown();
        case ConflictSubject::Location:
            return text::kColumnLocation.shown();
        case ConflictSubject::Inspector:
            return text::kFieldInspector.shown();
        case ConflictSubject::Instrument:
            return text::kFieldInstrument.shown();
        case ConflictSubject::Notes:
            return text::kFieldNotes.shown();
        case ConflictSubject::TestPoint:
            break;
    }
    return text::kFieldTestPoint.arg(field->group);
}

TableView conflict_table(const ArchiveWindowState& s) {
    TableView out;
    out.headings = headings({&text::kColumnStarted, &text::kColumnConflictField,
                             &text::kColumnServerValue, &text::kColumnHereValue});
    out.hidden.assign(size_t(out.headings.size()), false);
    for (size_t i = 0; i < s.conflicts.size(); ++i) {
        const FieldConflict& c = s.conflicts[i];
        // Named by when it was read, as the download list names it.
        QString download = QString::number(c.download_id);
        for (const ListedInspection& d : s.downloads)
            if (d.id == c.download_id) download = started_text(d.download);
        // The server's texts may hold anything: shown escaped, like this computer's.
        out.rows.push_back({int64_t(i),
                            {cell(download), cell(field_caption(c.field)),
                             cell(visible_text(c.server)), cell(visible_text(c.here))}});
    }
    return out;
}

}  // namespace

ArchiveWindowView archive_window_view(const ArchiveWindowState& s) {
    ArchiveWindowView view;
    view.title = text::kArchiveTitle;
    // A moment when another program held the file passes: only a fault that lasts is shown.
    view.fault_shown = s.fault && !s.fault->passing;
    if (view.fault_shown) view.fault = archive_fault_message(s.file, *s.fault);
    view.limit_field = s.limit_text;
    view.downloads = download_table(s);
    view.groups = group_table(s);
    view.conflicts = conflict_table(s);
    view.conflicts_shown = !s.conflicts.empty();
    view.download_open = s.open.has_value();
    view.limit = s.limit;
    view.full_range = s.full_range;
    view.plan_first_group = s.plan_first_group;
    view.plan_message = plan_message(s.plan_message);
    if (const QString answer = server_message(s.labels_sent); !answer.isEmpty())
        view.plan_message +=
            (view.plan_message.isEmpty() ? QString() : QStringLiteral("; ")) + answer;
    view.labels_editable = s.open && may_change_open(s);
    view.details = details_panel(s);
    view.tree = site_tree(s);
    if (s.open) {
        view.plot = s.open->groups;
        view.plan_last_group =
            std::max(1, s.open->groups.empty() ? 1 : s.open->groups.back().number);
        view.confirm_delete =
            text::kConfirmDelete.arg(started_text(s.open->download)).arg(s.open->groups.size());
        view.plot_limits = s.open->own_limits;
        const GroupLimits limits(s.open->own_limits, s.limit);
        if (limits.any()) {
            const Verdicts v = count_verdicts(s.open->groups, limits);
            view.verdict_counts =
                QStringLiteral("%1 %2   %3: %4   %5: %6")
                    .arg(text::kLimitLabel.shown(),
                         s.limit ? bonding_limit_text(*s.limit) : QString(), text::kPass.shown())
                    .arg(v.passing)
                    .arg(text::kFail.shown())
                    .arg(v.failing);
        }
    }
    view.history_title = text::kHistoryNone;
    const auto label = s.open && s.chosen_group ? s.open->labels.find(*s.chosen_group)
                                                : std::map<int32_t, QString>::const_iterator();
    if (s.open && s.open->details.site_id && s.chosen_group && label != s.open->labels.end()) {
        view.history_title = text::kHistoryTitle.arg(label->second);
        const auto own = s.open->own_limits.find(*s.chosen_group);
        // One point per inspection, numbered in the order they were made, under its day.
        for (const PointValue& v : s.point_history) {
            Group g = v.group;
            g.number = int32_t(view.history.size()) + 1;
            view.history.push_back(g);
            if (own != s.open->own_limits.end()) view.history_limits[g.number] = own->second;
            view.history_days << measured_day(v.group);
            view.history_tips << measured_by(v);
        }
    }
    return view;
}

}  // namespace eqbond
