#include "archive/bonding_limit.h"

#include <QRegularExpression>
#include <cmath>

#include "base/group.h"
#include "base/texts.h"
#include "base/value_format.h"

namespace eqbond {

namespace {
constexpr int kTenthsPerOhm = 10000;
constexpr double kHighestLimitOhm = 1000.0;
}  // namespace

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

bool passes(const Group& group, BondingLimit limit) {
    return shown_rank(group.milliohm) <= limit.tenths_of_milliohm;
}

}  // namespace eqbond
