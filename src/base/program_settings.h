#pragma once
// The program's settings file (the bonding limit, the interface's language): eqbond and
// eqbond-cli share it, whatever each calls itself.
#include <QSettings>
#include <QString>

namespace eqbond {

inline const QString kProgramName = QStringLiteral("eqbond");

class ProgramSettings : public QSettings {
  public:
    ProgramSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, kProgramName, kProgramName) {}
};

}  // namespace eqbond
