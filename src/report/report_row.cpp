#include "report/report_row.h"

#include "base/record_store.h"
#include "records/group_entry.h"

namespace eqbond {

namespace {
const QString kBlankMark(2, QLatin1Char(' '));
const QString kAfterLeft(24, QLatin1Char(' '));
const QString kAfterRight(1, QLatin1Char(' '));
}  // namespace

QString two_column_row(const RecordStore& store, int left_slot, int right_slot,
                       MissingLeft missing_left) {
    const bool left = store.shown(left_slot);
    const bool right = store.shown(right_slot);
    QString row;
    if (left) {
        row += group_entry(store.at(left_slot), kBlankMark) + kAfterLeft;
    } else if (right && missing_left == MissingLeft::Blank) {
        row += QString(kLeftColumnCells, QLatin1Char(' '));
    }
    if (right) row += group_entry(store.at(right_slot), kBlankMark) + kAfterRight;
    return row;
}

}  // namespace eqbond
