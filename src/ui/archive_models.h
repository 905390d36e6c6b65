#pragma once
// The archive window's two tables: the downloads and the groups of the open one. Each cell has
// its text for display and a plain value (Qt::UserRole) to sort by.
#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "archive/download.h"

namespace eqbond::ui {

inline constexpr int kSortRole = Qt::UserRole;
inline constexpr int kIdRole = Qt::UserRole + 1;  // the download's id, on every cell of its row

class DownloadListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Started, Device, Groups, State, Min, Max, Pass, Fail, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    // Pass and fail count only with a limit; without one their columns stay empty.
    void set_downloads(std::vector<DownloadSummary> downloads);
    const std::vector<DownloadSummary>& downloads() const { return downloads_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant cell(const DownloadSummary& s, int column, int role) const;
    std::vector<DownloadSummary> downloads_;
};

class GroupTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Number, Value, Date, Time, Battery, Verdict, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    void set_groups(std::vector<Group> groups, std::optional<BondingLimit> limit);
    const std::vector<Group>& groups() const { return groups_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant cell(const Group& g, int column, int role) const;
    std::vector<Group> groups_;
    std::optional<BondingLimit> limit_;
};

}  // namespace eqbond::ui
