#include "records/group_entry.h"

#include "base/group.h"
#include "base/value_format.h"

namespace eqbond {

QString group_entry(const Group& group, const QString& blank_mark) {
    return group_entry(group, blank_mark, format_resistance(group.milliohm));
}

QString group_entry(const Group& group, const QString& blank_mark, const QString& value) {
    QString entry;
    entry.reserve(48);
    entry += pad_group_number(group.number);
    entry += QStringLiteral("组: ");
    entry += value;
    entry += QLatin1String("   ");
    entry += group_date_text(group);
    entry += QLatin1String("  ");
    entry += group_time_text(group);
    entry += QLatin1String("  ");
    entry += group.low_battery() ? QStringLiteral("■") : blank_mark;
    return entry;
}

}  // namespace eqbond
