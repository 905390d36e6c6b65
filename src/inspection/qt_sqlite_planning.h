#pragma once
// The archive's planning records in its SQLite file: re-test intervals of sites and locations,
// what each location's latest inspection was, and the lab's instruments.
#include <QString>
#include <optional>
#include <vector>

#include "archive/qt_sqlite_file.h"
#include "inspection/instrument_register.h"
#include "inspection/retest.h"

namespace eqbond {

enum class IntervalSet { Set, NoSuchSite, NoSuchLocation, Failed };

class QtSqlitePlanning {
  public:
    explicit QtSqlitePlanning(QtSqliteFile& file) : file_(file) {}

    // The interval of a site (no location: every location without one of its own) or of one of
    // its locations, which must have an inspection.
    IntervalSet set_interval(const QString& site, const std::optional<QString>& location,
                             int months);
    // Every site's location that has an inspection, or one site's; `default_months` where no
    // interval is set. Nothing on a fault.
    std::optional<std::vector<InspectedLocation>> inspected_locations(
        const std::optional<QString>& site, int default_months);

    // The interval this archive keeps for a site's location, by their names; nothing when it
    // keeps none (or on a fault).
    std::optional<int> interval(const QString& site, const QString& location);

    // Adds an instrument, or replaces the register's entry of its serial (a new calibration).
    bool keep_instrument(const Instrument& instrument);
    // The register by serial; nothing on a fault.
    std::optional<std::vector<Instrument>> instruments();
    std::optional<Instrument> instrument(const QString& serial);

  private:
    bool read_location(int64_t download_id, int64_t site_id, InspectedLocation* location);

    QtSqliteFile& file_;
};

}  // namespace eqbond
