#pragma once
// What the program's settings keep about inspections: the inspector and instrument last given
// (the defaults for the next download), the deterioration rule and the report's standard line.
#include <QString>

#include "inspection/inspection_comparison.h"
#include "inspection/inspection_report.h"

namespace eqbond {

struct InspectionDefaults {
    QString inspector;
    QString instrument_serial;
};

InspectionDefaults saved_inspection_defaults();
// Empty texts are kept too: the user cleared them.
void save_inspection_defaults(const InspectionDefaults& defaults);

// The rule's figures, 50% and 10 mΩ until changed; figures below 0 are not kept.
DeteriorationRule saved_deterioration_rule();
void save_deterioration_rule(DeteriorationRule rule);

// The standard the lab tests to, as the inspection report's header names it; empty by default.
QString saved_report_standard();
void save_report_standard(const QString& standard);

// The lab's letterhead and the signature images: report/lab_name, report/lab_address,
// report/accreditation, report/telephone, report/logo, report/inspector_signature and
// report/approver_signature; empty when not set.
Letterhead saved_letterhead();

// The re-test interval of a site or location that has none of its own: 12 months until changed;
// a figure outside 1..120 is not taken.
int saved_retest_months();

}  // namespace eqbond
