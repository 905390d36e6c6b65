#include "issued/report_number.h"

#include <QRegularExpression>

namespace eqbond {

QString report_number(const QString& prefix, int year, int sequence) {
    return QStringLiteral("%1-%2-%3").arg(prefix).arg(year).arg(sequence, 4, 10, QLatin1Char('0'));
}

bool valid_number_prefix(const QString& prefix) {
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z0-9]{1,12}$"));
    return letters.match(prefix).hasMatch();
}

QString numbered_revision_text(const NumberedRevision& report) {
    return QStringLiteral("%1 revision %2").arg(report.number).arg(report.revision);
}

std::optional<NumberedRevision> numbered_revision_in(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(\b([A-Za-z0-9]{1,12}-\d{4}-\d{4,}) revision (\d{1,6})\b)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return NumberedRevision{match.captured(1), match.captured(2).toInt()};
}

}  // namespace eqbond
