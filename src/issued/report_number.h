#pragma once
// A report's number, PREFIX-YYYY-NNNN: the lab's prefix (each laptop its own), the year of
// issue and a count per prefix and year; and its revision, named in English words wherever a
// script reads it ("EQ-2026-0007 revision 2").
#include <QString>
#include <optional>

namespace eqbond {

inline const QString kDefaultNumberPrefix = QStringLiteral("EQ");

QString report_number(const QString& prefix, int year, int sequence);

// Letters and digits only, 1 to 12 of them, so that a number reads back from any text.
bool valid_number_prefix(const QString& prefix);

struct NumberedRevision {
    QString number;
    int revision = 0;
    friend bool operator==(const NumberedRevision& a, const NumberedRevision& b) {
        return a.number == b.number && a.revision == b.revision;
    }
};

QString numbered_revision_text(const NumberedRevision& report);

// The first "NUMBER revision N" in `text`.
std::optional<NumberedRevision> numbered_revision_in(const QString& text);

}  // namespace eqbond
