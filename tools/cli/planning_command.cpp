#include "cli/planning_command.h"

#include <QTextStream>

#include "archive/qt_sqlite_file.h"
#include "cli/archive_command.h"
#include "cli/exit_codes.h"
#include "cli/session_setup.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_sqlite_planning.h"
#include "inspection/test_plan.h"

namespace eqbond::cli {

namespace {

bool refused(const QString& message) {
    print_error(message);
    return false;
}

// A whole number from `lowest` to `highest` as typed, or a message naming the option.
bool whole_number(const QString& typed, const char* option, int lowest, int highest, int* value) {
    bool ok = false;
    *value = typed.trimmed().toInt(&ok);
    if (ok && *value >= lowest && *value <= highest) return true;
    return refused(QStringLiteral("%1 takes a whole number from %2 to %3")
                       .arg(QString::fromLatin1(option))
                       .arg(lowest)
                       .arg(highest));
}

bool typed_text(const QString& typed, const char* option, QString* kept) {
    *kept = typed.trimmed();
    const std::optional<LabelProblem> problem = label_problem(*kept);
    if (!problem) return true;
    return refused(QStringLiteral("%1 %2").arg(QString::fromLatin1(option),
                                               problem == LabelProblem::TooLong
                                                   ? QStringLiteral("is too long")
                                                   : QStringLiteral("holds a control character")));
}

bool typed_date(const QString& typed, const char* option, QDate* day) {
    const std::optional<QDate> read = typed_day(typed);
    if (!read)
        return refused(QStringLiteral("%1 takes a date YYYY-MM-DD, not \"%2\"")
                           .arg(QString::fromLatin1(option), typed));
    *day = *read;
    return true;
}

bool typed_instrument(const PlanningOptions& o, Instrument* i) {
    if (!typed_text(o.serial, "the serial", &i->serial) ||
        !typed_text(o.certificate, "--certificate", &i->certificate) ||
        !typed_text(o.model, "--model", &i->model) ||
        !typed_date(o.calibrated, "--calibrated", &i->calibrated) ||
        !typed_date(o.due, "--due", &i->due))
        return false;
    if (i->serial.isEmpty()) return refused(QStringLiteral("instrument add needs a serial"));
    if (i->due < i->calibrated)
        return refused(QStringLiteral("the calibration due date %1 is before the calibration %2")
                           .arg(o.due.trimmed(), o.calibrated.trimmed()));
    return true;
}

int set_interval(QtSqlitePlanning& planning, const PlanningOptions& o, int months) {
    switch (planning.set_interval(o.site->trimmed(), o.location, months)) {
        case IntervalSet::Set:
            return kDone;
        case IntervalSet::NoSuchSite:
            print_error(QStringLiteral("the archive has no site %1").arg(o.site->trimmed()));
            return kBadUsage;
        case IntervalSet::NoSuchLocation:
            print_error(QStringLiteral("site %1 has no inspection at location %2")
                            .arg(o.site->trimmed(), *o.location));
            return kBadUsage;
        case IntervalSet::Failed:
            break;
    }
    return kArchiveUnusable;
}

int print_due(QtSqlitePlanning& planning, const PlanningOptions& o, int within) {
    const std::optional<QString> site =
        o.site ? std::optional<QString>(o.site->trimmed()) : std::nullopt;
    const auto locations = planning.inspected_locations(site, saved_retest_months());
    if (!locations) return kArchiveUnusable;
    QTextStream out(stdout);
    for (const DueLine& line : due_lines(*locations, QDate::currentDate(), within))
        out << due_line_text(line) << '\n';
    return kDone;
}

int print_instruments(QtSqlitePlanning& planning) {
    const auto instruments = planning.instruments();
    if (!instruments) return kArchiveUnusable;
    QTextStream out(stdout);
    for (const Instrument& i : *instruments)
        out << QStringList{i.serial, i.calibrated.toString(Qt::ISODate),
                           i.due.toString(Qt::ISODate), i.certificate, i.model}
                   .join(QLatin1Char('\t'))
            << '\n';
    return kDone;
}

}  // namespace

QString due_line_text(const DueLine& line) {
    static const QString kStatus[] = {QStringLiteral("overdue"), QStringLiteral("due"),
                                      QStringLiteral("ok")};
    return QStringList{kStatus[int(line.status)],
                       line.next.toString(Qt::ISODate),
                       line.location.last.toString(Qt::ISODate),
                       line.location.site,
                       line.location.location,
                       QString::number(line.location.unmeasured)}
        .join(QLatin1Char('\t'));
}

int run_planning(const PlanningOptions& o) {
    // Everything typed is checked before the archive is opened: a refusal changes nothing.
    int months = 0, within = kDefaultDueWithinDays;
    Instrument instrument;
    QString ignored;
    switch (o.action) {
        case PlanningAction::Interval:
            if (!whole_number(o.months, "--months", kFewestRetestMonths, kMostRetestMonths,
                              &months) ||
                !typed_text(*o.site, "--site", &ignored) ||
                (o.location && !typed_text(*o.location, "--location", &ignored)))
                return kBadUsage;
            break;
        case PlanningAction::Due:
            if (!o.within_days.isEmpty() &&
                !whole_number(o.within_days, "--within", 0, kMostDueDays, &within))
                return kBadUsage;
            break;
        case PlanningAction::InstrumentAdd:
            if (!typed_instrument(o, &instrument)) return kBadUsage;
            break;
        case PlanningAction::InstrumentList:
            break;
    }
    QtSqliteFile file;
    if (!open_archive(file, o.file)) return kArchiveUnusable;
    QtSqlitePlanning planning(file);
    int code = kDone;
    switch (o.action) {
        case PlanningAction::Interval:
            code = set_interval(planning, o, months);
            break;
        case PlanningAction::Due:
            code = print_due(planning, o, within);
            break;
        case PlanningAction::InstrumentAdd:
            code = planning.keep_instrument(instrument) ? kDone : kArchiveUnusable;
            break;
        case PlanningAction::InstrumentList:
            code = print_instruments(planning);
            break;
    }
    if (file.fault()) {
        print_archive_fault(file);
        return kArchiveUnusable;
    }
    return code;
}

}  // namespace eqbond::cli
