#include "base/value_format.h"

#include "base/texts.h"

namespace eqbond {

QString format_resistance(int milliohm) {
    const int whole_ohms = milliohm / 1000;
    const int hundreds = milliohm % 1000 / 100;
    const int tens = milliohm % 100 / 10;
    const int units = milliohm % 10;
    const int digit_sum = hundreds + tens + units;
    const int fourth = digit_sum * digit_sum % 10;
    const long tenths_of_milliohm = long(milliohm) * 10 + fourth;
    if (tenths_of_milliohm > 400000) return text::kOverload;

    QString out;
    out.reserve(8);
    if (whole_ohms < 10) out += QLatin1Char(' ');
    out += QString::number(whole_ohms);
    out += QLatin1Char('.');
    for (int digit : {hundreds, tens, units, fourth}) out += QChar(u'0' + digit);
    out += text::kOhm;
    return out;
}

QString pad_date_time(int value) {
    QString out = QString::number(value);
    if (value < 10) out.prepend(QLatin1Char('0'));
    return out;
}

QString pad_group_number(int group) {
    QString out = QString::number(group);
    if (group < 1000) out.prepend(QLatin1Char('0'));
    if (group < 100) out.prepend(QLatin1Char('0'));
    if (group < 10) out.prepend(QLatin1Char('0'));
    return out;
}

}  // namespace eqbond
