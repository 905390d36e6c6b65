#include "sim/stored_groups.h"

#include <QFile>
#include <QRegularExpression>

namespace eqbond::sim {

namespace {
constexpr int kHighestValue = 65535;
constexpr int kHighestByte = 255;

int byte_field(const QString& text, bool* ok) {
    const int n = text.trimmed().toInt(ok);
    if (*ok && (n < 0 || n > kHighestByte)) *ok = false;
    return n;
}
}  // namespace

std::optional<std::vector<StoredGroup>> parse_groups(const QString& text, QString* error) {
    static const QRegularExpression line_form(QStringLiteral(
        R"(^\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*/\s*(\d+)\s*/\s*(\d+)\s*,\s*(\d+)\s*:\s*(\d+)\s*$)"));
    std::vector<StoredGroup> groups;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QRegularExpressionMatch m = line_form.match(line);
        bool ok = m.hasMatch();
        StoredGroup g;
        if (ok) {
            g.value = m.captured(1).toInt(&ok);
            if (ok && g.value > kHighestValue) ok = false;
        }
        int* bytes[] = {&g.battery, &g.year, &g.month, &g.day, &g.hour, &g.minute};
        for (int f = 0; ok && f < 6; ++f) *bytes[f] = byte_field(m.captured(2 + f), &ok);
        if (!ok) {
            if (error) {
                *error = QStringLiteral(
                             "line %1: expected \"value, battery, yy/mm/dd, hh:mm\" "
                             "with value 0..65535 and the other fields 0..255, got "
                             "\"%2\"")
                             .arg(i + 1)
                             .arg(line);
            }
            return std::nullopt;
        }
        groups.push_back(g);
    }
    return groups;
}

std::optional<std::vector<StoredGroup>> load_groups(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QString parse_error;
    auto groups = parse_groups(QString::fromUtf8(file.readAll()), &parse_error);
    if (!groups && error) *error = QStringLiteral("%1: %2").arg(path, parse_error);
    return groups;
}

QString format_groups(const std::vector<StoredGroup>& groups) {
    QString text = QStringLiteral("# value, battery, yy/mm/dd, hh:mm\n");
    auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    for (const StoredGroup& g : groups) {
        text += QStringLiteral("%1, %2, %3/%4/%5, %6:%7\n")
                    .arg(g.value)
                    .arg(g.battery)
                    .arg(two(g.year), two(g.month), two(g.day), two(g.hour), two(g.minute));
    }
    return text;
}

}  // namespace eqbond::sim
