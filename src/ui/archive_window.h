#pragma once
// "测量档案": every archived download, newest first, with a filter, beside the archive by site; the
// open download's inspection details, its groups with their test points and the previous
// inspection's values in a sortable, filterable table, a plot and one test point's history; test
// plans; export, print, the inspection report and delete; the bonding limit.
#include <QWidget>
#include <optional>

#include "archive/bonding_limit.h"
#include "archive/download.h"
#include "inspection/inspection_comparison.h"
#include "inspection/inspection_report.h"
#include "inspection/qt_sqlite_inspections.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace eqbond {
class DownloadRecorder;
class QtSqliteFile;
struct Program;
}  // namespace eqbond

namespace eqbond::ui {

class ArchivePlot;
class DownloadListModel;
class GroupFilterProxy;
class GroupTableModel;
class InspectionDetailsPanel;
class SiteTree;

// Which archive the window shows: this computer's own, or the copy of the team archive, whose
// changes go to the server and whose downloads only the server may delete.
enum class ArchiveView { ThisComputer, TeamCopy };

class ArchiveWindow : public QWidget {
    Q_OBJECT
  public:
    // This computer's archive, in a window of its own; the recorder's faults show in it.
    ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder& recorder,
                  QWidget* parent = nullptr);
    // The copy of the team archive, inside `parent`.
    ArchiveWindow(Program& program, QtSqliteFile& team_copy, QWidget* parent);

    // Reads the list again and opens the newest download shown.
    void refresh();
    // The download whose groups are shown, if any.
    const std::optional<Inspection>& open_download() const { return open_; }

    QTableView* download_list() const { return downloads_view_; }
    QTableView* group_table() const { return groups_view_; }
    ArchivePlot* plot() const { return plot_; }
    SiteTree* site_tree() const { return site_tree_; }
    InspectionDetailsPanel* details_panel() const { return details_; }
    ArchivePlot* point_history() const { return history_; }
    // The comparison of the open download's test points with the previous inspection.
    const std::vector<PointComparison>& points() const { return points_; }

  signals:
    // In the team view: the user confirmed deleting the download of this UUID from the server.
    void removal_asked(const QString& uuid);

  private:
    ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder* recorder,
                  ArchiveView view, QWidget* parent);
    void build();
    QWidget* build_tools();
    QWidget* build_group_tools();
    QWidget* build_buttons();
    QWidget* build_plots();
    void open_inspection(int64_t download_id);
    void apply_limit();
    void open_row(const QModelIndex& proxy_index);
    void show_open_download();
    void show_fault();
    void export_text();
    void export_csv();
    void export_pdf();
    void print_download();
    void delete_download();
    // Inspections: archive_window_inspection.cpp.
    void compare();
    void group_chosen(const QModelIndex& proxy_index);
    void store_label(int32_t number, const std::optional<QString>& label);
    void apply_plan_file();
    void apply_kept_plan();
    void apply_plan(const QStringList& plan, const QString& read_as);
    std::optional<InspectionReportInput> report_input();
    void export_report();
    void print_report();
    std::optional<QString> choose_file(const QString& extension, const QString& filter);

    Program& program_;
    DownloadRecorder* recorder_;  // none in the team view
    ArchiveView view_;
    QtSqliteFile& file_;
    QtSqliteInspections archive_;
    std::optional<BondingLimit> limit_;
    std::optional<Inspection> open_;
    std::vector<PointComparison> points_;
    int64_t shown_id_ = 0;        // the download the plan message speaks of
    bool storing_label_ = false;  // the table already shows the label being stored

    QLabel* fault_label_ = nullptr;
    QLabel* verdict_label_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLineEdit* limit_field_ = nullptr;
    DownloadListModel* downloads_ = nullptr;
    QSortFilterProxyModel* downloads_proxy_ = nullptr;
    QTableView* downloads_view_ = nullptr;
    GroupTableModel* groups_ = nullptr;
    GroupFilterProxy* groups_proxy_ = nullptr;
    QTableView* groups_view_ = nullptr;
    ArchivePlot* plot_ = nullptr;
    SiteTree* site_tree_ = nullptr;
    QCheckBox* only_site_ = nullptr;
    InspectionDetailsPanel* details_ = nullptr;
    QComboBox* group_filter_ = nullptr;
    QSpinBox* plan_first_ = nullptr;
    QLabel* plan_message_ = nullptr;
    QLabel* history_title_ = nullptr;
    ArchivePlot* history_ = nullptr;
    std::vector<QPushButton*> download_buttons_;
};

}  // namespace eqbond::ui
