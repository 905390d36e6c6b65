#include "ui/archive_models.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace eqbond::ui {

namespace {
const QColor kFailColour(200, 0, 0);
const QColor kWarningColour(190, 110, 0);
const QColor kFineColour(0, 130, 40);

QVariant foreground(const TableCell& cell) {
    if (cell.failing) return QBrush(kFailColour);
    switch (cell.tone) {
        case CellTone::Warning:
            return QBrush(kWarningColour);
        case CellTone::Fine:
            return QBrush(kFineColour);
        case CellTone::Plain:
            break;
    }
    return QVariant();
}
}  // namespace

ViewTableModel::ViewTableModel(std::vector<int> editable_columns, QObject* parent)
    : QAbstractTableModel(parent), editable_columns_(std::move(editable_columns)) {}

bool ViewTableModel::editable(int column) const {
    return editable_ && std::find(editable_columns_.begin(), editable_columns_.end(), column) !=
                            editable_columns_.end();
}

void ViewTableModel::set_table(const TableView& table) {
    editable_ = table.editable;
    if (table.headings == headings_ && table.rows == rows_) return;
    beginResetModel();
    headings_ = table.headings;
    rows_ = table.rows;
    endResetModel();
}

int ViewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ViewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant ViewTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return QVariant();
    const TableRow& row = rows_[size_t(index.row())];
    if (role == kKeyRole) return qlonglong(row.key);
    if (index.column() >= int(row.cells.size())) return QVariant();
    const TableCell& cell = row.cells[size_t(index.column())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cell.text;
        case kSortRole:
            return cell.sort;
        case Qt::ToolTipRole:
            return cell.tip.isEmpty() ? QVariant() : QVariant(cell.tip);
        case Qt::ForegroundRole:
            return foreground(cell);
        default:
            return QVariant();
    }
}

bool ViewTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !editable(index.column()) || index.row() >= int(rows_.size()) ||
        !on_edit)
        return false;
    return on_edit(rows_[size_t(index.row())].key, index.column(), value.toString());
}

Qt::ItemFlags ViewTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ViewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return section >= 0 && section < headings_.size() ? QVariant(headings_[section]) : QVariant();
}

}  // namespace eqbond::ui
