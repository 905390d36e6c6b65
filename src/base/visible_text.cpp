#include "base/visible_text.h"

namespace eqbond {

QString visible_text(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
            case u'\n':
                out += QLatin1String("\\n");
                break;
            case u'\r':
                out += QLatin1String("\\r");
                break;
            case u'\t':
                out += QLatin1String("\\t");
                break;
            default:
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        }
    }
    return out;
}

}  // namespace eqbond
