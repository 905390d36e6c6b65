#include "issued/issued_settings.h"

#include "base/program_settings.h"
#include "issued/report_number.h"

namespace eqbond {

QString saved_number_prefix() {
    const QString prefix =
        ProgramSettings().value(QStringLiteral("report/number_prefix")).toString().trimmed();
    return prefix.isEmpty() ? kDefaultNumberPrefix : prefix;
}

QString saved_approver() {
    return ProgramSettings().value(QStringLiteral("report/approver")).toString().trimmed();
}

}  // namespace eqbond
