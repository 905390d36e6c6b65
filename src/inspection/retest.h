#pragma once
// When each site's location is due for its next inspection: its last inspection plus its re-test
// interval, set beside today as overdue, due soon or in order.
#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

#include "base/group.h"

namespace eqbond {

inline constexpr int kDefaultRetestMonths = 12;
inline constexpr int kFewestRetestMonths = 1;
inline constexpr int kMostRetestMonths = 120;
inline constexpr int kDefaultDueWithinDays = 30;
inline constexpr int kMostDueDays = 36500;  // a hundred years: anything further is a typing slip

// A location as the archive knows it: when it was last inspected and how often it is to be.
struct InspectedLocation {
    QString site;
    QString location;
    QDate last;          // the latest day a group of its latest download was measured on
    int months = 0;      // its re-test interval
    int unmeasured = 0;  // points of its kept plan its latest download did not measure
};

enum class DueStatus { Overdue, Due, Ok };

struct DueLine {
    DueStatus status = DueStatus::Ok;
    QDate next;
    InspectedLocation location;
};

// One line per location: overdue when its next date has passed, due when it comes within
// `within_days` of `today`, otherwise in order; overdue first, then by next date.
std::vector<DueLine> due_lines(const std::vector<InspectedLocation>& locations, QDate today,
                               int within_days);

// The day a group was measured on (the instrument's two-digit year is 20YY); invalid for a date
// the instrument never gives.
QDate measured_on(const Group& group);

// The latest day any of `groups` was measured on; invalid when none has a date.
QDate last_measured(const std::vector<Group>& groups);

}  // namespace eqbond
