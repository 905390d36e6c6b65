#include "inspection/test_plan.h"

#include <QRegularExpression>
#include <QStringConverter>
#include <limits>

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

std::optional<JudgedLimit> typed_point_limit(const QString& typed, LimitProblem* problem) {
    static const QRegularExpression kOhm(QStringLiteral(R"(^(\d*)(?:\.(\d{1,3}))?$)"));
    const QRegularExpressionMatch m =
        kOhm.match(typed.normalized(QString::NormalizationForm_KC).trimmed());
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty())) {
        *problem = LimitProblem::NotNumber;
        return std::nullopt;
    }
    const QString whole = m.captured(1);
    // Whole milliohms from the digits, so that no binary fraction rounds a limit off.
    const int32_t milliohm =
        whole.size() > 7
            ? std::numeric_limits<int32_t>::max()
            : whole.toInt() * 1000 + m.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    if (milliohm < 1 || milliohm > 1000 * 1000) {
        *problem = LimitProblem::OutOfRange;
        return std::nullopt;
    }
    return JudgedLimit{milliohm};
}

PlanLine plan_line(const QString& line) {
    const int bar = line.lastIndexOf(QLatin1Char('|'));
    if (bar < 0) return {line.trimmed(), std::nullopt};
    LimitProblem ignored;
    return {line.left(bar).trimmed(), typed_point_limit(line.mid(bar + 1), &ignored)};
}

QString plan_line_text(const PlanLine& line) {
    if (!line.limit) return line.label;
    return line.label + QStringLiteral(" | ") + limit_number(*line.limit);
}

namespace {
// Why a plan line cannot be kept, or nothing; its test point and limit in `read`.
std::optional<PlanError> line_problem(const QString& line, PlanLine* read) {
    const int bar = line.lastIndexOf(QLatin1Char('|'));
    read->label = (bar < 0 ? line : line.left(bar)).trimmed();
    read->limit.reset();
    if (const std::optional<LabelProblem> problem = label_problem(read->label))
        return PlanError{0, problem, std::nullopt};
    if (bar < 0) return std::nullopt;
    LimitProblem problem = LimitProblem::NotNumber;
    // A point of nothing but a limit, or with a '|' of its own, is as unreadable as a bad number.
    read->limit = typed_point_limit(line.mid(bar + 1), &problem);
    if (read->label.isEmpty() || read->label.contains(QLatin1Char('|')))
        return PlanError{0, std::nullopt, LimitProblem::NotNumber};
    if (!read->limit) return PlanError{0, std::nullopt, problem};
    return std::nullopt;
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
        const QString text = lines[i].trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#'))) continue;
        PlanLine line;
        if (std::optional<PlanError> error = line_problem(text, &line)) {
            plan.lines.clear();
            error->line = i + 1;
            plan.error = error;
            return plan;
        }
        plan.lines << plan_line_text(line);
    }
    return plan;
}

PlannedPoints planned_points(const QStringList& plan, const std::vector<Group>& groups,
                             int32_t first_group) {
    PlannedPoints out;
    int next = 0;
    for (const Group& g : groups) {
        if (g.number < first_group) continue;
        if (next == plan.size()) break;
        const PlanLine line = plan_line(plan[next++]);
        out.labels[g.number] = line.label;
        if (line.limit) out.limits[g.number] = *line.limit;
    }
    return out;
}

}  // namespace eqbond
