#pragma once
// eqbond-cli's planning commands on the local archive: re-test intervals, what is due, and the
// instrument register.
#include <QString>
#include <optional>

#include "inspection/instrument_register.h"
#include "inspection/retest.h"

namespace eqbond::cli {

enum class PlanningAction { Interval, Due, InstrumentAdd, InstrumentList };

struct PlanningOptions {
    PlanningAction action = PlanningAction::Due;
    QString file;                     // the archive
    std::optional<QString> site;      // interval: the site; due: only this site's
    std::optional<QString> location;  // interval: one location of the site
    QString months;                   // interval, as typed
    QString within_days;              // due, as typed; empty: the default
    QString serial, calibrated, due, certificate, model;  // instrument add, as typed
};

// Checks what was typed (one message and code 1 when it is wrong, before the archive is opened),
// then does it. Returns the process exit code.
int run_planning(const PlanningOptions& options);

// One line of `archive due`: status, next date, last inspection, site, location, points of the
// kept plan not measured; tab-separated.
QString due_line_text(const DueLine& line);

}  // namespace eqbond::cli
