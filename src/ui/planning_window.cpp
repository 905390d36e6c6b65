#include "ui/planning_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/program.h"
#include "inspection/inspection_print.h"
#include "inspection/inspection_settings.h"
#include "inspection/inspection_texts.h"
#include "inspection/planning_view.h"
#include "ui/archive_models.h"
#include "ui/caption_room.h"
#include "ui/view_tables.h"

namespace eqbond::ui {

PlanningWindow::PlanningWindow(Program& program, InspectionBrowsing& archive, QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program), archive_(archive) {
    setWindowTitle(text::kDueTitle);
    due_ = new ViewTableModel({}, this);
    due_proxy_ = sorting_proxy(this, due_);
    instruments_ = new ViewTableModel({}, this);
    due_view_ = table_view(this, "DueTable", due_proxy_);
    instruments_view_ = table_view(this, "InstrumentTable", sorting_proxy(this, instruments_));
    within_ = new QSpinBox(this);
    within_->setObjectName(QStringLiteral("DueWithinDays"));
    within_->setRange(0, 3650);
    within_->setValue(kDefaultDueWithinDays);
    auto* print = new QPushButton(text::kPrintDue, this);
    keep_caption_readable(print);
    print->setObjectName(QStringLiteral("PrintDue"));
    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(text::kDueWithinLabel, this));
    tools->addWidget(within_);
    tools->addStretch(1);
    tools->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(due_view_, 3);
    layout->addWidget(new QLabel(text::kInstrumentsTitle, this));
    layout->addWidget(instruments_view_, 1);
    connect(within_, &QSpinBox::valueChanged, this, &PlanningWindow::refresh);
    connect(print, &QPushButton::clicked, this, &PlanningWindow::print);
    resize(900, 600);
    refresh();
}

void PlanningWindow::refresh() {
    const QDate today = QDate::currentDate();
    const PlanningView view = planning_view(
        due_lines(archive_.inspected_locations(saved_retest_months()), today, within_->value()),
        archive_.instruments(), today);
    due_table_ = view.due;
    due_->set_table(view.due);
    instruments_->set_table(view.instruments);
}

void PlanningWindow::print() {
    // As sorted on the screen.
    TableView shown;
    shown.headings = due_table_.headings;
    for (int r = 0; r < due_proxy_->rowCount(); ++r)
        shown.rows.push_back(
            due_table_.rows[size_t(due_proxy_->mapToSource(due_proxy_->index(r, 0)).row())]);
    tell_print_outcome(
        program_, program_.ports.printer
                      ? print_inspection_report(*program_.ports.printer, due_report_pages(shown))
                      : PrintOutcome::NoPrinter);
}

}  // namespace eqbond::ui
