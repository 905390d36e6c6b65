#include "report/csv_report.h"

#include <QStringList>
#include <algorithm>

#include "base/file_texts.h"
#include "base/record_store.h"

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

std::optional<int> milliohm_of_display_text(const QString& text) {
    // Whole ohms, a point, three milliohm digits and a derived fourth decimal.
    const QString number = text.trimmed().chopped(text.endsWith(QChar(0x03A9)) ? 1 : 0).trimmed();
    const int point = number.indexOf(QLatin1Char('.'));
    if (point < 1 || number.size() != point + 5) return std::nullopt;
    bool whole_ok = false, milli_ok = false;
    const int whole = number.left(point).toInt(&whole_ok);
    const int milli = number.mid(point + 1, 3).toInt(&milli_ok);
    if (!whole_ok || !milli_ok) return std::nullopt;
    return whole * 1000 + milli;
}

QStringList csv_header_fields() {
    return file_text::kCsvHeader;
}

QStringList csv_group_fields(const RecordStore& store, int g) {
    const std::optional<int> milliohm = milliohm_of_display_text(store.rec_value[g]);
    return {QString::number(store.rec_index[g]),
            milliohm ? QString::number(*milliohm) : QString(),
            store.rec_value[g],
            QStringLiteral("20") + store.rec_year[g] + QLatin1Char('-') + store.rec_month[g] +
                QLatin1Char('-') + store.rec_day[g],
            store.rec_hour[g] + QLatin1Char(':') + store.rec_minute[g],
            store.rec_batt[g] == 1 ? QStringLiteral("1") : QStringLiteral("0")};
}

QByteArray csv_report(const RecordStore& store, int first, int last) {
    QString out = csv_row(csv_header_fields());
    const int from = std::max(first, RecordStore::kFirstShown);
    const int to = std::min(last, RecordStore::kLastShown);
    for (int g = from; g <= to; ++g) {
        if (store.shown(g)) out += csv_row(csv_group_fields(store, g));
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

}  // namespace eqbond
