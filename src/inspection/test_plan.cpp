#include "inspection/test_plan.h"

#include <QStringConverter>

#include "base/gbk.h"

namespace eqbond {

std::optional<LabelProblem> label_problem(const QString& text) {
    if (text.size() > kLongestLabel) return LabelProblem::TooLong;
    for (QChar c : text)
        if (c.category() == QChar::Other_Control) return LabelProblem::ControlCharacter;
    return std::nullopt;
}

namespace {
QString decoded(const QByteArray& bytes, PlanEncoding* encoding) {
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        *encoding = PlanEncoding::Utf8;
        return text;
    }
    *encoding = PlanEncoding::Gbk;
    return gbk_decoded(bytes);
}
}  // namespace

ReadPlan read_plan(const QByteArray& bytes) {
    ReadPlan plan;
    const QString text = decoded(bytes, &plan.encoding);
    // Lines end in LF, CR LF or CR alike.
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), '\n');
    const QStringList lines = unified.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString label = lines[i].trimmed();
        if (label.isEmpty() || label.startsWith(QLatin1Char('#'))) continue;
        if (const std::optional<LabelProblem> problem = label_problem(label)) {
            plan.labels.clear();
            plan.error = PlanError{i + 1, *problem};
            return plan;
        }
        plan.labels << label;
    }
    return plan;
}

PointLabels plan_labels(const QStringList& plan, const std::vector<Group>& groups,
                        int32_t first_group) {
    PointLabels out;
    int line = 0;
    for (const Group& g : groups) {
        if (g.number < first_group) continue;
        if (line == plan.size()) break;
        out[g.number] = plan[line++];
    }
    return out;
}

}  // namespace eqbond
