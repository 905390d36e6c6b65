#include "ui/archive_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "archive/archive_texts.h"
#include "archive/qt_sqlite_file.h"
#include "base/program.h"
#include "inspection/archive_window_view.h"
#include "inspection/download_recorder.h"
#include "inspection/inspection_texts.h"
#include "ui/archive_models.h"
#include "ui/archive_plot.h"
#include "ui/caption_room.h"
#include "ui/conflict_list.h"
#include "ui/inspection_details_panel.h"
#include "ui/planning_window.h"
#include "ui/site_tree.h"
#include "ui/view_tables.h"

namespace eqbond::ui {

namespace {
std::optional<int64_t> key_of(const QModelIndex& index) {
    if (!index.isValid()) return std::nullopt;
    return index.data(kKeyRole).toLongLong();
}

// Copies a table: its rows, hidden columns and the row chosen.
void copy_table(const TableView& table, ViewTableModel* model, QSortFilterProxyModel* proxy,
                QTableView* view) {
    model->set_table(table);
    for (size_t c = 0; c < table.hidden.size(); ++c) view->setColumnHidden(int(c), table.hidden[c]);
    QModelIndex current;
    for (int r = 0; table.current && r < proxy->rowCount(); ++r)
        if (key_of(proxy->index(r, 0)) == table.current) current = proxy->index(r, 0);
    if (current != view->currentIndex()) view->setCurrentIndex(current);
}
}  // namespace

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder& recorder,
                             QWidget* parent)
    : ArchiveWindow(program, archive, &recorder, nullptr, nullptr, parent) {}

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteFile& team_copy,
                             InspectionBrowsing& browsing, InspectionEditing& editing,
                             QWidget* parent)
    : ArchiveWindow(program, team_copy, nullptr, &browsing, &editing, parent) {}

ArchiveWindow::ArchiveWindow(Program& program, QtSqliteFile& archive, DownloadRecorder* recorder,
                             InspectionBrowsing* browsing, InspectionEditing* editing,
                             QWidget* parent)
    : QWidget(parent, editing ? Qt::Widget : Qt::Window),
      program_(program),
      recorder_(recorder),
      file_(archive),
      archive_(archive),
      conflict_marks_(archive, archive_),
      ports_{browsing ? *browsing : archive_, editing ? *editing : archive_,
             program.ports.file_dialogs, editing ? nullptr : &conflict_marks_} {
    const ArchiveSide side = editing ? ArchiveSide::TeamCopy : ArchiveSide::ThisComputer;
    setObjectName(side == ArchiveSide::ThisComputer ? QStringLiteral("ArchiveWindow")
                                                    : QStringLiteral("TeamArchiveWindow"));
    state_.side = side;
    build();
    // A change made elsewhere (a read archived, the team's copy brought up to date) is read at
    // once; one made by an event here is read by that event.
    connect(&file_, &QtSqliteFile::changed, this, [this] {
        if (!handling_) refresh();
        if (planning_ && planning_->isVisible()) planning_->refresh();
    });
    // Within a laptop's 1366x768 screen, its task bar and the window's frame.
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1280, room.width()), std::min(680, room.height() - 40));
    handle([this] { load_archive_window(state_, ports_); });
}

