#include "ui/team_status.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "archive/archive_texts.h"
#include "program/team_status_view.h"

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
}

}  // namespace eqbond::ui
