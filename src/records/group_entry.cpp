#include "records/group_entry.h"

#include "base/record_store.h"
#include "base/value_format.h"

namespace eqbond {

QString group_entry(const RecordStore& store, int slot, const QString& blank_mark) {
    QString entry;
    entry.reserve(48);
    entry += pad_group_number(store.rec_index[slot]);
    entry += QStringLiteral("组: ");
    entry += store.rec_value[slot];
    entry += QLatin1String("   ");
    entry += store.rec_year[slot] + QLatin1Char('/') + store.rec_month[slot] + QLatin1Char('/') +
             store.rec_day[slot];
    entry += QLatin1String("  ");
    entry += store.rec_hour[slot] + QLatin1Char(':') + store.rec_minute[slot];
    entry += QLatin1String("  ");
    entry += store.rec_batt[slot] == 1 ? QStringLiteral("■") : blank_mark;
    return entry;
}

}  // namespace eqbond
