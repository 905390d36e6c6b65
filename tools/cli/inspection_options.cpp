#include "cli/inspection_options.h"

#include <QFile>
#include <QTextStream>

#include "cli/session_setup.h"
#include "inspection/inspection_settings.h"
#include "inspection/test_plan.h"

namespace eqbond::cli {

namespace {

QString problem_text(LabelProblem problem) {
    return problem == LabelProblem::TooLong
               ? QStringLiteral("is longer than %1 characters").arg(kLongestLabel)
               : QStringLiteral("contains a control character");
}

}  // namespace

QString limit_problem_text(LimitProblem problem) {
    return problem == LimitProblem::NotNumber
               ? QStringLiteral("the limit is not a number of ohm with at most three decimals")
               : QStringLiteral("the limit is not from 0.001 to 1000 ohm");
}

namespace {

bool acceptable(const char* option, const std::optional<QString>& value) {
    if (!value) return true;
    const std::optional<LabelProblem> problem = label_problem(*value);
    if (!problem) return true;
    print_error(QStringLiteral("%1 %2").arg(QString::fromLatin1(option), problem_text(*problem)));
    return false;
}

bool read_plan_file(const QString& path, QStringList* labels) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        print_error(QStringLiteral("cannot read the plan %1: %2").arg(path, file.errorString()));
        return false;
    }
    const ReadPlan plan = read_plan(file.readAll());
    if (plan.error) {
        print_error(QStringLiteral("plan %1, line %2: %3")
                        .arg(path)
                        .arg(plan.error->line)
                        .arg(plan.error->label ? QStringLiteral("the test point ") +
                                                     problem_text(*plan.error->label)
                                               : limit_problem_text(*plan.error->limit)));
        return false;
    }
    QTextStream(stderr) << "eqbond-cli: plan read as "
                        << (plan.encoding == PlanEncoding::Utf8 ? "UTF-8" : "GBK") << ", "
                        << plan.lines.size() << " test points\n";
    *labels = plan.lines;
    return true;
}

// Notes may run over several lines, within the same length as a name.
bool acceptable_notes(const std::optional<QString>& notes) {
    if (!notes) return true;
    QString one_line = *notes;
    one_line.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\t'), QLatin1Char(' '));
    return acceptable("--notes", one_line);
}

}  // namespace

bool check_inspection_options(const InspectionOptions& o, QStringList* plan) {
    // Every detail but the notes is a name.
    if (!acceptable("--site", o.site) || !acceptable("--location", o.location) ||
        !acceptable("--inspector", o.inspector) || !acceptable("--instrument", o.instrument) ||
        !acceptable_notes(o.notes))
        return false;
    if (o.site && o.site->trimmed().isEmpty()) {
        print_error(QStringLiteral("--site needs a name"));
        return false;
    }
    return o.plan_path.isEmpty() || read_plan_file(o.plan_path, plan);
}

bool describe_download(QtSqliteInspections& archive, int64_t id, const InspectionOptions& o,
                       const QStringList& plan) {
    const std::optional<Inspection> download = archive.load(id);
    if (!download) {
        if (!archive.fault())
            print_error(QStringLiteral("the archive holds no download %1").arg(id));
        return false;
    }
    // What is not given stays as it is, its site too.
    InspectionDetails details = download->details;
    SiteChoice site{details.site_id.value_or(0), {}, {}, {}};
    if (o.site) site = {0, o.site->trimmed(), {}, {}};
    if (o.location) details.location = *o.location;
    if (o.inspector) details.inspector = *o.inspector;
    if (o.instrument) details.instrument_serial = *o.instrument;
    if (o.notes) details.notes = *o.notes;
    if (o.any_detail() && !archive.describe(id, site, details)) return false;
    if (o.plan_path.isEmpty()) return true;
    const PlannedPoints points = planned_points(plan, download->groups, o.plan_from);
    if (!archive.label_from_plan(id, points, plan)) return false;
    QTextStream(stderr) << "eqbond-cli: " << points.labels.size() << " groups labelled from group "
                        << o.plan_from << "\n";
    return true;
}

NewInspection new_inspection(const InspectionOptions& o, const QStringList& plan) {
    const InspectionDefaults kept = saved_inspection_defaults();
    NewInspection given;
    if (o.site) given.site.name = o.site->trimmed();
    given.details.location = o.location.value_or(QString());
    given.details.inspector = o.inspector.value_or(kept.inspector);
    given.details.instrument_serial = o.instrument.value_or(kept.instrument_serial);
    given.details.notes = o.notes.value_or(QString());
    given.plan = plan;
    given.plan_from = o.plan_from;
    return given;
}

}  // namespace eqbond::cli
