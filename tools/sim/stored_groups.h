#pragma once
// The groups the simulated instrument stores: generated, or read from a small text file.
//
// File format, one group per line in group order (the first line is group 1):
//     value, battery, yy/mm/dd, hh:mm
// value is in milliohm (0..65535; above 40000 reads as an overload), battery 1 = low, 0 = good;
// every date and time field is one byte (0..255) as the instrument sends it. Blank lines and
// lines starting with '#' are skipped.
#include <QString>
#include <optional>
#include <vector>

#include "demo/generated_groups.h"
#include "demo/simulator_config.h"

namespace eqbond::sim {

// The groups in `text`, or nothing with `error` naming the line at fault.
std::optional<std::vector<StoredGroup>> parse_groups(const QString& text, QString* error);
std::optional<std::vector<StoredGroup>> load_groups(const QString& path, QString* error);

// The text parse_groups reads back to the same groups.
QString format_groups(const std::vector<StoredGroup>& groups);

}  // namespace eqbond::sim
