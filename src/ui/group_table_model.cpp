#include <QBrush>
#include <QColor>
#include <cmath>

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "base/value_format.h"
#include "inspection/inspection_texts.h"
#include "ui/archive_models.h"

namespace eqbond::ui {

namespace {
const QColor kFailColour(200, 0, 0);

QString signed_text(double value, int decimals) {
    const QString number = QString::number(value, 'f', decimals);
    return value > 0 ? QLatin1Char('+') + number : number;
}
}  // namespace

void GroupTableModel::set_groups(std::vector<Group> groups, std::optional<BondingLimit> limit,
                                 PointLabels labels, const std::vector<PointComparison>& points) {
    beginResetModel();
    groups_ = std::move(groups);
    limit_ = limit;
    labels_ = std::move(labels);
    points_.clear();
    for (const PointComparison& p : points) points_[p.number] = p;
    endResetModel();
}

bool GroupTableModel::failing(int row) const {
    return limit_ && row >= 0 && row < int(groups_.size()) &&
           !passes(groups_[size_t(row)], *limit_);
}

bool GroupTableModel::deteriorated(int row) const {
    if (row < 0 || row >= int(groups_.size())) return false;
    const auto p = points_.find(groups_[size_t(row)].number);
    return p != points_.end() && p->second.deteriorated;
}

int GroupTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(groups_.size());
}

int GroupTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupTableModel::compared(const Group& g, int column, bool sort) const {
    const auto found = points_.find(g.number);
    if (found == points_.end()) return QVariant();
    const PointComparison& p = found->second;
    switch (column) {
        case Previous:
            if (!p.previous) return QVariant();
            return sort ? QVariant(shown_rank(p.previous->group.milliohm))
                        : QVariant(format_resistance(p.previous->group.milliohm));
        case ChangeMilliohm:
            if (!p.change_milliohm) return QVariant();
            return sort ? QVariant(*p.change_milliohm)
                        : QVariant(signed_text(*p.change_milliohm, 1));
        case ChangePercent:
            if (!p.change_percent) return QVariant();
            return sort ? QVariant(*p.change_percent)
                        : QVariant(signed_text(std::round(*p.change_percent), 0));
        case Deteriorated:
            if (sort) return p.deteriorated ? 1 : 0;
            return p.deteriorated ? QVariant(text::kDeterioratedMark.shown()) : QVariant();
        default:
            return QVariant();
    }
}

QVariant GroupTableModel::cell(const Group& g, int column, int role) const {
    const bool sort = role == kSortRole;
    switch (column) {
        case Number:
            return sort ? QVariant(g.number) : QVariant(pad_group_number(g.number));
        case Value:
            return sort ? QVariant(shown_rank(g.milliohm))
                        : QVariant(format_resistance(g.milliohm));
        case Point: {
            const auto label = labels_.find(g.number);
            return label == labels_.end() ? QString() : label->second;
        }
        case Date:
            return sort ? QVariant((g.year * 100 + g.month) * 100 + g.day)
                        : QVariant(group_date_text(g));
        case Time:
            return sort ? QVariant(g.hour * 100 + g.minute) : QVariant(group_time_text(g));
        case Battery:
            return sort ? QVariant(int(g.battery))
                        : QVariant(g.low_battery() ? text::kLowBatteryMark : QString());
        case Verdict:
            if (!limit_) return QVariant();
            if (sort) return passes(g, *limit_) ? 0 : 1;
            return (passes(g, *limit_) ? text::kPass : text::kFail).shown();
        default:
            return compared(g, column, sort);
    }
}

QVariant GroupTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(groups_.size())) return QVariant();
    const Group& g = groups_[size_t(index.row())];
    if (role == Qt::ForegroundRole && limit_ && !passes(g, *limit_)) return QBrush(kFailColour);
    if (role == Qt::EditRole) role = Qt::DisplayRole;
    if (role != Qt::DisplayRole && role != kSortRole) return QVariant();
    return cell(g, index.column(), role);
}

bool GroupTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != Point || index.row() >= int(groups_.size()))
        return false;
    const QString label = value.toString().trimmed();
    if (const std::optional<LabelProblem> problem = label_problem(label)) {
        emit label_refused(*problem);
        return false;
    }
    const int32_t number = groups_[size_t(index.row())].number;
    if (label.isEmpty()) {
        labels_.erase(number);
    } else {
        labels_[number] = label;
    }
    emit dataChanged(index, index);
    emit label_edited(number, label.isEmpty() ? std::nullopt : std::optional<QString>(label));
    return true;
}

Qt::ItemFlags GroupTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Point) f |= Qt::ItemIsEditable;
    return f;
}

QVariant GroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    static const text::ScreenText* const kHeaders[ColumnCount] = {
        &text::kColumnGroup,          &text::kColumnValue,         &text::kColumnVerdict,
        &text::kColumnDeteriorated,   &text::kColumnPoint,         &text::kColumnPrevious,
        &text::kColumnChangeMilliohm, &text::kColumnChangePercent, &text::kColumnDate,
        &text::kColumnTime,           &text::kColumnBattery};
    return section >= 0 && section < ColumnCount ? kHeaders[section]->shown() : QVariant();
}

GroupFilterProxy::GroupFilterProxy(GroupTableModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), groups_(source) {
    setSourceModel(source);
    setSortRole(kSortRole);
}

void GroupFilterProxy::set_filter(GroupFilter filter) {
    filter_ = filter;
    invalidateFilter();
}

bool GroupFilterProxy::filterAcceptsRow(int source_row, const QModelIndex&) const {
    switch (filter_) {
        case GroupFilter::Failing:
            return groups_->failing(source_row);
        case GroupFilter::Deteriorated:
            return groups_->deteriorated(source_row);
        case GroupFilter::All:
            break;
    }
    return true;
}

}  // namespace eqbond::ui
