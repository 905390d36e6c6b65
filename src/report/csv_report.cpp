#include "report/csv_report.h"

#include <QStringList>
#include <algorithm>

#include "base/file_texts.h"
#include "base/record_store.h"
#include "base/value_format.h"

namespace eqbond {

namespace {
QString quoted(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')) &&
        field.trimmed() == field)
        return field;
    QString out = field;
    out.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

}  // namespace

QString csv_row(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields) out << quoted(f);
    return out.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QStringList csv_header_fields() {
    return file_text::kCsvHeader;
}

QStringList csv_group_fields(const Group& group) {
    return {QString::number(group.number),
            group.overload() ? QString() : QString::number(group.milliohm),
            format_resistance(group.milliohm),
            QStringLiteral("20") + pad_date_time(group.year) + QLatin1Char('-') +
                pad_date_time(group.month) + QLatin1Char('-') + pad_date_time(group.day),
            group_time_text(group),
            group.low_battery() ? QStringLiteral("1") : QStringLiteral("0")};
}

QByteArray csv_report(const RecordStore& store, int first, int last) {
    QString out = csv_row(csv_header_fields());
    const int from = std::max(first, RecordStore::kFirstShown);
    const int to = std::min(last, RecordStore::kLastShown);
    for (int g = from; g <= to; ++g) {
        if (store.shown(g)) out += csv_row(csv_group_fields(store.at(g)));
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

}  // namespace eqbond
