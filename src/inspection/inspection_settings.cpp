#include "inspection/inspection_settings.h"

#include "base/program_settings.h"
#include "inspection/retest.h"

namespace eqbond {

namespace {
const QString kInspectorKey = QStringLiteral("archive/inspector");
const QString kInstrumentKey = QStringLiteral("archive/instrument_serial");
const QString kPercentKey = QStringLiteral("archive/deterioration_percent");
const QString kMilliohmKey = QStringLiteral("archive/deterioration_milliohm");
const QString kStandardKey = QStringLiteral("archive/report_standard");
const QString kRetestKey = QStringLiteral("archive/retest_months");

int saved_figure(const ProgramSettings& settings, const QString& key, int otherwise) {
    bool ok = false;
    const int figure = settings.value(key).toInt(&ok);
    return ok && figure >= 0 ? figure : otherwise;
}
}  // namespace

InspectionDefaults saved_inspection_defaults() {
    const ProgramSettings settings;
    return {settings.value(kInspectorKey).toString(), settings.value(kInstrumentKey).toString()};
}

void save_inspection_defaults(const InspectionDefaults& defaults) {
    ProgramSettings settings;
    settings.setValue(kInspectorKey, defaults.inspector);
    settings.setValue(kInstrumentKey, defaults.instrument_serial);
}

DeteriorationRule saved_deterioration_rule() {
    const ProgramSettings settings;
    const DeteriorationRule fallback;
    return {saved_figure(settings, kPercentKey, fallback.percent),
            saved_figure(settings, kMilliohmKey, fallback.milliohm)};
}

void save_deterioration_rule(DeteriorationRule rule) {
    if (rule.percent < 0 || rule.milliohm < 0) return;
    ProgramSettings settings;
    settings.setValue(kPercentKey, rule.percent);
    settings.setValue(kMilliohmKey, rule.milliohm);
}

QString saved_report_standard() {
    return ProgramSettings().value(kStandardKey).toString();
}

void save_report_standard(const QString& standard) {
    ProgramSettings().setValue(kStandardKey, standard);
}

Letterhead saved_letterhead() {
    const ProgramSettings settings;
    const auto text = [&](const char* key) {
        return settings.value(QStringLiteral("report/") + QLatin1String(key)).toString().trimmed();
    };
    return {text("lab_name"),          text("lab_address"), text("accreditation"),
            text("telephone"),         text("logo"),        text("inspector_signature"),
            text("approver_signature")};
}

int saved_retest_months() {
    const int months = saved_figure(ProgramSettings(), kRetestKey, kDefaultRetestMonths);
    return months >= kFewestRetestMonths && months <= kMostRetestMonths ? months
                                                                        : kDefaultRetestMonths;
}

}  // namespace eqbond
