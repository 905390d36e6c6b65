#include "ui/conflict_list.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "inspection/inspection_texts.h"
#include "ui/archive_models.h"
#include "ui/caption_room.h"

namespace eqbond::ui {

ConflictList::ConflictList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ConflictList"));
    model_ = new ViewTableModel({}, this);  // nothing typed into
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("ConflictTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMaximumHeight(120);
    take_server_ = new QPushButton(text::kTakeServerValue, this);
    take_server_->setObjectName(QStringLiteral("TakeServerValue"));
    keep_here_ = new QPushButton(text::kKeepHereValue, this);
    keep_here_->setObjectName(QStringLiteral("KeepHereValue"));
    for (QPushButton* button : {take_server_, keep_here_}) keep_caption_readable(button);
    connect(take_server_, &QPushButton::clicked, this, [this] { settle(ConflictChoice::Server); });
    connect(keep_here_, &QPushButton::clicked, this, [this] { settle(ConflictChoice::Here); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(take_server_);
    buttons->addWidget(keep_here_);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(table_, 1);
    row->addLayout(buttons);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(text::kConflictsHeading, this));
    column->addLayout(row);
    setVisible(false);
}

void ConflictList::show_view(const TableView& conflicts, bool shown) {
    model_->set_table(conflicts);
    // The first stays chosen, so that a button always has one to settle.
    if (shown && !table_->currentIndex().isValid()) table_->setCurrentIndex(model_->index(0, 0));
    setVisible(shown);
}

void ConflictList::settle(ConflictChoice choice) {
    const QModelIndex current = table_->currentIndex();
    if (current.isValid() && on_settle)
        on_settle(size_t(current.data(kKeyRole).toLongLong()), choice);
}

}  // namespace eqbond::ui
