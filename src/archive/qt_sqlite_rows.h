#pragma once
// Rows of the archive's tables read into the archive's types, for the SQLite archive's files.
#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "archive/download.h"

namespace eqbond::rows {

inline QDateTime time_of(const QVariant& ms) {
    return QDateTime::fromMSecsSinceEpoch(ms.toLongLong());
}

// Eight columns from `first`: group_no, raw_value, battery, year, month, day, hour, minute.
inline Group group_of(const QSqlQuery& q, int first = 0) {
    Group g;
    g.number = q.value(first).toInt();
    g.milliohm = q.value(first + 1).toInt();
    g.battery = uint8_t(q.value(first + 2).toInt());
    g.year = q.value(first + 3).toInt();
    g.month = q.value(first + 4).toInt();
    g.day = q.value(first + 5).toInt();
    g.hour = q.value(first + 6).toInt();
    g.minute = q.value(first + 7).toInt();
    return g;
}

// Five columns from `first`: site_id, location, inspector, instrument_serial, notes.
inline InspectionDetails details_of(const QSqlQuery& q, int first) {
    InspectionDetails d;
    if (!q.value(first).isNull()) d.site_id = q.value(first).toLongLong();
    d.location = q.value(first + 1).toString();
    d.inspector = q.value(first + 2).toString();
    d.instrument_serial = q.value(first + 3).toString();
    d.notes = q.value(first + 4).toString();
    return d;
}

inline Site site_of(const QSqlQuery& q) {
    return Site{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                q.value(3).toString()};
}

// Texts bound as they are: a null QString would be stored as NULL in a NOT NULL column.
inline QVariant text_value(const QString& text) {
    return text.isNull() ? QString(QLatin1String("")) : text;
}

}  // namespace eqbond::rows
