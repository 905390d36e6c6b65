#include "ui/view_tables.h"

#include <QHeaderView>

#include "base/program.h"
#include "base/texts.h"
#include "ui/archive_models.h"
#include "ui/fitted_table_view.h"

namespace eqbond::ui {

namespace {
constexpr int kWidthSample = 100;  // rows
}  // namespace

QTableView* table_view(QWidget* parent, const char* name, QSortFilterProxyModel* proxy) {
    auto* view = new FittedTableView(parent);
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
    // Each column as wide as its heading or its widest text, whichever is wider: the texts in
    // sight and a sample of the others, so that a download of 500 groups or a team's list of a
    // thousand shows without measuring every row; measured again only when the rows change.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setResizeContentsPrecision(kWidthSample);
    view->horizontalHeader()->setMinimumSectionSize(
        view->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return view;
}

QSortFilterProxyModel* sorting_proxy(QObject* parent, QAbstractItemModel* source) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(source);
    proxy->setSortRole(kSortRole);
    return proxy;
}

void tell_print_outcome(Program& program, PrintOutcome outcome) {
    if (outcome == PrintOutcome::NoPrinter)
        program.ports.message_box->notify(text::kMessageTitle, text::kNoPrinterMessage);
    if (outcome == PrintOutcome::Failed)
        program.ports.message_box->notify(text::kMessageTitle, text::kPrintFailedMessage);
}

}  // namespace eqbond::ui
