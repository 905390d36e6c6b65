// The archive's tables measure their columns once for each change of their rows: a text that
// grows or rows replaced still widen the column to show it whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QStringListModel>
#include <QTableView>
#include <functional>

#include "ui/view_tables.h"

namespace eqbond {
namespace {

TEST(FittedColumns, AColumnWidensWhenItsRowsChange) {
    const QString wide = QStringLiteral("接地端子 TP-0001 of the north switch room, cabinet 12");
    const struct Case {
        const char* name;
        std::function<void(QStringListModel&)> change;
    } cases[] = {
        {"a text grows", [&](QStringListModel& m) { m.setData(m.index(3), wide); }},
        {"the rows are replaced",
         [&](QStringListModel& m) {
             m.setStringList({QStringLiteral("TP-1"), wide});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        QStringList points;
        for (int r = 0; r < 200; ++r) points << QStringLiteral("TP-%1").arg(r);
        QStringListModel model(points);
        QTableView* table = ui::table_view(&window, "Table", ui::sorting_proxy(&window, &model));
        table->resize(900, 300);
        window.show();
        QApplication::processEvents();
        const int narrow = table->columnWidth(0);
        ASSERT_LT(narrow, table->fontMetrics().horizontalAdvance(wide));
        c.change(model);
        QApplication::processEvents();
        EXPECT_GE(table->columnWidth(0), table->fontMetrics().horizontalAdvance(wide));
    }
}

}  // namespace
}  // namespace eqbond
