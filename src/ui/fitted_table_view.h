#pragma once
// A table whose columns fit their texts, measured once each time its rows change rather than at
// every layout of its header: a table of hundreds of rows then shows, resizes and selects
// without measuring them again and again.
#include <QTableView>
#include <vector>

namespace eqbond::ui {

class FittedTableView : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;
    void setModel(QAbstractItemModel* model) override;

  protected:
    int sizeHintForColumn(int column) const override;
    void changeEvent(QEvent* event) override;

  private:
    void forget_widths() { widths_.clear(); }

    mutable std::vector<int> widths_;  // by column; -1 until measured
    std::vector<QMetaObject::Connection> watching_;
};

}  // namespace eqbond::ui
