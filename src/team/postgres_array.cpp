#include "team/postgres_array.h"

namespace eqbond {

QString integer_array_literal(const std::vector<int>& values) {
    QString out;
    out.reserve(int(values.size()) * 7 + 2);
    out += QLatin1Char('{');
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += QLatin1Char(',');
        out += QString::number(values[i]);
    }
    out += QLatin1Char('}');
    return out;
}

QString text_array_literal(const std::vector<std::optional<QString>>& values) {
    QString out = QStringLiteral("{");
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += QLatin1Char(',');
        if (!values[i]) {
            out += QLatin1String("NULL");
            continue;
        }
        // Inside double quotes only the quote and the backslash are special.
        out += QLatin1Char('"');
        for (const QChar c : *values[i]) {
            if (c == QLatin1Char('"') || c == QLatin1Char('\\')) out += QLatin1Char('\\');
            out += c;
        }
        out += QLatin1Char('"');
    }
    out += QLatin1Char('}');
    return out;
}

}  // namespace eqbond
