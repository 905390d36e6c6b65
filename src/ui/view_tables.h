#pragma once
// What the archive's windows share: a sortable table over a view's model, and what a print's
// outcome tells the user.
#include <QSortFilterProxyModel>
#include <QTableView>

#include "report/print_layout.h"

namespace eqbond {
struct Program;
}

namespace eqbond::ui {

// A read-only table of whole rows, one chosen at a time, sorted by the model's sort role.
QTableView* table_view(QWidget* parent, const char* name, QSortFilterProxyModel* proxy);
QSortFilterProxyModel* sorting_proxy(QObject* parent, QAbstractItemModel* source);

// A message when there was no printer or the print failed; nothing when it printed.
void tell_print_outcome(Program& program, PrintOutcome outcome);

}  // namespace eqbond::ui
