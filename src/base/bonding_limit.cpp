#include "base/bonding_limit.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "base/download.h"
#include "base/texts.h"

namespace eqbond {

namespace {
constexpr int kTenthsPerOhm = 10000;
constexpr double kHighestLimitOhm = 1000.0;
}  // namespace

int32_t display_rank(const QString& display_text) {
    if (display_text == text::kOverload) return std::numeric_limits<int32_t>::max();
    QString digits = display_text;
    digits.remove(text::kOhm).remove(QLatin1Char('.'));
    return digits.trimmed().toInt();
}

std::optional<BondingLimit> typed_bonding_limit(const QString& typed) {
    static const QRegularExpression kPlainDecimal(QStringLiteral(R"(^(\d+\.?\d*|\.\d+)$)"));
    const QString plain = typed.normalized(QString::NormalizationForm_KC).trimmed();
    if (!kPlainDecimal.match(plain).hasMatch()) return std::nullopt;
    const double ohm = plain.toDouble();
    if (!(ohm <= kHighestLimitOhm)) return std::nullopt;
    // The small margin keeps 0.1 (0.09999... in binary) at 1000 tenths.
    return BondingLimit{int32_t(std::floor(ohm * kTenthsPerOhm + 1e-6))};
}

QString bonding_limit_text(BondingLimit limit) {
    const int32_t t = limit.tenths_of_milliohm;
    return QStringLiteral("%1.%2")
               .arg(t / kTenthsPerOhm)
               .arg(t % kTenthsPerOhm, 4, 10, QLatin1Char('0')) +
           text::kOhm;
}

bool passes(const QString& display_text, BondingLimit limit) {
    return display_text != text::kOverload &&
           display_rank(display_text) <= limit.tenths_of_milliohm;
}

bool passes(const ArchivedGroup& group, BondingLimit limit) {
    return !group.overload && passes(group.display_text, limit);
}

}  // namespace eqbond
