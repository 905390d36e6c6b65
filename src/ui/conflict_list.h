#pragma once
// The archive window's list of fields in conflict with the team's server, with the two ways to
// settle the one chosen. Shown only while there are any; the view says what it holds.
#include <QWidget>
#include <functional>

#include "inspection/archive_window.h"
#include "inspection/archive_window_view.h"

class QPushButton;
class QTableView;

namespace eqbond::ui {

class ViewTableModel;

class ConflictList : public QWidget {
    Q_OBJECT
  public:
    explicit ConflictList(QWidget* parent);

    void show_view(const TableView& conflicts, bool shown);
    // The user settles the conflict at this place of the list.
    std::function<void(size_t index, ConflictChoice choice)> on_settle;

    QTableView* table() const { return table_; }

  private:
    void settle(ConflictChoice choice);

    ViewTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* take_server_ = nullptr;
    QPushButton* keep_here_ = nullptr;
};

}  // namespace eqbond::ui
