#pragma once
// Layout 4 of the team archive: a test point's own limit beside its label, and the lab's
// instrument register, which every inspector reads and only an admin changes.
#include <QString>
#include <QStringList>

namespace eqbond::team_schema {

// From layout 3: the statements, in order.
QStringList planning_steps();
// The privileges on them, given after rules_grants().
QStringList planning_grants();

// The register by serial: serial, model, calibrated, due (YYYY-MM-DD), certificate.
extern const QString kInstruments;
// One instrument added, or its entry replaced when it differs.
extern const QString kKeepInstrument;

}  // namespace eqbond::team_schema
