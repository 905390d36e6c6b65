#pragma once
// What the settings say about issuing reports: the number's prefix (each laptop of a lab its
// own) and who approves the reports issued here.
#include <QString>

namespace eqbond {

// report/number_prefix; "EQ" when not set.
QString saved_number_prefix();
// report/approver; empty when none is set.
QString saved_approver();

}  // namespace eqbond
