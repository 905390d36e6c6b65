#pragma once
// "测量档案": every archived download, newest first, with a filter; the open download's groups
// in a sortable table and a plot; export, print and delete; the bonding limit.
#include <QWidget>
#include <optional>

#include "archive/bonding_limit.h"
#include "archive/download.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace eqbond {
class DownloadRecorder;
class QtSqliteArchive;
struct Program;
}  // namespace eqbond

namespace eqbond::ui {

class ArchivePlot;
class DownloadListModel;
class GroupTableModel;

class ArchiveWindow : public QWidget {
    Q_OBJECT
  public:
    ArchiveWindow(Program& program, QtSqliteArchive& archive, DownloadRecorder& recorder,
                  QWidget* parent = nullptr);

    // Reads the list again and opens the newest download shown.
    void refresh();
    // The download whose groups are shown, if any.
    const std::optional<ArchivedDownload>& open_download() const { return open_; }

    QTableView* download_list() const { return downloads_view_; }
    QTableView* group_table() const { return groups_view_; }
    ArchivePlot* plot() const { return plot_; }

  private:
    void build();
    QWidget* build_tools();
    QWidget* build_buttons();
    void apply_limit();
    void open_row(const QModelIndex& proxy_index);
    void show_open_download();
    void show_fault();
    void export_text();
    void export_csv();
    void export_pdf();
    void print_download();
    void delete_download();
    std::optional<QString> choose_file(const QString& extension, const QString& filter);

    Program& program_;
    DownloadRecorder& recorder_;
    QtSqliteArchive& archive_;
    std::optional<BondingLimit> limit_;
    std::optional<ArchivedDownload> open_;

    QLabel* fault_label_ = nullptr;
    QLabel* verdict_label_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLineEdit* limit_field_ = nullptr;
    DownloadListModel* downloads_ = nullptr;
    QSortFilterProxyModel* downloads_proxy_ = nullptr;
    QTableView* downloads_view_ = nullptr;
    GroupTableModel* groups_ = nullptr;
    QSortFilterProxyModel* groups_proxy_ = nullptr;
    QTableView* groups_view_ = nullptr;
    ArchivePlot* plot_ = nullptr;
    std::vector<QPushButton*> download_buttons_;
};

}  // namespace eqbond::ui
