#pragma once
// Rows of the archive's tables read into the archive's types, for the stores over its SQLite file
// and for the team archive's store, whose rows hold a group's columns in the same order.
#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "archive/download.h"

namespace eqbond::rows {

inline QDateTime time_of(const QVariant& ms) {
    return QDateTime::fromMSecsSinceEpoch(ms.toLongLong());
}

// Eight columns from `first`: the group's number, milliohm, battery, year, month, day, hour and
// minute.
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

// Seven columns from `first`: started_ms, finished_ms, port_no, device, reported_total,
// groups_read, complete.
inline Download download_of(const QSqlQuery& q, int first) {
    Download d;
    d.started = time_of(q.value(first));
    d.finished = time_of(q.value(first + 1));
    d.port_number = int16_t(q.value(first + 2).toInt());
    d.device = q.value(first + 3).toString();
    d.reported_total = q.value(first + 4).toInt();
    d.groups_read = q.value(first + 5).toInt();
    d.end = q.value(first + 6).toInt() == 1 ? DownloadEnd::Complete : DownloadEnd::Abandoned;
    return d;
}

// Texts bound as they are: a null QString would be stored as NULL in a NOT NULL column.
inline QVariant text_value(const QString& text) {
    return text.isNull() ? QString(QLatin1String("")) : text;
}

// An id that may be missing, bound as NULL then.
inline QVariant optional_id(const std::optional<int64_t>& id) {
    return id ? QVariant(qlonglong(*id)) : QVariant(QMetaType::fromType<qlonglong>());
}

}  // namespace eqbond::rows