void ArchiveWindow::build() {
    setWindowTitle(text::kArchiveTitle);
    downloads_ = new ViewTableModel({}, this);
    downloads_proxy_ = sorting_proxy(this, downloads_);
    groups_ = new ViewTableModel({group_column::Point, group_column::Limit}, this);
    groups_proxy_ = sorting_proxy(this, groups_);
    // The columns are there before the first view is copied, for the headers to set up.
    const ArchiveWindowView empty = archive_window_view(state_);
    downloads_->set_table(empty.downloads);
    groups_->set_table(empty.groups);

    fault_label_ = new QLabel(this);
    fault_label_->setObjectName(QStringLiteral("ArchiveFault"));
    fault_label_->setWordWrap(true);
    fault_label_->setStyleSheet(QStringLiteral("color: #c00000"));
    downloads_view_ = table_view(this, "DownloadList", downloads_proxy_);
    downloads_view_->sortByColumn(download_column::Started, Qt::DescendingOrder);
    // Where and by whom right after when: the counts may scroll out of sight, these may not.
    QHeaderView* listed = downloads_view_->horizontalHeader();
    int place = 1;
    for (int column :
         {download_column::SiteName, download_column::Location, download_column::Owner})
        listed->moveSection(listed->visualIndex(column), place++);
    groups_view_ = table_view(this, "GroupTable", groups_proxy_);
    groups_view_->sortByColumn(group_column::Number, Qt::AscendingOrder);
    // The test point is typed in place; a long one is cut, not allowed to widen the table.
    groups_view_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
    groups_view_->horizontalHeader()->setSectionResizeMode(group_column::Point,
                                                           QHeaderView::Interactive);
    groups_view_->setColumnWidth(group_column::Point, 96);
    plot_ = new ArchivePlot(this);
    plot_->setObjectName(QStringLiteral("ArchivePlot"));
    plot_->setMinimumSize(140, 100);  // the plots yield their room to the group table
    verdict_label_ = new QLabel(this);
    verdict_label_->setObjectName(QStringLiteral("VerdictCounts"));
    site_tree_ = new SiteTree(this);
    details_ = new InspectionDetailsPanel(this);
    conflicts_ = new ConflictList(this);

    auto* detail = new QSplitter(Qt::Horizontal, this);
    detail->addWidget(groups_view_);
    detail->addWidget(build_plots());
    detail->setSizes({640, 260});  // the table with its comparison, the plots beside it
    detail->setStretchFactor(0, 1);
    detail_split_ = detail;
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
    split->setSizes({180, 920, 200});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_tools());
    layout->addWidget(fault_label_);
    layout->addWidget(split, 1);
    layout->addWidget(conflicts_);
    layout->addWidget(verdict_label_);
    layout->addWidget(build_buttons());

    connect(downloads_view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                handle([&] { choose_download(state_, ports_, key_of(current)); });
            });
    connect(groups_view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const std::optional<int64_t> key = key_of(current);
                handle([&] {
                    choose_group(state_, ports_,
                                 key ? std::optional<int32_t>(int32_t(*key)) : std::nullopt);
                });
            });
    // A test point or limit taken changes the table, which is inside its edit: it is copied once
    // the edit has finished. One refused changes only the line that says why.
    groups_->on_edit = [this](int64_t number, int column, const QString& typed) {
        bool taken = false;
        handle(
            [&] {
                taken = column == group_column::Limit
                            ? type_point_limit(state_, ports_, int32_t(number), typed)
                            : type_label(state_, ports_, int32_t(number), typed);
            },
            true);
        if (!taken) show_view();
        return taken;
    };
    site_tree_->on_open = [this](int64_t site) {
        handle([&] { open_site(state_, ports_, site); });
    };
    site_tree_->on_choose = [this](const TreeChoice& choice) {
        handle([&] { choose_in_tree(state_, ports_, choice); });
    };
    details_->on_site_chosen = [this](int64_t site) {
        handle([&] { choose_details_site(state_, site); });
    };
    conflicts_->on_settle = [this](size_t index, ConflictChoice choice) {
        handle([&] { settle_conflict(state_, ports_, index, choice); });
    };
    details_->on_save = [this] {
        const DetailsForm typed = details_->typed();
        handle([&] { save_details(state_, ports_, typed); });
    };
}

QWidget* ArchiveWindow::build_tools() {
    auto* tools = new QWidget(this);
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    filter_ = new QLineEdit(tools);
    filter_->setObjectName(QStringLiteral("ArchiveFilter"));
    filter_->setClearButtonEnabled(true);
    limit_field_ = new QLineEdit(tools);
    limit_field_->setObjectName(QStringLiteral("BondingLimit"));
    limit_field_->setPlaceholderText(text::kNoLimit);
    limit_field_->setMaximumWidth(100);
    row->addWidget(new QLabel(text::kFilterLabel, tools));
    row->addWidget(filter_, 1);
    row->addWidget(new QLabel(text::kLimitLabel, tools));
    row->addWidget(limit_field_);
    full_range_ = new QCheckBox(text::kFullRange, tools);
    full_range_->setObjectName(QStringLiteral("PlotFullRange"));
    row->addWidget(full_range_);
    only_site_ = new QCheckBox(text::kOnlyChosenSite, tools);
    only_site_->setObjectName(QStringLiteral("OnlyChosenSite"));
    row->addWidget(only_site_);
    auto* planning = new QPushButton(text::kPlanningButton, tools);
    keep_caption_readable(planning);
    planning->setObjectName(QStringLiteral("OpenPlanning"));
    row->addWidget(planning);
    connect(planning, &QPushButton::clicked, this, &ArchiveWindow::open_planning);
    connect(full_range_, &QCheckBox::toggled, this,
            [this](bool full) { handle([&] { state_.full_range = full; }); });
    connect(only_site_, &QCheckBox::toggled, this,
            [this](bool only) { handle([&] { show_only_chosen_site(state_, ports_, only); }); });
    connect(filter_, &QLineEdit::textChanged, this,
            [this](const QString& typed) { handle([&] { type_filter(state_, typed); }); });
    connect(limit_field_, &QLineEdit::editingFinished, this, [this] {
        const QString typed = limit_field_->text();
        handle([&] { type_limit(state_, ports_, typed); });
        // What is not a limit gives way to the one in force.
        limit_field_->setText(state_.limit_text);
    });
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
        if (a.action == &ArchiveWindow::export_report) report_button_ = button;
    }
    // Issued revisions are this computer's: the team view has none to list.
    revisions_ = new QComboBox(buttons);
    revisions_->setObjectName(QStringLiteral("IssuedRevisions"));
    write_revision_ = new QPushButton(text::kWriteRevisionButton, buttons);
    write_revision_->setObjectName(QStringLiteral("WriteRevision"));
    keep_caption_readable(write_revision_);
    connect(write_revision_, &QPushButton::clicked, this, &ArchiveWindow::write_revision);
    row->insertWidget(1, revisions_);
    row->insertWidget(2, write_revision_);
    revisions_->setVisible(state_.side == ArchiveSide::ThisComputer);
    write_revision_->setVisible(state_.side == ArchiveSide::ThisComputer);
    return buttons;
}

