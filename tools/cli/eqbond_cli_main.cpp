// eqbond-cli: downloads the instrument's stored groups to text, CSV and PDF files, and prints
// live readings, without a window.
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include "cli/download.h"
#include "cli/exit_codes.h"
#include "cli/live.h"

namespace {

using namespace eqbond::cli;

const char kUsage[] =
    "Usage: eqbond-cli download [--port DEVICE]... [--timeout SECONDS] [--txt FILE] [--csv FILE]\n"
    "                           [--pdf FILE] [--first N --last M] [--trace FILE]\n"
    "       eqbond-cli live [--port DEVICE]... [--timeout SECONDS] [--count N] [--trace FILE]\n"
    "       eqbond-cli --help | --version\n"
    "\n"
    "download  Finds the instrument, reads every stored group and writes the files asked for:\n"
    "            --txt FILE   the text report (GBK), byte for byte what the program saves\n"
    "            --csv FILE   one row per group (UTF-8 with byte-order mark, RFC 4180)\n"
    "            --pdf FILE   the printed report's pages (168 groups a page)\n"
    "            --first N --last M  only groups N..M in the CSV and PDF files\n"
    "          Progress goes to standard error. Files are replaced only when complete.\n"
    "live      Prints live readings as CSV lines (time, milliohm, text, kind) until --count\n"
    "          lines or Ctrl-C.\n"
    "\n"
    "  -p, --port DEVICE    serial device for the next COM number (repeatable, up to 16);\n"
    "                       default: the system's serial ports\n"
    "  --timeout SECONDS    how long to look for the instrument, and how long a lost link may\n"
    "                       stay lost during a read (default 30)\n"
    "  --trace FILE         record every byte on the serial line and the link's events in\n"
    "                       FILE (a wire trace, for reporting a problem)\n"
    "\n"
    "Exit codes: 0 done; 1 bad usage; 2 no instrument found within the timeout; 3 the link was\n"
    "lost during the read and did not come back (nothing written); 4 an output file could not be\n"
    "written.\n";

int bad_usage(const QString& message) {
    QTextStream(stderr) << "eqbond-cli: " << message << "\n\n" << kUsage;
    return kBadUsage;
}

bool positive_number(const QString& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    const QCommandLineOption port({QStringLiteral("p"), QStringLiteral("port")}, QString(),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QString(), QStringLiteral("S"));
    const QCommandLineOption txt(QStringLiteral("txt"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption first(QStringLiteral("first"), QString(), QStringLiteral("N"));
    const QCommandLineOption last(QStringLiteral("last"), QString(), QStringLiteral("M"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("N"));
    const QCommandLineOption trace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
    parser.addOptions({help, version, port, timeout, txt, csv, pdf, first, last, count, trace});
    parser.addPositionalArgument(QStringLiteral("command"), QString());
    if (!parser.parse(arguments)) return bad_usage(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << kUsage;
        return kDone;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "eqbond-cli " << EQBOND_VERSION << "\n";
        return kDone;
    }
    const QStringList commands = parser.positionalArguments();
    if (commands.size() != 1) return bad_usage(QStringLiteral("say download or live"));
    const QStringList ports = parser.values(port);
    if (ports.size() > 16) return bad_usage(QStringLiteral("at most 16 --port devices"));
    int timeout_seconds = 30;
    if (parser.isSet(timeout) &&
        (!positive_number(parser.value(timeout), &timeout_seconds) || timeout_seconds == 0))
        return bad_usage(QStringLiteral("--timeout takes a whole number of seconds above 0"));

    // The PDF writer needs fonts, hence a GUI application; it never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (commands.first() == QLatin1String("download")) {
        DownloadOptions options;
        options.ports = ports;
        options.timeout_seconds = timeout_seconds;
        options.txt_path = parser.value(txt);
        options.csv_path = parser.value(csv);
        options.pdf_path = parser.value(pdf);
        options.trace_path = parser.value(trace);
        if (options.txt_path.isEmpty() && options.csv_path.isEmpty() && options.pdf_path.isEmpty())
            return bad_usage(QStringLiteral("download needs --txt, --csv or --pdf"));
        if (parser.isSet(first) != parser.isSet(last))
            return bad_usage(QStringLiteral("--first and --last go together"));
        if (parser.isSet(first)) {
            int n = 0, m = 0;
            if (!positive_number(parser.value(first), &n) ||
                !positive_number(parser.value(last), &m) || n < 1 || m < n)
                return bad_usage(QStringLiteral("--first N --last M need 1 <= N <= M"));
            options.first = n;
            options.last = m;
        }
        return run_download(options);
    }
    if (commands.first() == QLatin1String("live")) {
        LiveOptions options;
        options.ports = ports;
        options.timeout_seconds = timeout_seconds;
        options.trace_path = parser.value(trace);
        if (parser.isSet(count) && !positive_number(parser.value(count), &options.count))
            return bad_usage(QStringLiteral("--count takes a whole number"));
        return run_live(options);
    }
    return bad_usage(QStringLiteral("unknown command %1").arg(commands.first()));
}
