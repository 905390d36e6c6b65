#include "ui/team_status.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "program/team_status_view.h"
#include "team/team_texts.h"

namespace eqbond::ui {

TeamStatusLine::TeamStatusLine(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("TeamStatus"));
    push_ = new QPushButton(text::kTeamPushButton, this);
    push_->setObjectName(QStringLiteral("TeamPushButton"));
    auto* setup = new QPushButton(text::kTeamButton, this);
    setup->setObjectName(QStringLiteral("TeamButton"));
    local_ = new QPushButton(text::kLocalArchiveSwitch, this);
    local_->setObjectName(QStringLiteral("LocalArchiveSwitch"));
    team_ = new QPushButton(text::kTeamArchiveSwitch, this);
    team_->setObjectName(QStringLiteral("TeamArchiveSwitch"));
    auto* views = new QButtonGroup(this);
    for (QPushButton* view : {local_, team_}) {
        view->setCheckable(true);
        views->addButton(view);
        row->addWidget(view);
    }
    local_->setChecked(true);
    connect(team_, &QPushButton::toggled, this, &TeamStatusLine::view_asked);
    row->addWidget(label_, 1);
    row->addWidget(push_);
    row->addWidget(setup);
    connect(push_, &QPushButton::clicked, this, &TeamStatusLine::push_asked);
    connect(setup, &QPushButton::clicked, this, &TeamStatusLine::setup_asked);
    show_status(false, std::nullopt);
}

void TeamStatusLine::show_status(bool configured, const std::optional<TeamPushStatus>& status) {
    const TeamStatusView view = team_status_view(configured, status);
    label_->setText(view.text);
    label_->setVisible(view.shown);
    label_->setStyleSheet(view.fault ? QStringLiteral("color: #b00000") : QString());
    push_->setVisible(view.shown);
    local_->setVisible(view.shown);
    team_->setVisible(view.shown);
    if (!view.shown && team_->isChecked()) local_->setChecked(true);
}

}  // namespace eqbond::ui
