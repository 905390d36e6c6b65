#pragma once
// The archive window's two tables: the downloads and the groups of the open one. Each cell has
// its text for display and a plain value (Qt::UserRole) to sort by.
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <map>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "inspection/inspection.h"
#include "inspection/inspection_comparison.h"
#include "inspection/test_plan.h"

namespace eqbond::ui {

inline constexpr int kSortRole = Qt::UserRole;
inline constexpr int kIdRole = Qt::UserRole + 1;  // the download's id, on every cell of its row

class DownloadListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        Started,
        Device,
        Groups,
        State,
        Min,
        Max,
        Pass,
        Fail,
        SiteName,
        Location,
        Owner,  // shown in the team view only
        ColumnCount
    };
    using QAbstractTableModel::QAbstractTableModel;

    // Pass and fail count only with a limit; without one their columns stay empty.
    void set_downloads(std::vector<ListedInspection> downloads);
    const std::vector<ListedInspection>& downloads() const { return downloads_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant cell(const ListedInspection& s, int column, int role) const;
    std::vector<ListedInspection> downloads_;
};

// The open download's groups with their test points and, for labelled groups, the same point in
// the previous inspection. The test point is edited in place; the model only says so.
class GroupTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        Number,
        Value,
        Verdict,
        Deteriorated,  // beside the verdict: both say whether the point is in order
        Point,
        Previous,
        ChangeMilliohm,
        ChangePercent,
        Date,
        Time,
        Battery,
        ColumnCount
    };
    using QAbstractTableModel::QAbstractTableModel;

    void set_groups(std::vector<Group> groups, std::optional<BondingLimit> limit,
                    PointLabels labels = {}, const std::vector<PointComparison>& points = {});
    const std::vector<Group>& groups() const { return groups_; }
    const PointLabels& labels() const { return labels_; }

    bool failing(int row) const;
    bool deteriorated(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    // A test point typed into the table; nothing: the label was cleared.
    void label_edited(int32_t number, const std::optional<QString>& label);
    // A typed test point that cannot be kept, and why.
    void label_refused(LabelProblem problem);

  private:
    QVariant cell(const Group& g, int column, int role) const;
    QVariant compared(const Group& g, int column, bool sort) const;
    std::vector<Group> groups_;
    std::optional<BondingLimit> limit_;
    PointLabels labels_;
    std::map<int32_t, PointComparison> points_;  // by group number
};

enum class GroupFilter { All, Failing, Deteriorated };

// The group table's rows that the filter list lets through, sorted by the sort role.
class GroupFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit GroupFilterProxy(GroupTableModel* source, QObject* parent);
    void set_filter(GroupFilter filter);

  protected:
    bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;

  private:
    GroupTableModel* groups_;
    GroupFilter filter_ = GroupFilter::All;
};

}  // namespace eqbond::ui
