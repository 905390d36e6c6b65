#include "ui/archive_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "archive/archive_export.h"
#include "archive/archive_fault.h"
#include "archive/archive_location.h"
#include "archive/archive_texts.h"
#include "archive/download_recorder.h"
#include "archive/qt_pdf_file.h"
#include "archive/qt_sqlite_archive.h"
#include "base/program.h"
#include "base/texts.h"
#include "report/save_button.h"
#include "ui/archive_models.h"
#include "ui/archive_plot.h"

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

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteArchive& archive, DownloadRecorder& recorder,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program), recorder_(recorder), archive_(archive) {
    setObjectName(QStringLiteral("ArchiveWindow"));
    setWindowTitle(text::kArchiveTitle);
    limit_ = typed_bonding_limit(saved_bonding_limit());
    build();
    connect(&archive_, &QtSqliteArchive::changed, this, &ArchiveWindow::refresh);
    resize(960, 640);
    refresh();
}

void ArchiveWindow::build() {
    downloads_ = new DownloadListModel(this);
    downloads_proxy_ = sorting_proxy(this, downloads_);
    groups_ = new GroupTableModel(this);
    groups_proxy_ = sorting_proxy(this, groups_);

    fault_label_ = new QLabel(this);
    fault_label_->setObjectName(QStringLiteral("ArchiveFault"));
    fault_label_->setWordWrap(true);
    fault_label_->setStyleSheet(QStringLiteral("color: #c00000"));
    downloads_view_ = table_view(this, "DownloadList", downloads_proxy_);
    groups_view_ = table_view(this, "GroupTable", groups_proxy_);
    groups_view_->sortByColumn(GroupTableModel::Number, Qt::AscendingOrder);
    plot_ = new ArchivePlot(this);
    plot_->setObjectName(QStringLiteral("ArchivePlot"));
    verdict_label_ = new QLabel(this);
    verdict_label_->setObjectName(QStringLiteral("VerdictCounts"));

    auto* detail = new QSplitter(Qt::Horizontal, this);
    detail->addWidget(groups_view_);
    detail->addWidget(plot_);
    detail->setSizes({480, 420});  // the table with its verdict column, the plot beside it
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(downloads_view_);
    split->addWidget(detail);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_tools());
    layout->addWidget(fault_label_);
    layout->addWidget(split, 1);
    layout->addWidget(verdict_label_);
    layout->addWidget(build_buttons());

    connect(downloads_view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { open_row(current); });
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
        {"DeleteDownload", text::kDeleteDownload, &ArchiveWindow::delete_download},
    };
    row->addStretch(1);
    for (const auto& a : actions) {
        auto* button = new QPushButton(a.caption, buttons);
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
    downloads_->set_downloads(archive_.list(limit_));
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
    show_fault();
    show_open_download();
}

void ArchiveWindow::show_open_download() {
    const std::vector<Group> none;
    const std::vector<Group>& groups = open_ ? open_->groups : none;
    groups_->set_groups(groups, limit_);
    groups_view_->setColumnHidden(GroupTableModel::Verdict, !limit_);
    downloads_view_->setColumnHidden(DownloadListModel::Pass, !limit_);
    downloads_view_->setColumnHidden(DownloadListModel::Fail, !limit_);
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

void ArchiveWindow::show_fault() {
    const std::optional<ArchiveFault> fault = archive_.fault();
    fault_label_->setVisible(fault.has_value());
    if (fault) fault_label_->setText(archive_fault_message(archive_.file(), *fault));
    recorder_.report_fault(program_);
}

std::optional<QString> ArchiveWindow::choose_file(const QString& extension, const QString& filter) {
    if (!open_ || !program_.ports.file_dialogs) return std::nullopt;
    const QString name =
        QStringLiteral("eqbond-%1%2")
            .arg(open_->download.started.toString(QStringLiteral("yyyyMMdd-HHmmss")), extension);
    return program_.ports.file_dialogs->choose_save_file(
        SaveRequest{extension, name, filter, suggested_save_folder()});
}

void ArchiveWindow::export_text() {
    const std::optional<QString> path = choose_file(QStringLiteral(".txt"), text::kReportFilter);
    if (path && !replace_file(*path, archived_text_report(*open_)))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::export_csv() {
    const std::optional<QString> path = choose_file(QStringLiteral(".csv"), text::kCsvFilter);
    if (path && !replace_file(*path, archived_csv(*open_, limit_)))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::export_pdf() {
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    if (!path) return;
    QString error;
    const auto print = [this](PrinterSink& printer) {
        return print_archived(printer, *open_, limit_);
    };
    if (!write_pdf_file(*path, print, &error))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::print_download() {
    if (!open_) return;
    PrintOutcome outcome = PrintOutcome::NoPrinter;
    if (program_.ports.printer) outcome = print_archived(*program_.ports.printer, *open_, limit_);
    if (outcome == PrintOutcome::NoPrinter)
        program_.ports.message_box->notify(text::kMessageTitle, text::kNoPrinterMessage);
    if (outcome == PrintOutcome::Failed)
        program_.ports.message_box->notify(text::kMessageTitle, text::kPrintFailedMessage);
}

void ArchiveWindow::delete_download() {
    if (!open_) return;
    QMessageBox ask(
        QMessageBox::Question, text::kArchiveTitle,
        text::kConfirmDelete.arg(started_text(open_->download)).arg(open_->groups.size()),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("ConfirmDelete"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) return;
    const int64_t id = open_->id;
    open_.reset();
    // On success the archive's changed() reads the list again; a failure shows in the window.
    if (!archive_.delete_download(id)) refresh();
}

}  // namespace eqbond::ui
