#pragma once
// Test plans: the labels of a location's test points in the order the inspector measures them,
// read from a text file and applied to a download's groups.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "inspection/inspection.h"

namespace eqbond {

inline constexpr int kLongestLabel = 200;

enum class PlanEncoding { Utf8, Gbk };

enum class LabelProblem { TooLong, ControlCharacter };

// What is wrong with a plan line's limit: not a plain number with at most three decimals, or
// outside 0.001..1000 ohm.
enum class LimitProblem { NotNumber, OutOfRange };

// Why a label, name or other typed text cannot be kept; nothing when it can. Every text of an
// inspection is held to the label's length, so that reports and lists can show it.
std::optional<LabelProblem> label_problem(const QString& text);

struct PlanError {
    int line = 0;                       // counted from 1
    std::optional<LabelProblem> label;  // one of the two
    std::optional<LimitProblem> limit;
};

// A limit typed in ohm at the instrument's resolution: "0.2", " 0.050 ", "1000".
std::optional<JudgedLimit> typed_point_limit(const QString& typed, LimitProblem* problem);

// One line of a plan: the test point, and the limit after the line's last '|' if it has one.
struct PlanLine {
    QString label;
    std::optional<JudgedLimit> limit;
};
PlanLine plan_line(const QString& line);

// The line as the plan keeps it: "手术室3 吊塔 PE | 0.200", or the label alone.
QString plan_line_text(const PlanLine& line);

struct ReadPlan {
    QStringList lines;                           // as the plan keeps them (plan_line_text)
    PlanEncoding encoding = PlanEncoding::Utf8;  // what the file was read as
    std::optional<PlanError> error;              // the first bad line; labels are then empty
};

// A plan file's bytes: valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything
// else as GBK. One test point a line, trimmed, with its limit after a last '|' if it has one;
// blank lines and lines starting with '#' are skipped.
ReadPlan read_plan(const QByteArray& bytes);

// Plan line 1 for group `first_group` (or the first group after it the download holds), line 2
// for the next group held, and so on as far as both go: the labels, and the limits the lines give.
PlannedPoints planned_points(const QStringList& plan, const std::vector<Group>& groups,
                             int32_t first_group);

}  // namespace eqbond
