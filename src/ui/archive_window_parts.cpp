// The archive window's inspection controls: the group filter, the test plan's controls and the
// plots beside the group table.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "inspection/inspection_texts.h"
#include "ui/archive_plot.h"
#include "ui/archive_window.h"
#include "ui/caption_room.h"

namespace eqbond::ui {

QWidget* ArchiveWindow::build_plots() {
    auto* plots = new QWidget(this);
    auto* column = new QVBoxLayout(plots);
    column->setContentsMargins(0, 0, 0, 0);
    history_title_ = new QLabel(plots);
    history_title_->setObjectName(QStringLiteral("PointHistoryTitle"));
    history_ = new ArchivePlot(plots);
    history_->setObjectName(QStringLiteral("PointHistory"));
    history_->setMinimumSize(140, 100);
    column->addWidget(plot_, 3);
    column->addWidget(history_title_);
    column->addWidget(history_, 2);
    return plots;
}

QWidget* ArchiveWindow::build_group_tools() {
    auto* tools = new QWidget(this);
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    group_filter_ = new QComboBox(tools);
    group_filter_->setObjectName(QStringLiteral("GroupFilter"));
    group_filter_->addItem(text::kGroupFilterAll, int(GroupFilter::All));
    group_filter_->addItem(text::kGroupFilterFailing, int(GroupFilter::Failing));
    group_filter_->addItem(text::kGroupFilterDeteriorated, int(GroupFilter::Deteriorated));
    plan_first_ = new QSpinBox(tools);
    plan_first_->setObjectName(QStringLiteral("PlanFirstGroup"));
    plan_first_->setRange(1, 1);
    auto* apply = new QPushButton(text::kApplyPlan, tools);
    keep_caption_readable(apply);
    apply->setObjectName(QStringLiteral("ApplyPlan"));
    auto* kept = new QPushButton(text::kUseKeptPlan, tools);
    keep_caption_readable(kept);
    kept->setObjectName(QStringLiteral("UseKeptPlan"));
    plan_message_ = new QLabel(tools);
    plan_message_->setObjectName(QStringLiteral("PlanMessage"));
    row->addWidget(new QLabel(text::kGroupFilterLabel, tools));
    row->addWidget(group_filter_);
    row->addSpacing(12);
    row->addWidget(new QLabel(text::kPlanFirstGroup, tools));
    row->addWidget(plan_first_);
    row->addWidget(apply);
    row->addWidget(kept);
    row->addWidget(plan_message_, 1);
    label_buttons_.push_back(apply);
    label_buttons_.push_back(kept);
    connect(group_filter_, &QComboBox::currentIndexChanged, this, [this] {
        const auto filter = GroupFilter(group_filter_->currentData().toInt());
        handle([&] { state_.group_filter = filter; });
    });
    connect(plan_first_, &QSpinBox::valueChanged, this,
            [this](int first) { handle([&] { state_.plan_first_group = first; }); });
    connect(apply, &QPushButton::clicked, this,
            [this] { handle([this] { apply_plan_file(state_, ports_); }); });
    connect(kept, &QPushButton::clicked, this,
            [this] { handle([this] { apply_kept_plan(state_, ports_); }); });
    return tools;
}

}  // namespace eqbond::ui
