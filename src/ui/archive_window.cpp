#include "ui/archive_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "archive/archive_export.h"
#include "archive/archive_fault.h"
#include "archive/archive_location.h"
#include "archive/archive_texts.h"
#include "archive/qt_sqlite_file.h"
#include "base/program.h"
#include "inspection/download_recorder.h"
#include "inspection/inspection_texts.h"
#include "ui/archive_models.h"
#include "ui/archive_plot.h"
#include "ui/caption_room.h"
#include "ui/inspection_details_panel.h"
#include "ui/site_tree.h"

namespace eqbond::ui {

namespace {
QTableView* table_view(QWidget* parent, const char* name, QSortFilterProxyModel* proxy) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(proxy);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    // One line of text a row, whatever line spacing the CJK font brings.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setWordWrap(false);
    // Each column as wide as its heading or its widest text, whichever is wider.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setMinimumSectionSize(
        view->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return view;
}

QSortFilterProxyModel* sorting_proxy(QObject* parent, QAbstractItemModel* source) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(source);
    proxy->setSortRole(kSortRole);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy->setFilterKeyColumn(-1);  // the filter looks at every column
    return proxy;
}
}  // namespace

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder& recorder,
                             QWidget* parent)
    : ArchiveWindow(program, archive, &recorder, ArchiveView::ThisComputer, parent) {}

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteFile& team_copy, QWidget* parent)
    : ArchiveWindow(program, team_copy, nullptr, ArchiveView::TeamCopy, parent) {}

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder* recorder,
                             ArchiveView view, QWidget* parent)
    : QWidget(parent, view == ArchiveView::ThisComputer ? Qt::Window : Qt::Widget),
      program_(program),
      recorder_(recorder),
      view_(view),
      file_(archive),
      archive_(archive) {
    setObjectName(view == ArchiveView::ThisComputer ? QStringLiteral("ArchiveWindow")
                                                    : QStringLiteral("TeamArchiveWindow"));
    setWindowTitle(text::kArchiveTitle);
    limit_ = typed_bonding_limit(saved_bonding_limit());
    build();
    connect(&file_, &QtSqliteFile::changed, this, [this] {
        if (!storing_label_) refresh();
    });
    resize(1280, 800);
    refresh();
}

void ArchiveWindow::build() {
    downloads_ = new DownloadListModel(this);
    downloads_proxy_ = sorting_proxy(this, downloads_);
    groups_ = new GroupTableModel(this);
    groups_proxy_ = new GroupFilterProxy(groups_, this);

    fault_label_ = new QLabel(this);
    fault_label_->setObjectName(QStringLiteral("ArchiveFault"));
    fault_label_->setWordWrap(true);
    fault_label_->setStyleSheet(QStringLiteral("color: #c00000"));
    downloads_view_ = table_view(this, "DownloadList", downloads_proxy_);
    groups_view_ = table_view(this, "GroupTable", groups_proxy_);
    groups_view_->sortByColumn(GroupTableModel::Number, Qt::AscendingOrder);
    // The test point is typed in place; a long one is cut, not allowed to widen the table.
    groups_view_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
    groups_view_->horizontalHeader()->setSectionResizeMode(GroupTableModel::Point,
                                                           QHeaderView::Interactive);
    groups_view_->setColumnWidth(GroupTableModel::Point, 150);
    plot_ = new ArchivePlot(this);
    plot_->setObjectName(QStringLiteral("ArchivePlot"));
    verdict_label_ = new QLabel(this);
    verdict_label_->setObjectName(QStringLiteral("VerdictCounts"));
    site_tree_ = new SiteTree(archive_, this);
    details_ = new InspectionDetailsPanel(archive_, this);

    auto* detail = new QSplitter(Qt::Horizontal, this);
    detail->addWidget(groups_view_);
    detail->addWidget(build_plots());
    detail->setSizes({640, 260});  // the table with its comparison, the plots beside it
    auto* groups = new QWidget(this);
    auto* groups_layout = new QVBoxLayout(groups);
    groups_layout->setContentsMargins(0, 0, 0, 0);
    groups_layout->addWidget(build_group_tools());
    groups_layout->addWidget(detail, 1);
    auto* middle = new QSplitter(Qt::Vertical, this);
    middle->addWidget(downloads_view_);
    middle->addWidget(groups);
    middle->setSizes({140, 540});
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(site_tree_);
    split->addWidget(middle);
    split->addWidget(details_);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 800, 250});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_tools());
    layout->addWidget(fault_label_);
    layout->addWidget(split, 1);
    layout->addWidget(verdict_label_);
    layout->addWidget(build_buttons());

    connect(downloads_view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { open_row(current); });
    connect(groups_view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { group_chosen(current); });
    connect(groups_, &GroupTableModel::label_edited, this, &ArchiveWindow::store_label);
    connect(groups_, &GroupTableModel::label_refused, this, [this](LabelProblem problem) {
        const text::ScreenText& why =
            problem == LabelProblem::TooLong ? text::kDetailsTooLong : text::kDetailsControl;
        plan_message_->setText(why.arg(text::kColumnPoint.shown()));
    });
    connect(site_tree_, &SiteTree::inspection_chosen, this, &ArchiveWindow::open_inspection);
    connect(site_tree_, &SiteTree::site_chosen, this, [this] {
        if (only_site_->isChecked()) refresh();
    });
}

