#pragma once
// The archive window's two tables as its view computed them: each cell's text, the plain value
// it sorts by (kSortRole) and its colour, each row's key (the download's id or the group's
// number). A cell of an editable column is typed into in place and handed to `on_edit`.
#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "inspection/archive_window_view.h"

namespace eqbond::ui {

inline constexpr int kSortRole = Qt::UserRole;
inline constexpr int kKeyRole = Qt::UserRole + 1;

class ViewTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ViewTableModel(std::vector<int> editable_columns, QObject* parent);

    // Copies the table; the model is reset only when its headings or rows changed.
    void set_table(const TableView& table);
    // What typing into an editable column does: false when the text was not taken.
    std::function<bool(int64_t key, int column, const QString& text)> on_edit;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<int> editable_columns_;
    bool editable(int column) const;
    bool editable_ = false;  // the table as a whole takes edits
    QStringList headings_;
    std::vector<TableRow> rows_;
};

}  // namespace eqbond::ui
