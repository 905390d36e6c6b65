#include "ui/archive_models.h"

#include <QBrush>
#include <QColor>

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "base/value_format.h"
#include "inspection/inspection_texts.h"
#include "team/team_texts.h"

namespace eqbond::ui {

namespace {
const QColor kFailColour(200, 0, 0);

QVariant shown_value(int32_t milliohm, bool sort) {
    return sort ? QVariant(shown_rank(milliohm)) : QVariant(format_resistance(milliohm));
}
}  // namespace

void DownloadListModel::set_downloads(std::vector<ListedInspection> downloads) {
    beginResetModel();
    downloads_ = std::move(downloads);
    endResetModel();
}

int DownloadListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(downloads_.size());
}

int DownloadListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DownloadListModel::cell(const ListedInspection& s, int column, int role) const {
    const bool sort = role == kSortRole;
    switch (column) {
        case Started:
            return sort ? QVariant(s.download.started.toMSecsSinceEpoch())
                        : QVariant(started_text(s.download));
        case Device:
            return device_text(s.download);
        case Groups:
            return sort ? QVariant(s.groups_held) : QVariant(QString::number(s.groups_held));
        case State:
            return (s.download.end == DownloadEnd::Complete ? text::kComplete : text::kAbandoned)
                .shown();
        case Min:
            return s.groups_held > 0 ? shown_value(s.lowest_milliohm, sort) : QVariant();
        case Max:
            return s.groups_held > 0 ? shown_value(s.highest_milliohm, sort) : QVariant();
        case Pass:
            if (!s.failing) return QVariant();
            return sort ? QVariant(s.groups_held - *s.failing)
                        : QVariant(QString::number(s.groups_held - *s.failing));
        case Fail:
            if (!s.failing) return QVariant();
            return sort ? QVariant(*s.failing) : QVariant(QString::number(*s.failing));
        case SiteName:
            return s.site_name;
        case Location:
            return s.location;
        case Owner:
            return s.owner;
        default:
            return QVariant();
    }
}

QVariant DownloadListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(downloads_.size())) return QVariant();
    const ListedInspection& s = downloads_[size_t(index.row())];
    if (role == kIdRole) return qlonglong(s.id);
    if (role == Qt::ForegroundRole && index.column() == Fail && s.failing.value_or(0) > 0)
        return QBrush(kFailColour);
    if (role != Qt::DisplayRole && role != kSortRole) return QVariant();
    return cell(s, index.column(), role);
}

QVariant DownloadListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    static const text::ScreenText* const kHeaders[ColumnCount] = {
        &text::kColumnStarted, &text::kColumnDevice,   &text::kColumnGroups,   &text::kColumnState,
        &text::kColumnMin,     &text::kColumnMax,      &text::kPass,           &text::kFail,
        &text::kColumnSite,    &text::kColumnLocation, &text::kColumnTeamOwner};
    return section >= 0 && section < ColumnCount ? kHeaders[section]->shown() : QVariant();
}

}  // namespace eqbond::ui
