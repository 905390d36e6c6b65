#include "ui/fitted_table_view.h"

#include <QEvent>

namespace eqbond::ui {

void FittedTableView::setModel(QAbstractItemModel* model) {
    for (const QMetaObject::Connection& c : watching_) disconnect(c);
    watching_.clear();
    forget_widths();
    // Before the table's own: its header measures again as soon as it hears of a change.
    // Sorting moves rows without changing the texts a column holds; anything else may.
    if (model) {
        const auto forget = [this] { forget_widths(); };
        watching_ = {
            connect(model, &QAbstractItemModel::modelReset, this, forget),
            connect(model, &QAbstractItemModel::rowsInserted, this, forget),
            connect(model, &QAbstractItemModel::rowsRemoved, this, forget),
            connect(model, &QAbstractItemModel::columnsInserted, this, forget),
            connect(model, &QAbstractItemModel::columnsRemoved, this, forget),
            connect(model, &QAbstractItemModel::dataChanged, this, forget),
        };
    }
    QTableView::setModel(model);
}

int FittedTableView::sizeHintForColumn(int column) const {
    if (column < 0) return QTableView::sizeHintForColumn(column);
    if (size_t(column) >= widths_.size()) widths_.resize(size_t(column) + 1, -1);
    int& width = widths_[size_t(column)];
    if (width < 0) width = QTableView::sizeHintForColumn(column);
    return width;
}

void FittedTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        forget_widths();
    QTableView::changeEvent(event);
}

}  // namespace eqbond::ui
