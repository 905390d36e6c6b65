#include "archive/bonding_limit.h"

#include <QRegularExpression>
#include <cmath>

#include "base/group.h"
#include "base/texts.h"

namespace eqbond {

namespace {
constexpr int kTenthsPerOhm = 10000;
constexpr int kTenthsPerMilliohm = 10;
constexpr int kMilliohmPerOhm = 1000;
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

JudgedLimit judged_limit(BondingLimit limit) {
    return JudgedLimit{limit.tenths_of_milliohm / kTenthsPerMilliohm};
}

QString bonding_limit_text(BondingLimit limit) {
    return judged_limit_text(judged_limit(limit));
}

QString judged_limit_text(JudgedLimit limit) {
    return limit_number(limit) + text::kOhm;
}

QString limit_number(JudgedLimit limit) {
    return QStringLiteral("%1.%2")
        .arg(limit.milliohm / kMilliohmPerOhm)
        .arg(limit.milliohm % kMilliohmPerOhm, 3, 10, QLatin1Char('0'));
}

bool passes(const Group& group, JudgedLimit limit) {
    return !group.overload() && group.milliohm <= limit.milliohm;
}

}  // namespace eqbond