QWidget* ArchiveWindow::build_tools() {
    auto* tools = new QWidget(this);
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    filter_ = new QLineEdit(tools);
    filter_->setObjectName(QStringLiteral("ArchiveFilter"));
    filter_->setClearButtonEnabled(true);
    limit_field_ = new QLineEdit(limit_ ? saved_bonding_limit() : QString(), tools);
    limit_field_->setObjectName(QStringLiteral("BondingLimit"));
    limit_field_->setPlaceholderText(text::kNoLimit);
    limit_field_->setMaximumWidth(100);
    row->addWidget(new QLabel(text::kFilterLabel, tools));
    row->addWidget(filter_, 1);
    row->addWidget(new QLabel(text::kLimitLabel, tools));
    row->addWidget(limit_field_);
    auto* full_range = new QCheckBox(text::kFullRange, tools);
    full_range->setObjectName(QStringLiteral("PlotFullRange"));
    row->addWidget(full_range);
    connect(full_range, &QCheckBox::toggled, plot_, &ArchivePlot::set_full_range);
    only_site_ = new QCheckBox(text::kOnlyChosenSite, tools);
    only_site_->setObjectName(QStringLiteral("OnlyChosenSite"));
    row->addWidget(only_site_);
    connect(only_site_, &QCheckBox::toggled, this, &ArchiveWindow::refresh);
    // Filtering happens on the texts shown: what is typed never reaches the database.
    connect(filter_, &QLineEdit::textChanged, downloads_proxy_,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(limit_field_, &QLineEdit::editingFinished, this, &ArchiveWindow::apply_limit);
    return tools;
}

QWidget* ArchiveWindow::build_buttons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        const text::ScreenText& caption;
        void (ArchiveWindow::*action)();
    } actions[] = {
        {"ExportText", text::kExportText, &ArchiveWindow::export_text},
        {"ExportCsv", text::kExportCsv, &ArchiveWindow::export_csv},
        {"ExportPdf", text::kExportPdf, &ArchiveWindow::export_pdf},
        {"PrintDownload", text::kPrintDownload, &ArchiveWindow::print_download},
        {"ReportPdf", text::kReportPdfButton, &ArchiveWindow::export_report},
        {"PrintReport", text::kPrintReport, &ArchiveWindow::print_report},
        {"DeleteDownload", text::kDeleteDownload, &ArchiveWindow::delete_download},
    };
    row->addStretch(1);
    for (const auto& a : actions) {
        auto* button = new QPushButton(a.caption, buttons);
        keep_caption_readable(button);
        button->setObjectName(QString::fromLatin1(a.name));
        connect(button, &QPushButton::clicked, this, a.action);
        row->addWidget(button);
        download_buttons_.push_back(button);
    }
    return buttons;
}

void ArchiveWindow::apply_limit() {
    const QString typed = limit_field_->text().trimmed();
    const std::optional<BondingLimit> limit = typed_bonding_limit(typed);
    if (!typed.isEmpty() && !limit) {
        // Not a limit: the field goes back to the one in force.
        limit_field_->setText(limit_ ? saved_bonding_limit() : QString());
        return;
    }
    if (limit == limit_) return;
    limit_ = limit;
    save_bonding_limit(limit ? typed : QString());
    refresh();
}

