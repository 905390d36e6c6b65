#include "base/value_format.h"

#include <limits>

#include "base/group.h"
#include "base/texts.h"

namespace eqbond {

namespace {
constexpr int32_t kHighestShownTenths = 400000;
}

int32_t shown_tenths_of_milliohm(int milliohm) {
    const int digit_sum = milliohm % 1000 / 100 + milliohm % 100 / 10 + milliohm % 10;
    return int32_t(milliohm) * 10 + digit_sum * digit_sum % 10;
}

bool is_overload(int milliohm) {
    return shown_tenths_of_milliohm(milliohm) > kHighestShownTenths;
}

int32_t shown_rank(int milliohm) {
    return is_overload(milliohm) ? std::numeric_limits<int32_t>::max()
                                 : shown_tenths_of_milliohm(milliohm);
}

QString format_resistance(int milliohm) {
    if (is_overload(milliohm)) return text::kOverload;
    const int32_t tenths = shown_tenths_of_milliohm(milliohm);
    const int whole_ohms = tenths / 10000;
    QString out;
    out.reserve(8);
    if (whole_ohms < 10) out += QLatin1Char(' ');
    out += QString::number(whole_ohms);
    out += QLatin1Char('.');
    for (int divisor : {1000, 100, 10, 1}) out += QChar(u'0' + tenths / divisor % 10);
    out += text::kOhm;
    return out;
}

QString measured_resistance(int milliohm) {
    if (is_overload(milliohm)) return text::kOverload;
    return QStringLiteral("%1 ").arg(milliohm / 1000.0, 6, 'f', 3) + text::kOhm;
}

QString pad_date_time(int value) {
    QString out = QString::number(value);
    if (value < 10) out.prepend(QLatin1Char('0'));
    return out;
}

QString group_date_text(const Group& group) {
    return pad_date_time(group.year) + QLatin1Char('/') + pad_date_time(group.month) +
           QLatin1Char('/') + pad_date_time(group.day);
}

QString group_time_text(const Group& group) {
    return pad_date_time(group.hour) + QLatin1Char(':') + pad_date_time(group.minute);
}

QString pad_group_number(int group) {
    QString out = QString::number(group);
    if (group < 1000) out.prepend(QLatin1Char('0'));
    if (group < 100) out.prepend(QLatin1Char('0'));
    if (group < 10) out.prepend(QLatin1Char('0'));
    return out;
}

}  // namespace eqbond
