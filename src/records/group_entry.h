#pragma once
#include <QString>

namespace eqbond {

struct Group;

// One group as the listing, the report and the printout show it: "0007组: " the resistance,
// 3 blanks, year/month/day, 2 blanks, hour:minute, 2 blanks and the mark: "■" for a low
// battery, otherwise `blank_mark` (its width differs between the three).
QString group_entry(const Group& group, const QString& blank_mark);
// The same with `value` (8 characters) in place of the resistance as displayed.
QString group_entry(const Group& group, const QString& blank_mark, const QString& value);

}  // namespace eqbond
