#pragma once
// The archive's planning window: each site's location with its re-test date (overdue, due within
// the days chosen, in order), sortable and printable, and the instrument register.
#include <QWidget>

#include "inspection/archive_window_view.h"
#include "inspection/inspection_port.h"

class QSpinBox;
class QSortFilterProxyModel;
class QTableView;

namespace eqbond {
struct Program;
}

namespace eqbond::ui {

class ViewTableModel;

class PlanningWindow : public QWidget {
    Q_OBJECT
  public:
    PlanningWindow(Program& program, InspectionBrowsing& archive, QWidget* parent = nullptr);
    // Reads the locations and the register again.
    void refresh();
    QTableView* due_table() const { return due_view_; }
    QTableView* instrument_table() const { return instruments_view_; }

  private:
    void print();

    Program& program_;
    InspectionBrowsing& archive_;
    QSpinBox* within_ = nullptr;
    ViewTableModel* due_ = nullptr;
    ViewTableModel* instruments_ = nullptr;
    QSortFilterProxyModel* due_proxy_ = nullptr;
    QTableView* due_view_ = nullptr;
    QTableView* instruments_view_ = nullptr;
    TableView due_table_;  // as read, before the view sorts it
};

}  // namespace eqbond::ui
