#include "inspection/instrument_register.h"

#include <QRegularExpression>

#include "inspection/retest.h"

namespace eqbond {

std::optional<QDate> typed_day(const QString& typed) {
    static const QRegularExpression kDay(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}$)"));
    const QString plain = typed.trimmed();
    if (!kDay.match(plain).hasMatch()) return std::nullopt;
    const QDate day = QDate::fromString(plain, Qt::ISODate);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

bool calibration_expired(const std::vector<Group>& groups, const Instrument& instrument) {
    const QDate last = last_measured(groups);
    return last.isValid() && last > instrument.due;
}

}  // namespace eqbond