void ArchiveWindow::refresh() {
    const std::optional<int64_t> open_id = open_ ? std::optional<int64_t>(open_->id) : std::nullopt;
    const std::optional<int64_t> site = site_tree_->chosen_site();
    downloads_->set_downloads(only_site_->isChecked() && site ? archive_.list_site(*site, limit_)
                                                              : archive_.list(limit_));
    site_tree_->refresh();
    show_fault();
    downloads_view_->sortByColumn(DownloadListModel::Started, Qt::DescendingOrder);
    // Keep the open download open; otherwise open the newest.
    QModelIndex row = downloads_proxy_->index(0, 0);
    for (int r = 0; open_id && r < downloads_proxy_->rowCount(); ++r) {
        const QModelIndex candidate = downloads_proxy_->index(r, 0);
        if (candidate.data(kIdRole).toLongLong() == *open_id) row = candidate;
    }
    open_.reset();
    if (row.isValid()) {
        downloads_view_->setCurrentIndex(row);
    }
    open_row(row);
}

void ArchiveWindow::open_row(const QModelIndex& proxy_index) {
    const int64_t id = proxy_index.isValid() ? proxy_index.data(kIdRole).toLongLong() : 0;
    if (!open_ || open_->id != id) open_ = id > 0 ? archive_.load(id) : std::nullopt;
    if (id != shown_id_) plan_message_->clear();  // it spoke of another download
    shown_id_ = id;
    show_fault();
    show_open_download();
}

void ArchiveWindow::show_open_download() {
    const std::vector<Group> none;
    const std::vector<Group>& groups = open_ ? open_->groups : none;
    compare();
    groups_->set_groups(groups, limit_, open_ ? open_->labels : PointLabels{}, points_);
    groups_view_->setColumnHidden(GroupTableModel::Verdict, !limit_);
    // The comparison's columns only for a download whose groups carry test points.
    const bool labelled = open_ && !open_->labels.empty();
    for (int column : {GroupTableModel::Previous, GroupTableModel::ChangeMilliohm,
                       GroupTableModel::ChangePercent, GroupTableModel::Deteriorated})
        groups_view_->setColumnHidden(column, !labelled);
    details_->show_download(open_);
    plan_first_->setRange(1, groups.empty() ? 1 : std::max(1, groups.back().number));
    group_chosen(groups_view_->currentIndex());
    downloads_view_->setColumnHidden(DownloadListModel::Pass, !limit_);
    downloads_view_->setColumnHidden(DownloadListModel::Fail, !limit_);
    downloads_view_->setColumnHidden(DownloadListModel::Owner, view_ != ArchiveView::TeamCopy);
    plot_->set_groups(groups, limit_);
    QString counts;
    if (open_ && limit_) {
        const Verdicts v = count_verdicts(groups, *limit_);
        counts =
            QStringLiteral("%1 %2   %3: %4   %5: %6")
                .arg(text::kLimitLabel.shown(), bonding_limit_text(*limit_), text::kPass.shown())
                .arg(v.passing)
                .arg(text::kFail.shown())
                .arg(v.failing);
    }
    verdict_label_->setText(counts);
    for (QPushButton* button : download_buttons_) button->setEnabled(open_.has_value());
}

void ArchiveWindow::open_inspection(int64_t download_id) {
    // The flat list holds every download unless its filters hide this one: then they give way.
    for (int pass = 0; pass < 2; ++pass) {
        for (int r = 0; r < downloads_proxy_->rowCount(); ++r) {
            const QModelIndex row = downloads_proxy_->index(r, 0);
            if (row.data(kIdRole).toLongLong() != download_id) continue;
            downloads_view_->setCurrentIndex(row);
            return;
        }
        filter_->clear();
    }
}

void ArchiveWindow::show_fault() {
    const std::optional<ArchiveFault> fault = archive_.fault();
    fault_label_->setVisible(fault.has_value());
    if (fault) fault_label_->setText(archive_fault_message(archive_.file(), *fault));
    if (recorder_) recorder_->report_fault(program_);
}

}  // namespace eqbond::ui
