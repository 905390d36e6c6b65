#include "archive/archive_location.h"

#include <QDir>
#include <QStandardPaths>

#include "base/program_settings.h"

namespace eqbond {

namespace {
const QString kLimitKey = QStringLiteral("archive/bonding_limit_ohm");
}  // namespace

QString default_archive_file() {
    // The window and the command line share one archive, whatever each program calls itself.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(kProgramName + QStringLiteral("/archive.sqlite"));
}

QString saved_bonding_limit() {
    return ProgramSettings().value(kLimitKey).toString();
}

void save_bonding_limit(const QString& typed) {
    ProgramSettings settings;
    if (typed.isEmpty()) {
        settings.remove(kLimitKey);
    } else {
        settings.setValue(kLimitKey, typed);
    }
}

}  // namespace eqbond
