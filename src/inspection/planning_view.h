#pragma once
// The archive window's planning view: each location's re-test date, overdue in red, due soon in
// amber and in order in green, with the words too for black-and-white print; and the instrument
// register, an expired calibration in red.
#include <QDate>
#include <QStringList>
#include <vector>

#include "inspection/archive_window_view.h"
#include "inspection/inspection_report.h"
#include "inspection/instrument_register.h"
#include "inspection/retest.h"

namespace eqbond {

namespace due_column {
enum : int { Status, Next, Last, SiteName, Location, Unmeasured, Count };
}
namespace instrument_column {
enum : int { Serial, Calibrated, Due, Certificate, Model, Count };
}

struct PlanningView {
    TableView due;
    TableView instruments;
};

PlanningView planning_view(const std::vector<DueLine>& due,
                           const std::vector<Instrument>& register_, QDate today);

// The due lines as printed, in the order shown: a title and the headings on every page, one row
// per location, the page number at the foot.
std::vector<ReportPage> due_report_pages(const TableView& due);

}  // namespace eqbond
