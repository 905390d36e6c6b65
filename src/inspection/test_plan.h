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

// Why a label, name or other typed text cannot be kept; nothing when it can. Every text of an
// inspection is held to the label's length, so that reports and lists can show it.
std::optional<LabelProblem> label_problem(const QString& text);

struct PlanError {
    int line = 0;  // counted from 1
    LabelProblem problem = LabelProblem::TooLong;
};

struct ReadPlan {
    QStringList labels;
    PlanEncoding encoding = PlanEncoding::Utf8;  // what the file was read as
    std::optional<PlanError> error;              // the first bad line; labels are then empty
};

// A plan file's bytes: valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything
// else as GBK. One label a line, trimmed; blank lines and lines starting with '#' are skipped.
ReadPlan read_plan(const QByteArray& bytes);

// Plan line 1 for group `first_group` (or the first group after it the download holds), line 2
// for the next group held, and so on as far as both go.
PointLabels plan_labels(const QStringList& plan, const std::vector<Group>& groups,
                        int32_t first_group);

}  // namespace eqbond
