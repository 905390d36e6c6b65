#pragma once
// An inspection as the archive's CSV file: the download's columns and, for a download whose
// groups carry test points, the comparison with the previous inspection.
#include <QByteArray>
#include <optional>

#include "archive/bonding_limit.h"
#include "inspection/inspection.h"

namespace eqbond {

// archived_csv's file; a labelled download gains three last columns: the test point, its value in
// the previous inspection (from `previous`) and the change in percent, empty where there is none.
QByteArray inspection_csv(const Inspection& inspection, std::optional<BondingLimit> limit,
                          const PreviousValues& previous);

}  // namespace eqbond
