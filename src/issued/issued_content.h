#pragma once
// What an issued report said, as a canonical JSON text (keys sorted, no blanks): the details of
// its header, the limit, and each group's test point, value, limit, verdict, previous value,
// change and deterioration. Two reports say the same exactly when their texts are equal.
#include <QByteArray>
#include <QStringList>

#include "inspection/inspection_report.h"

namespace eqbond {

QByteArray issued_content(const InspectionReportInput& input);

// What differs between two contents, in English words for a message: "the limit",
// "group 3's test point", "group 7" (added or gone). Empty when they say the same.
QStringList content_changes(const QByteArray& was, const QByteArray& now);

// The SHA-256 of `bytes` as lower-case hex.
QString sha256_hex(const QByteArray& bytes);

}  // namespace eqbond
