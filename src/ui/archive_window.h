#pragma once
// "测量档案": every archived download, newest first, with a filter, beside the archive by site; the
// open download's inspection details, its groups with their test points and the previous
// inspection's values in a sortable table, a plot and one test point's history; test plans;
// export, print, the inspection report and delete; the bonding limit. The state and what it
// shows are the core's (inspection/archive_window*.h): this window forwards its events there,
// copies the view onto its widgets and writes the files asked for.
#include <QWidget>
#include <map>
#include <optional>

#include "inspection/archive_window.h"
#include "inspection/archive_window_state.h"
#include "inspection/qt_sqlite_conflicts.h"
#include "inspection/qt_sqlite_inspections.h"
#include "issued/issued_report.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QSplitter;
class QTableView;

namespace eqbond {
class DownloadRecorder;
class QtSqliteFile;
struct Program;
}  // namespace eqbond

namespace eqbond::ui {

class ArchivePlot;
class ConflictList;
class PlanningWindow;
class InspectionDetailsPanel;
class SiteTree;
class ViewTableModel;

class ArchiveWindow : public QWidget {
    Q_OBJECT
  public:
    // This computer's archive, in a window of its own; the recorder's faults show in it.
    ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder& recorder,
                  QWidget* parent = nullptr);
    // The copy of the team archive, inside `parent`, read through `browsing` and changed through
    // `editing`.
    ArchiveWindow(Program& program, QtSqliteFile& team_copy, InspectionBrowsing& browsing,
                  InspectionEditing& editing, QWidget* parent);

    // Reads the list again and opens the newest download shown.
    void refresh();
    // Reads the open download again: its groups came into the archive.
    void reread_open();
    // The team view after a round with its server: the server's rules for this program's role
    // when it was reached, the copy read again, and the server's answer to the changes sent to
    // it when they are answered now; shown once.
    struct TeamRights {
        QString role;
        bool changes_any = false;
        std::map<QString, QString> people;
    };
    struct ServerReply {
        ServerAnswer answer = ServerAnswer::Taken;
        QString why;
    };
    void note_team_round(const std::optional<TeamRights>& rights,
                         const std::optional<ServerReply>& reply);
    // The download whose groups are shown, if any.
    const std::optional<Inspection>& open_download() const { return state_.open; }
    // The comparison of the open download's test points with the previous inspection.
    const std::vector<PointComparison>& points() const { return state_.points; }

    QTableView* download_list() const { return downloads_view_; }
    QTableView* group_table() const { return groups_view_; }
    ArchivePlot* plot() const { return plot_; }
    SiteTree* site_tree() const { return site_tree_; }
    InspectionDetailsPanel* details_panel() const { return details_; }
    ArchivePlot* point_history() const { return history_; }
    ConflictList* conflict_list() const { return conflicts_; }

  signals:
    // In the team view: the user confirmed deleting the download of this UUID from the server.
    void removal_asked(const QString& uuid);
    // Another download opened, or none.
    void download_opened();

  private:
    ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder* recorder,
                  InspectionBrowsing* browsing, InspectionEditing* editing, QWidget* parent);
    void build();
    QWidget* build_tools();
    QWidget* build_group_tools();
    QWidget* build_buttons();
    QWidget* build_plots();
    void open_planning();
    // Runs one event through the core, then copies the view: at once, or once the table that
    // raised it has finished with it.
    template <typename Event>
    void handle(Event&& event, bool copy_later = false);
    void show_view();
    // The group table as wide as its columns up to the change need: the plots yield the room.
    void fit_group_columns();
    void resizeEvent(QResizeEvent* event) override;
    void delete_download();
    // The files: archive_window_files.cpp.
    // The open download with its groups; otherwise says why nothing is written.
    bool groups_here();
    std::optional<QString> choose_file(const QString& extension, const QString& filter);
    void export_text();
    void export_csv();
    void export_pdf();
    void print_download();
    void export_report();
    void print_report();
    // This computer's issued revisions of the open download, and what the report button will do.
    void show_issued();
    void write_revision();

    Program& program_;
    DownloadRecorder* recorder_;  // none in the team view
    QtSqliteFile& file_;
    QtSqliteInspections archive_;
    QtSqliteConflicts conflict_marks_;  // this computer's archive only
    ArchiveWindowPorts ports_;
    ArchiveWindowState state_;
    bool handling_ = false;  // an event is running: the archive's change signal waits for it
    bool copying_ = false;   // the view is being copied: the widgets' signals are not events
    QString shown_limit_;    // the limit in force as the field last showed it
    std::optional<int64_t> shown_open_;  // the open download as last shown

    QLabel* fault_label_ = nullptr;
    QLabel* verdict_label_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLineEdit* limit_field_ = nullptr;
    QCheckBox* full_range_ = nullptr;
    QCheckBox* only_site_ = nullptr;
    PlanningWindow* planning_ = nullptr;  // made when first opened
    ViewTableModel* downloads_ = nullptr;
    QSortFilterProxyModel* downloads_proxy_ = nullptr;
    QTableView* downloads_view_ = nullptr;
    ViewTableModel* groups_ = nullptr;
    QSortFilterProxyModel* groups_proxy_ = nullptr;
    QTableView* groups_view_ = nullptr;
    QSplitter* detail_split_ = nullptr;  // the group table, the plots beside it
    ArchivePlot* plot_ = nullptr;
    SiteTree* site_tree_ = nullptr;
    InspectionDetailsPanel* details_ = nullptr;
    QComboBox* group_filter_ = nullptr;
    QSpinBox* plan_first_ = nullptr;
    QLabel* plan_message_ = nullptr;
    QLabel* history_title_ = nullptr;
    ArchivePlot* history_ = nullptr;
    std::vector<QPushButton*> download_buttons_;
    QPushButton* report_button_ = nullptr;
    QComboBox* revisions_ = nullptr;
    QPushButton* write_revision_ = nullptr;
    std::vector<IssuedReport> issued_;         // as the list shows them
    std::vector<QPushButton*> label_buttons_;  // those that change the test points
    ConflictList* conflicts_ = nullptr;
};

template <typename Event>
void ArchiveWindow::handle(Event&& event, bool copy_later) {
    if (copying_) return;
    handling_ = true;
    event();
    handling_ = false;
    if (copy_later) {
        QMetaObject::invokeMethod(this, &ArchiveWindow::show_view, Qt::QueuedConnection);
    } else {
        show_view();
    }
}

}  // namespace eqbond::ui
