// eqbond-cli: downloads the instrument's stored groups to text, CSV and PDF files and into the
// archive, works with the archive, and prints live readings, without a window.
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>
#include <QUuid>

#include "archive/archive_location.h"
#include "base/program_settings.h"
#include "cli/archive_command.h"
#include "cli/download.h"
#include "cli/exit_codes.h"
#include "cli/inspection_options.h"
#include "cli/live.h"
#include "cli/planning_command.h"
#include "cli/report_command.h"
#include "cli/session_setup.h"
#include "cli/team_command.h"
#include "inspection/retest.h"
#include "inspection/test_plan.h"
#include "language/interface_language.h"
#include "program/command_line.h"
#include "team/team_server_address.h"

namespace {

using namespace eqbond::cli;

const char kUsage[] =
    "Usage: eqbond-cli download [--port DEVICE]... [--timeout SECONDS] [--txt FILE] [--csv FILE]\n"
    "                           [--pdf FILE] [--first N --last M] [--archive FILE | --no-archive]\n"
    "                           [--trace FILE] [--site NAME] [--location TEXT]\n"
    "                           [--inspector NAME] [--instrument SERIAL]\n"
    "                           [--plan FILE [--plan-from GROUP]]\n"
    "       eqbond-cli archive list [--limit OHM] [--site NAME] [--archive FILE]\n"
    "       eqbond-cli archive export ID [--txt FILE] [--csv FILE] [--pdf FILE] [--limit OHM]\n"
    "                                    [--archive FILE]\n"
    "       eqbond-cli archive delete ID [--archive FILE]\n"
    "       eqbond-cli archive describe ID [--site NAME] [--location TEXT] [--inspector NAME]\n"
    "                                      [--instrument SERIAL] [--notes TEXT] [--archive FILE]\n"
    "       eqbond-cli archive label ID --plan FILE [--from GROUP] [--archive FILE]\n"
    "       eqbond-cli archive label ID --group N --point TEXT [--limit OHM] [--archive FILE]\n"
    "       eqbond-cli archive report ID --pdf FILE [--limit OHM] [--lang zh|en] [--reason TEXT]\n"
    "                                   [--revision N] [--archive FILE]\n"
    "       eqbond-cli archive reports [--site NAME] [--archive FILE]\n"
    "       eqbond-cli archive sites [--archive FILE]\n"
    "       eqbond-cli archive interval --site NAME [--location TEXT] --months N\n"
    "                                   [--archive FILE]\n"
    "       eqbond-cli archive due [--within DAYS] [--site NAME] [--archive FILE]\n"
    "       eqbond-cli instrument add SERIAL --calibrated YYYY-MM-DD --due YYYY-MM-DD\n"
    "                                 [--certificate TEXT] [--model TEXT] [--archive FILE]\n"
    "       eqbond-cli instrument list [--archive FILE]\n"
    "       eqbond-cli report verify FILE [--archive FILE | --server URI]\n"
    "       eqbond-cli team setup [--server URI] | --print-sql\n"
    "       eqbond-cli team status|push|pull [--server URI] [--archive FILE]\n"
    "       eqbond-cli team list [--site NAME] [--inspector NAME] [--server URI]\n"
    "       eqbond-cli team due [--within DAYS] [--site NAME] [--server URI] [--archive FILE]\n"
    "       eqbond-cli team export UUID [--txt FILE] [--csv FILE] [--pdf FILE] [--limit OHM]\n"
    "                                   [--server URI]\n"
    "       eqbond-cli team delete UUID [--server URI]\n"
    "       eqbond-cli team history UUID [--server URI]\n"
    "       eqbond-cli team describe UUID [--site NAME] [--location TEXT] [--inspector NAME]\n"
    "                                     [--instrument SERIAL] [--notes TEXT] [--server URI]\n"
    "       eqbond-cli team label UUID --group N --point TEXT [--limit OHM] [--server URI]\n"
    "       eqbond-cli team people [ROLE NAME] [--server URI]\n"
    "       eqbond-cli live [--port DEVICE]... [--timeout SECONDS] [--count N] [--trace FILE]\n"
    "       eqbond-cli --help | --version\n"
    "\n"
    "download  Finds the instrument, reads every stored group, keeps the read in the archive and\n"
    "          writes the files asked for:\n"
    "            --txt FILE   the text report (GBK), byte for byte what the program saves\n"
    "            --csv FILE   one row per group (UTF-8 with byte-order mark, RFC 4180)\n"
    "            --pdf FILE   the printed report's pages (168 groups a page)\n"
    "            --first N --last M  only groups N..M in the CSV and PDF files\n"
    "            --no-archive  do not keep the read in the archive\n"
    "            --site, --location, --inspector, --instrument  the inspection's details;\n"
    "                         the inspector and instrument are kept for the next download\n"
    "            --plan FILE  test points, one a line (UTF-8 or GBK), given to the groups\n"
    "                         from group 1 or --plan-from GROUP on\n"
    "          Progress goes to standard error. Files are replaced only when complete.\n"
    "archive   list: one line per download, newest first (id, read at, device, groups, complete\n"
    "          or abandoned, lowest, highest; with --limit the groups that pass and fail; the\n"
    "          site and location); --site NAME lists that site's only.\n"
    "          export ID: the download's text report, CSV and PDF; --limit OHM adds a verdict per\n"
    "          group to the CSV and PDF. delete ID: removes the download.\n"
    "          describe ID: gives the download the details named. label ID: gives its groups\n"
    "          the plan's test points from group 1 or --from GROUP on. report ID: issues the\n"
    "          inspection report as PDF, in the saved interface language or --lang; the\n"
    "          limit is --limit or the saved one. The first line says its number and\n"
    "          revision (PREFIX-YYYY-NNNN revision N; the prefix is report/number_prefix in\n"
    "          the settings, EQ by default). Asked again unchanged, it writes the same bytes\n"
    "          (already issued); a report that would now say something else needs --reason\n"
    "          TEXT and is issued as the next revision. --revision N writes revision N as\n"
    "          issued. reports: one line per issued revision (number, revision, issued,\n"
    "          download id, site, location, SHA-256 of the PDF). sites: one line per site\n"
    "          (id, name, address, customer). A site named that is not known yet is made.\n"
    "          A plan line may end with | OHM, its test point's own limit. label ID --group N\n"
    "          --point TEXT [--limit OHM]: one group's test point and limit. interval: the\n"
    "          re-test interval of a site or one of its locations. due: one line per site and\n"
    "          location (overdue, due within DAYS (30) or ok; next date; last inspection;\n"
    "          site; location; plan points not measured), overdue first.\n"
    "report    verify FILE: whether FILE is, byte for byte, a report this archive issued; with\n"
    "          --server, one the team issued (its reports pushed to the team archive).\n"
    "instrument add: registers an instrument's calibration (again for a new one). list: one\n"
    "          line per instrument (serial, calibrated, due, certificate, model).\n"
    "team      The team archive on a PostgreSQL server. setup: makes the database a team\n"
    "          archive or brings its layout forward (schema, group roles eqbond_inspector and\n"
    "          eqbond_admin, grants, row-level security), run by the database's owner;\n"
    "          --print-sql prints the SQL that makes the group roles, for the database's\n"
    "          administrator to run once when the owner may not create roles. status:\n"
    "          the server, the role, how many downloads it holds, whether it can be reached (or\n"
    "          why not), how many local downloads wait and the last push. push: sends every\n"
    "          local download new or changed since its last push, one transaction each, then\n"
    "          every issued report revision the server lacks, and prints how many went and\n"
    "          how many still wait of each. pull: takes into the local\n"
    "          archive what changed on the server in the downloads it had from here, field\n"
    "          by field as a push merges, and prints how many changed (conflicts and\n"
    "          downloads deleted there as for push). list: one line per download, UUID\n"
    "          first, newest first; --site and --inspector (name or role) narrow it.\n"
    "          due: archive due over every inspector's downloads (this computer's intervals).\n"
    "          export UUID and delete UUID as for the archive. history UUID: every change the\n"
    "          server recorded, one a line (ISO time, role, action, field, old, new).\n"
    "          describe UUID and label UUID change a download's details or one group's test\n"
    "          point on the server, under its rules. people: one line per login role the\n"
    "          lab named (role, name); people ROLE NAME (an admin's): the name the role goes by\n"
    "          in the windows, an empty NAME takes it off the list.\n"
    "live      Prints live readings as CSV lines (time, milliohm, text, kind) until --count\n"
    "          lines or Ctrl-C.\n"
    "\n"
    "  -p, --port DEVICE    serial device for the next COM number (repeatable, up to 16);\n"
    "                       default: the system's serial ports\n"
    "  --timeout SECONDS    how long to look for the instrument, and how long a lost link may\n"
    "                       stay lost during a read (default 30)\n"
    "  --archive FILE       the archive (default: archive.sqlite in eqbond's data folder)\n"
    "  --server URI         the team server as libpq reads it, postgresql://USER@HOST:PORT/DB\n"
    "                       ?sslmode=require or host=... dbname=... (default: the one set in\n"
    "                       the window); the password comes from ~/.pgpass or PGPASSFILE\n"
    "  --limit OHM          the bonding limit: a group passes at or below it\n"
    "  --trace FILE         record every byte on the serial line and the link's events in\n"
    "                       FILE (a wire trace, for reporting a problem)\n"
    "\n"
    "Exit codes: 0 done; 1 bad usage; 2 no instrument found within the timeout; 3 the link was\n"
    "lost during the read and did not come back (no file written); 4 an output file could not be\n"
    "written; 5 the archive cannot be used (the message names the file and the reason; a download\n"
    "still writes its files); 6 the team archive cannot be used (the message names the server,\n"
    "without its password, and the reason: unreachable, server busy, refused ...); 7 a push\n"
    "or pull found a conflict (a field changed here and on the server: one line each on standard\n"
    "error) or a download deleted on the server (not brought back); 8 report verify: the file is\n"
    "not a report this archive (or the team) issued, or a copy of one that was altered.\n";

const QString kSayArchive = QStringLiteral(
    "say archive list, sites, due, interval, reports, export ID, delete ID, describe ID, label ID "
    "or report ID");

int bad_usage(const QString& message) {
    QTextStream(stderr) << "eqbond-cli: " << message << "\n\n" << kUsage;
    return kBadUsage;
}

bool positive_number(const QString& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    QCommandLineOption version{QStringLiteral("version"), QString()};
    QCommandLineOption port{{QStringLiteral("p"), QStringLiteral("port")}, QString(), "DEVICE"};
    QCommandLineOption timeout{QStringLiteral("timeout"), QString(), QStringLiteral("S")};
    QCommandLineOption txt{QStringLiteral("txt"), QString(), QStringLiteral("FILE")};
    QCommandLineOption csv{QStringLiteral("csv"), QString(), QStringLiteral("FILE")};
    QCommandLineOption pdf{QStringLiteral("pdf"), QString(), QStringLiteral("FILE")};
    QCommandLineOption first{QStringLiteral("first"), QString(), QStringLiteral("N")};
    QCommandLineOption last{QStringLiteral("last"), QString(), QStringLiteral("M")};
    QCommandLineOption count{QStringLiteral("count"), QString(), QStringLiteral("N")};
    QCommandLineOption archive{QStringLiteral("archive"), QString(), QStringLiteral("FILE")};
    QCommandLineOption no_archive{QStringLiteral("no-archive"), QString()};
    QCommandLineOption limit{QStringLiteral("limit"), QString(), QStringLiteral("OHM")};
    QCommandLineOption trace{QStringLiteral("trace"), QString(), QStringLiteral("FILE")};
    QCommandLineOption site{QStringLiteral("site"), QString(), QStringLiteral("NAME")};
    QCommandLineOption location{QStringLiteral("location"), QString(), QStringLiteral("TEXT")};
    QCommandLineOption inspector{QStringLiteral("inspector"), QString(), QStringLiteral("NAME")};
    QCommandLineOption instrument{QStringLiteral("instrument"), QString(), QStringLiteral("SN")};
    QCommandLineOption notes{QStringLiteral("notes"), QString(), QStringLiteral("TEXT")};
    QCommandLineOption plan{QStringLiteral("plan"), QString(), QStringLiteral("FILE")};
    QCommandLineOption plan_from{QStringLiteral("plan-from"), QString(), QStringLiteral("GROUP")};
    QCommandLineOption from{QStringLiteral("from"), QString(), QStringLiteral("GROUP")};
    QCommandLineOption lang{QStringLiteral("lang"), QString(), QStringLiteral("zh|en")};
    QCommandLineOption server{QStringLiteral("server"), QString(), QStringLiteral("URI")};
    QCommandLineOption print_sql{QStringLiteral("print-sql"), QString()};
    QCommandLineOption group{QStringLiteral("group"), QString(), QStringLiteral("N")};
    QCommandLineOption point{QStringLiteral("point"), QString(), QStringLiteral("TEXT")};
    QCommandLineOption months{QStringLiteral("months"), QString(), QStringLiteral("N")};
    QCommandLineOption within{QStringLiteral("within"), QString(), QStringLiteral("DAYS")};
    QCommandLineOption calibrated{QStringLiteral("calibrated"), QString(), QStringLiteral("DAY")};
    QCommandLineOption due{QStringLiteral("due"), QString(), QStringLiteral("DAY")};
    QCommandLineOption certificate{QStringLiteral("certificate"), QString(), QStringLiteral("T")};
    QCommandLineOption model{QStringLiteral("model"), QString(), QStringLiteral("TEXT")};
    QCommandLineOption reason{QStringLiteral("reason"), QString(), QStringLiteral("TEXT")};
    QCommandLineOption revision{QStringLiteral("revision"), QString(), QStringLiteral("N")};
    QCommandLineParser parser;
    Options() {
        parser.addOptions({help,      version,     port,      timeout,  txt,       csv,
                           pdf,       first,       last,      count,    archive,   no_archive,
                           limit,     trace,       site,      location, inspector, instrument,
                           notes,     plan,        plan_from, from,     lang,      server,
                           print_sql, group,       point,     months,   within,    calibrated,
                           due,       certificate, model,     reason,   revision});
        parser.addPositionalArgument(QStringLiteral("command"), QString());
    }
    QString archive_file() const {
        return parser.isSet(archive) ? parser.value(archive) : eqbond::default_archive_file();
    }
};

std::optional<QString> value_if_set(const QCommandLineParser& parser,
                                    const QCommandLineOption& option) {
    if (!parser.isSet(option)) return std::nullopt;
    return parser.value(option);
}

// The inspection details given; the plan's first group from `from_option`. False after a
// usage message.
bool inspection_options(const Options& o, const QCommandLineOption& from_option,
                        InspectionOptions* options) {
    const QCommandLineParser& parser = o.parser;
    options->site = value_if_set(parser, o.site);
    options->location = value_if_set(parser, o.location);
    options->inspector = value_if_set(parser, o.inspector);
    options->instrument = value_if_set(parser, o.instrument);
    options->notes = value_if_set(parser, o.notes);
    options->plan_path = parser.value(o.plan);
    if (!parser.isSet(from_option)) return true;
    int from = 0;
    if (!parser.isSet(o.plan) || !positive_number(parser.value(from_option), &from) || from < 1) {
        bad_usage(QStringLiteral("--%1 takes a group number from 1, with --plan")
                      .arg(from_option.names().value(0)));
        return false;
    }
    options->plan_from = from;
    return true;
}

int download(const Options& o, const QStringList& ports, int timeout_seconds) {
    const QCommandLineParser& parser = o.parser;
    DownloadOptions options;
    options.ports = ports;
    options.timeout_seconds = timeout_seconds;
    options.txt_path = parser.value(o.txt);
    options.csv_path = parser.value(o.csv);
    options.pdf_path = parser.value(o.pdf);
    options.trace_path = parser.value(o.trace);
    if (parser.isSet(o.no_archive) && parser.isSet(o.archive))
        return bad_usage(QStringLiteral("--archive and --no-archive exclude each other"));
    if (!parser.isSet(o.no_archive)) options.archive_file = o.archive_file();
    if (parser.isSet(o.notes) || parser.isSet(o.from))
        return bad_usage(
            QStringLiteral("download takes --plan-from, and archive describe --notes"));
    if (!inspection_options(o, o.plan_from, &options.inspection)) return kBadUsage;
    if ((options.inspection.any_detail() || parser.isSet(o.plan)) && options.archive_file.isEmpty())
        return bad_usage(QStringLiteral("inspection details and plans need the archive"));
    if (options.txt_path.isEmpty() && options.csv_path.isEmpty() && options.pdf_path.isEmpty() &&
        options.archive_file.isEmpty())
        return bad_usage(QStringLiteral("download --no-archive needs --txt, --csv or --pdf"));
    if (parser.isSet(o.first) != parser.isSet(o.last))
        return bad_usage(QStringLiteral("--first and --last go together"));
    if (parser.isSet(o.first)) {
        int n = 0, m = 0;
        if (!positive_number(parser.value(o.first), &n) ||
            !positive_number(parser.value(o.last), &m) || n < 1 || m < n)
            return bad_usage(QStringLiteral("--first N --last M need 1 <= N <= M"));
        options.first = n;
        options.last = m;
    }
    return run_download(options);
}

// archive label ID --group N --point TEXT [--limit OHM]: checked here, one message when wrong.
bool label_one_point(const Options& o, ArchiveOptions* options) {
    const QCommandLineParser& parser = o.parser;
    int group = 0;
    if (parser.isSet(o.plan) || !parser.isSet(o.point)) {
        bad_usage(QStringLiteral("archive label --group goes with --point, without --plan"));
        return false;
    }
    if (!positive_number(parser.value(o.group), &group) || group < 1) {
        print_error(QStringLiteral("--group takes a group number from 1"));
        return false;
    }
    options->group = group;
    options->point = parser.value(o.point);
    if (const std::optional<eqbond::LabelProblem> problem =
            eqbond::label_problem(options->point.trimmed())) {
        print_error(QStringLiteral("--point %1")
                        .arg(problem == eqbond::LabelProblem::TooLong
                                 ? QStringLiteral("is too long")
                                 : QStringLiteral("holds a control character")));
        return false;
    }
    if (options->point.contains(QLatin1Char('|'))) {
        print_error(QStringLiteral("--point cannot hold '|', which starts a limit in a plan"));
        return false;
    }
    if (!parser.isSet(o.limit)) return true;
    eqbond::LimitProblem problem;
    options->point_limit = eqbond::typed_point_limit(parser.value(o.limit), &problem);
    if (!options->point_limit) {
        print_error(QStringLiteral("--limit: ") + limit_problem_text(problem));
        return false;
    }
    if (options->point.trimmed().isEmpty()) {
        print_error(QStringLiteral("a limit needs a test point: say --point TEXT"));
        return false;
    }
    return true;
}

// archive interval and due, instrument add and list.
int planning(const Options& o, const QStringList& words) {
    const QCommandLineParser& parser = o.parser;
    PlanningOptions options;
    options.file = o.archive_file();
    options.site = value_if_set(parser, o.site);
    options.location = value_if_set(parser, o.location);
    const QString command = words.value(0), action = words.value(1);
    if (command == QLatin1String("archive") && action == QLatin1String("interval") &&
        words.size() == 2) {
        if (!options.site || !parser.isSet(o.months))
            return bad_usage(QStringLiteral("archive interval needs --site and --months"));
        options.action = PlanningAction::Interval;
        options.months = parser.value(o.months);
        return run_planning(options);
    }
    if (command == QLatin1String("archive") && action == QLatin1String("due") &&
        words.size() == 2) {
        if (options.location)
            return bad_usage(QStringLiteral("archive due lists every location of a site"));
        options.action = PlanningAction::Due;
        options.within_days = parser.value(o.within);
        return run_planning(options);
    }
    if (command == QLatin1String("instrument") && action == QLatin1String("add") &&
        words.size() == 3) {
        if (!parser.isSet(o.calibrated) || !parser.isSet(o.due))
            return bad_usage(QStringLiteral("instrument add needs --calibrated and --due"));
        options.action = PlanningAction::InstrumentAdd;
        options.serial = words.value(2);
        options.calibrated = parser.value(o.calibrated);
        options.due = parser.value(o.due);
        options.certificate = parser.value(o.certificate);
        options.model = parser.value(o.model);
        return run_planning(options);
    }
    if (command == QLatin1String("instrument") && action == QLatin1String("list") &&
        words.size() == 2) {
        options.action = PlanningAction::InstrumentList;
        return run_planning(options);
    }
    return bad_usage(command == QLatin1String("instrument")
                         ? QStringLiteral("say instrument add SERIAL or instrument list")
                         : kSayArchive);
}

// archive report's --reason and --revision: checked here, one message when wrong.
bool report_options(const Options& o, ArchiveOptions* options) {
    const QCommandLineParser& parser = o.parser;
    if (parser.isSet(o.reason)) {
        options->reason = parser.value(o.reason).trimmed();
        if (options->reason->isEmpty()) {
            print_error(QStringLiteral("--reason takes a text saying why the report changed"));
            return false;
        }
    }
    if (!parser.isSet(o.revision)) return true;
    int revision = 0;
    if (!positive_number(parser.value(o.revision), &revision) || revision < 1) {
        print_error(QStringLiteral("--revision takes a revision number from 1"));
        return false;
    }
    if (parser.isSet(o.limit) || parser.isSet(o.reason)) {
        print_error(
            QStringLiteral("--revision writes a revision as issued: it takes no --limit "
                           "and no --reason"));
        return false;
    }
    options->revision = revision;
    return true;
}

// report verify FILE.
int report(const Options& o, const QStringList& words) {
    if (words.size() != 3 || words.value(1) != QLatin1String("verify"))
        return bad_usage(QStringLiteral("say report verify FILE"));
    // With a server named, the team's reports are asked instead of this computer's.
    if (o.parser.isSet(o.server) && o.parser.isSet(o.archive))
        return bad_usage(QStringLiteral("report verify checks --archive FILE or --server URI"));
    return verify_report(
        words.value(2), o.archive_file(),
        o.parser.isSet(o.server) ? std::optional(o.parser.value(o.server)) : std::nullopt);
}

int archive(const Options& o, const QStringList& words) {
    const QCommandLineParser& parser = o.parser;
    ArchiveOptions options;
    options.file = o.archive_file();
    options.txt_path = parser.value(o.txt);
    options.csv_path = parser.value(o.csv);
    options.pdf_path = parser.value(o.pdf);
    const QString action = words.value(1);
    if (action == QLatin1String("interval") || action == QLatin1String("due"))
        return planning(o, words);
    // For one group's test point, --limit is the point's own limit.
    const bool one_point = action == QLatin1String("label") && parser.isSet(o.group);
    if (parser.isSet(o.limit) && !one_point) {
        options.limit = eqbond::typed_bonding_limit(parser.value(o.limit));
        if (!options.limit) return bad_usage(QStringLiteral("--limit takes ohm from 0 to 1000"));
    }
    if (one_point && !label_one_point(o, &options)) return kBadUsage;
    if (parser.isSet(o.lang)) {
        options.language = eqbond::language_named(parser.value(o.lang));
        if (!options.language) return bad_usage(QStringLiteral("--lang takes zh or en"));
    }
    if (!inspection_options(o, o.from, &options.inspection)) return kBadUsage;
    if (action == QLatin1String("list") && words.size() == 2) {
        options.action = ArchiveAction::List;
        return run_archive(options);
    }
    if (action == QLatin1String("sites") && words.size() == 2) {
        options.action = ArchiveAction::Sites;
        return run_archive(options);
    }
    if (action == QLatin1String("reports") && words.size() == 2) {
        options.action = ArchiveAction::Reports;
        return run_archive(options);
    }
    bool id_ok = false;
    options.id = words.value(2).toLongLong(&id_ok);
    if (!id_ok || options.id < 1 || words.size() != 3) return bad_usage(kSayArchive);
    if (action == QLatin1String("export")) {
        if (options.txt_path.isEmpty() && options.csv_path.isEmpty() && options.pdf_path.isEmpty())
            return bad_usage(QStringLiteral("archive export needs --txt, --csv or --pdf"));
        options.action = ArchiveAction::Export;
        return run_archive(options);
    }
    if (action == QLatin1String("delete")) {
        options.action = ArchiveAction::Delete;
        return run_archive(options);
    }
    if (action == QLatin1String("describe")) {
        if (parser.isSet(o.plan))
            return bad_usage(QStringLiteral("a plan is given with archive label"));
        if (!options.inspection.any_detail())
            return bad_usage(QStringLiteral(
                "archive describe needs --site, --location, --inspector, --instrument or --notes"));
        options.action = ArchiveAction::Describe;
        return run_archive(options);
    }
    if (action == QLatin1String("label")) {
        if (!parser.isSet(o.plan) && !options.group)
            return bad_usage(QStringLiteral("archive label needs --plan, or --group and --point"));
        if (options.inspection.any_detail())
            return bad_usage(QStringLiteral("details are given with archive describe"));
        options.action = ArchiveAction::Label;
        return run_archive(options);
    }
    if (action == QLatin1String("report")) {
        if (options.pdf_path.isEmpty())
            return bad_usage(QStringLiteral("archive report needs --pdf"));
        if (!report_options(o, &options)) return kBadUsage;
        options.action = ArchiveAction::Report;
        return run_archive(options);
    }
    return bad_usage(kSayArchive);
}

int team(const Options& o, const QStringList& words) {
    const QCommandLineParser& parser = o.parser;
    if (parser.isSet(o.print_sql)) {
        if (words.size() != 2 || words.value(1) != QLatin1String("setup"))
            return bad_usage(QStringLiteral("--print-sql goes with team setup"));
        return print_roles_sql();
    }
    TeamOptions options;
    options.server = parser.isSet(o.server)
                         ? parser.value(o.server)
                         : eqbond::ProgramSettings().value(eqbond::kTeamServerSetting).toString();
    if (options.server.trimmed().isEmpty())
        return bad_usage(QStringLiteral("say --server URI, or set the team server in the window"));
    options.archive_file = o.archive_file();
    options.site = parser.value(o.site);
    options.inspector = parser.value(o.inspector);
    options.paths = {parser.value(o.txt), parser.value(o.csv), parser.value(o.pdf)};
    if (parser.isSet(o.limit)) {
        options.limit = eqbond::typed_bonding_limit(parser.value(o.limit));
        if (!options.limit) return bad_usage(QStringLiteral("--limit takes ohm from 0 to 1000"));
    }
    const QString action = words.value(1);
    const QString kSay = QStringLiteral(
        "say team setup, status, push, pull, list, due, people, export UUID, delete UUID or "
        "history UUID");
    if (parser.isSet(o.within) && (!positive_number(parser.value(o.within), &options.within_days) ||
                                   options.within_days > eqbond::kMostDueDays)) {
        print_error(QStringLiteral("--within takes a whole number of days from 0 to %1")
                        .arg(eqbond::kMostDueDays));
        return kBadUsage;
    }
    if (action == QLatin1String("people")) {
        if (words.size() != 2 && words.size() != 4)
            return bad_usage(QStringLiteral("say team people, or team people ROLE NAME"));
        options.action = TeamAction::People;
        if (words.size() == 4) {
            options.person = {{words.value(2), words.value(3)}};
            if (options.person->first.isEmpty())
                return bad_usage(QStringLiteral("team people needs a role"));
            if (eqbond::label_problem(options.person->second))
                return bad_usage(
                    QStringLiteral("a name takes at most %1 characters and no control character")
                        .arg(eqbond::kLongestLabel));
        }
        return run_team(options);
    }
    if (words.size() == 2) {
        if (action == QLatin1String("setup"))
            options.action = TeamAction::SetUp;
        else if (action == QLatin1String("status"))
            options.action = TeamAction::Status;
        else if (action == QLatin1String("push"))
            options.action = TeamAction::Push;
        else if (action == QLatin1String("pull"))
            options.action = TeamAction::Pull;
        else if (action == QLatin1String("list"))
            options.action = TeamAction::List;
        else if (action == QLatin1String("due"))
            options.action = TeamAction::Due;
        else
            return bad_usage(kSay);
        return run_team(options);
    }
    options.uuid = words.value(2);
    if (words.size() != 3 || QUuid::fromString(options.uuid).isNull()) return bad_usage(kSay);
    if (action == QLatin1String("export")) {
        if (!options.paths.any())
            return bad_usage(QStringLiteral("team export needs --txt, --csv or --pdf"));
        options.action = TeamAction::Export;
        return run_team(options);
    }
    if (action == QLatin1String("delete")) {
        options.action = TeamAction::Delete;
        return run_team(options);
    }
    if (action == QLatin1String("history")) {
        options.action = TeamAction::History;
        return run_team(options);
    }
    if (action == QLatin1String("describe")) {
        InspectionOptions given;
        if (!inspection_options(o, o.from, &given)) return kBadUsage;
        if (!given.any_detail() || parser.isSet(o.plan))
            return bad_usage(QStringLiteral(
                "team describe needs --site, --location, --inspector, --instrument or --notes"));
        QStringList no_plan;
        if (!check_inspection_options(given, &no_plan)) return kBadUsage;
        options.details = {given.site, given.location, given.inspector, given.instrument,
                           given.notes};
        options.action = TeamAction::Describe;
        return run_team(options);
    }
    if (action == QLatin1String("label")) {
        if (!parser.isSet(o.point) || !positive_number(parser.value(o.group), &options.group) ||
            options.group < 1)
            return bad_usage(
                QStringLiteral("team label needs --group N (from 1) and --point TEXT"));
        options.point = parser.value(o.point);
        if (eqbond::label_problem(options.point))
            return bad_usage(
                QStringLiteral("--point takes at most %1 characters and no control character")
                    .arg(eqbond::kLongestLabel));
        if (options.point.contains(QLatin1Char('|')))
            return bad_usage(
                QStringLiteral("--point cannot hold '|', which starts a limit in a plan"));
        if (parser.isSet(o.limit)) {
            eqbond::LimitProblem problem;
            options.point_limit = eqbond::typed_point_limit(parser.value(o.limit), &problem);
            if (!options.point_limit)
                return bad_usage(QStringLiteral("--limit: ") + limit_problem_text(problem));
            if (options.point.isEmpty())
                return bad_usage(QStringLiteral("a limit needs a test point: say --point TEXT"));
        }
        options.action = TeamAction::Label;
        return run_team(options);
    }
    return bad_usage(kSay);
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList arguments = eqbond::command_line_arguments(argc, argv);
    eqbond::show_utf8_on_console();

    Options o;
    QCommandLineParser& parser = o.parser;
    if (!parser.parse(arguments)) return bad_usage(parser.errorText());
    if (parser.isSet(o.help)) {
        QTextStream(stdout) << kUsage;
        return kDone;
    }
    if (parser.isSet(o.version)) {
        QTextStream(stdout) << "eqbond-cli " << EQBOND_VERSION << "\n";
        return kDone;
    }
    const QStringList words = parser.positionalArguments();
    const QString command = words.value(0);
    if (words.isEmpty())
        return bad_usage(QStringLiteral("say download, archive, report, team or live"));
    const QStringList ports = parser.values(o.port);
    if (ports.size() > 16) return bad_usage(QStringLiteral("at most 16 --port devices"));
    int timeout_seconds = 30;
    if (parser.isSet(o.timeout) &&
        (!positive_number(parser.value(o.timeout), &timeout_seconds) || timeout_seconds == 0))
        return bad_usage(QStringLiteral("--timeout takes a whole number of seconds above 0"));

    // The PDF writer needs fonts, hence a GUI application; it never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (command == QLatin1String("archive")) return archive(o, words);
    if (command == QLatin1String("team")) return team(o, words);
    if (command == QLatin1String("instrument")) return planning(o, words);
    if (command == QLatin1String("report")) return report(o, words);
    if (words.size() != 1) return bad_usage(QStringLiteral("say download, archive, team or live"));
    if (command == QLatin1String("download")) return download(o, ports, timeout_seconds);
    if (command == QLatin1String("live")) {
        LiveOptions options;
        options.ports = ports;
        options.timeout_seconds = timeout_seconds;
        options.trace_path = parser.value(o.trace);
        if (parser.isSet(o.count) && !positive_number(parser.value(o.count), &options.count))
            return bad_usage(QStringLiteral("--count takes a whole number"));
        return run_live(options);
    }
    return bad_usage(QStringLiteral("unknown command %1").arg(command));
}
