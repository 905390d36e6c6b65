#include "base/typed_number.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace eqbond {

std::optional<int16_t> typed_int16(const QString& typed) {
    static const QRegularExpression kDecimal(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString plain = typed.normalized(QString::NormalizationForm_KC).trimmed();
    if (!kDecimal.match(plain).hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    // nearbyint rounds an exact half to the even neighbour under the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

}  // namespace eqbond
