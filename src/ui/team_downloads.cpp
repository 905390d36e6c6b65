#include "ui/team_downloads.h"

#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include "archive/archive_texts.h"
#include "archive/qt_team_store.h"
#include "base/value_format.h"
#include "program/team_status_view.h"

namespace eqbond::ui {

TeamDownloadsPanel::TeamDownloadsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TeamDownloads"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    fault_ = new QLabel(this);
    fault_->setObjectName(QStringLiteral("TeamListFault"));
    fault_->setStyleSheet(QStringLiteral("color: #b00000"));
    fault_->hide();
    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels({text::kColumnStarted, text::kColumnTeamSite,
                                       text::kColumnTeamLocation, text::kColumnTeamInspector,
                                       text::kColumnTeamOwner, text::kColumnGroups,
                                       text::kColumnMin, text::kColumnMax});
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TeamDownloadList"));
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(fault_);
    column->addWidget(table_, 1);
}

TeamDownloadsPanel::~TeamDownloadsPanel() {
    // A listing under way ends by the connection's own timeout.
    if (listing_) listing_->wait();
}

void TeamDownloadsPanel::load(const TeamServerAddress& address) {
    if (listing_ && listing_->isRunning()) return;
    if (listing_) listing_->wait();
    struct Outcome {
        std::vector<TeamDownloadSummary> downloads;
        std::optional<TeamFault> fault;
    };
    auto outcome = std::make_shared<Outcome>();
    listing_.reset(QThread::create([address, outcome] {
        QtTeamStore store;
        std::optional<std::vector<TeamDownloadSummary>> listed;
        if (store.connect(address)) listed = store.list({});
        if (listed)
            outcome->downloads = std::move(*listed);
        else
            outcome->fault = store.fault();
    }));
    connect(listing_.get(), &QThread::finished, this, [this, outcome] {
        fault_->setVisible(bool(outcome->fault));
        if (outcome->fault)
            fault_->setText(text::kTeamNotConnected.arg(team_fault_text(outcome->fault->kind)));
        model_->setRowCount(0);
        for (const TeamDownloadSummary& s : outcome->downloads) {
            const QStringList fields{
                s.download.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                s.site_name,
                s.location,
                s.inspector,
                s.owner,
                QString::number(s.groups_held),
                s.groups_held > 0 ? format_resistance(s.lowest_milliohm).trimmed() : QString(),
                s.groups_held > 0 ? format_resistance(s.highest_milliohm).trimmed() : QString()};
            QList<QStandardItem*> row;
            for (const QString& field : fields) row << new QStandardItem(field);
            row.front()->setData(s.uuid, Qt::UserRole);
            model_->appendRow(row);
        }
    });
    listing_->start();
}

}  // namespace eqbond::ui