void ArchiveWindow::open_planning() {
    if (!planning_) planning_ = new PlanningWindow(program_, archive_, this);
    planning_->refresh();
    planning_->show();
    planning_->raise();
}

void ArchiveWindow::refresh() {
    handle([this] { refresh_archive_window(state_, ports_); });
}

void ArchiveWindow::reread_open() {
    handle([this] { reread_open_download(state_, ports_); });
}

void ArchiveWindow::note_team_round(const std::optional<TeamRights>& rights,
                                    const std::optional<ServerReply>& reply) {
    handle([&] {
        if (rights)
            eqbond::note_team_rights(state_, rights->role, rights->changes_any, rights->people);
        refresh_archive_window(state_, ports_);
        if (reply) eqbond::note_server_answer(state_, reply->answer, reply->why);
    });
}

void ArchiveWindow::show_view() {
    const ArchiveWindowView view = archive_window_view(state_);
    copying_ = true;
    setWindowTitle(view.title);
    fault_label_->setVisible(view.fault_shown);
    fault_label_->setText(view.fault);
    if (filter_->text() != state_.filter) filter_->setText(state_.filter);
    // The limit typed stays while it is typed; the one in force shows once it changed.
    if (view.limit_field != shown_limit_) limit_field_->setText(view.limit_field);
    shown_limit_ = view.limit_field;
    full_range_->setChecked(view.full_range);
    copy_table(view.downloads, downloads_, downloads_proxy_, downloads_view_);
    copy_table(view.groups, groups_, groups_proxy_, groups_view_);
    verdict_label_->setText(view.verdict_counts);
    for (QPushButton* button : download_buttons_) button->setEnabled(view.download_open);
    for (QPushButton* button : label_buttons_) button->setEnabled(view.labels_editable);
    plan_first_->setRange(1, view.plan_last_group);
    plan_first_->setValue(view.plan_first_group);
    plan_message_->setText(view.plan_message);
    group_filter_->setCurrentIndex(group_filter_->findData(int(state_.group_filter)));
    plot_->set_groups(view.plot, view.limit, view.plot_limits);
    plot_->set_full_range(view.full_range);
    history_title_->setText(view.history_title);
    history_->set_groups(view.history, view.limit, view.history_limits);
    history_->set_x_labels(view.history_days);
    history_->set_point_tips(view.history_tips);
    site_tree_->show_view(view.tree);
    details_->show_view(view.details);
    conflicts_->show_view(view.conflicts, view.conflicts_shown);
    fit_group_columns();
    show_issued();
    copying_ = false;
    const std::optional<int64_t> open =
        state_.open ? std::optional<int64_t>(state_.open->id) : std::nullopt;
    if (open != shown_open_) {
        shown_open_ = open;
        emit download_opened();
    }
    if (recorder_) recorder_->report_fault(program_);
}

void ArchiveWindow::fit_group_columns() {
    const QList<int> sizes = detail_split_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (total <= 0) return;
    int need =
        2 * groups_view_->frameWidth() + groups_view_->verticalScrollBar()->sizeHint().width();
    QHeaderView* header = groups_view_->horizontalHeader();
    // The table's own hint is the base class's public one.
    const QAbstractItemView* cells = groups_view_;
    for (int c = 0; c <= group_column::ChangePercent; ++c) {
        if (groups_view_->isColumnHidden(c)) continue;
        need += header->sectionResizeMode(c) == QHeaderView::ResizeToContents
                    ? std::max(cells->sizeHintForColumn(c), header->sectionSizeHint(c))
                    : header->sectionSize(c);
    }
    const int plots = std::max(total - need, detail_split_->widget(1)->minimumSizeHint().width());
    if (sizes.value(1) != plots) detail_split_->setSizes({total - plots, plots});
}

void ArchiveWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_group_columns();
}

void ArchiveWindow::delete_download() {
    const ArchiveWindowView view = archive_window_view(state_);
    if (!view.download_open) return;
    QMessageBox ask(QMessageBox::Question, text::kArchiveTitle, view.confirm_delete,
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("ConfirmDelete"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) return;
    std::optional<QString> on_server;
    handle([&] { on_server = delete_open_download(state_, ports_); });
    if (on_server) emit removal_asked(*on_server);
}

}  // namespace eqbond::ui
