// eqbond: the desktop companion of the bonding resistance tester.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include "language/translations.h"
#include "link/port_table.h"
#include "program/command_line.h"
#include "ui/app_controller.h"
#include "ui/fonts.h"

namespace {

// Options are read before the window system is opened, so --help works without a display.
eqbond::ui::LaunchOptions parse_options(int argc, char** argv) {
    const QStringList arguments = eqbond::command_line_arguments(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Desktop companion of the equipotential-bonding resistance tester (RS-232, 9600,n,8,1).\n"
        "Without options it walks the system's serial ports COM1..COM16 to find the instrument."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version."));
    const QCommandLineOption port(
        QStringList{QStringLiteral("p"), QStringLiteral("port")},
        QStringLiteral("Serial device for the next COM number (COM1, COM2, ...); repeat for more, "
                       "up to 16. Replaces the system's port list."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral(
            "Put a simulated instrument at COM2, answered inside the program, and use it."));
    const QCommandLineOption no_splash(QStringLiteral("no-splash"),
                                       QStringLiteral("Open the main window directly."));
    const QCommandLineOption archive(
        QStringLiteral("archive"),
        QStringLiteral("Keep the archive of downloads in FILE instead of archive.sqlite in the "
                       "program's data folder (--demo: a temporary archive)."),
        QStringLiteral("FILE"));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Record every byte on the serial line and the link's events in FILE (a "
                       "wire trace, for reporting a problem)."),
        QStringLiteral("FILE"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("Interface language of this run: zh (Chinese) or en (English). Without it, "
                       "the language chosen in the main window, Chinese unless chosen otherwise."),
        QStringLiteral("LANGUAGE"));
    parser.addOptions({help, version, port, demo, no_splash, archive, trace, lang});
    if (!parser.parse(arguments)) {
        QTextStream(stderr) << "eqbond: " << parser.errorText() << "\nTry eqbond --help.\n";
        ::exit(1);
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText().replace(QLatin1String("<executable_name>"),
                                                         QLatin1String("eqbond"));
        ::exit(0);
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "eqbond " << EQBOND_VERSION << "\n";
        ::exit(0);
    }

    eqbond::ui::LaunchOptions options;
    options.ports = parser.values(port);
    if (options.ports.size() > eqbond::PortTable::kSlots) {
        QTextStream(stderr) << "eqbond: at most 16 --port devices\n";
        ::exit(1);
    }
    options.demo = parser.isSet(demo);
    options.splash = !parser.isSet(no_splash);
    options.archive_file = parser.value(archive);
    options.trace_path = parser.value(trace);
    if (parser.isSet(lang)) {
        options.language_asked = eqbond::language_named(parser.value(lang));
        if (!options.language_asked) {
            QTextStream(stderr) << "eqbond: --lang takes zh or en\n";
            ::exit(1);
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::ui::LaunchOptions options = parse_options(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("eqbond"));
    QApplication::setApplicationVersion(QStringLiteral(EQBOND_VERSION));
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("example.korval.eqbond"));
    options.language = eqbond::interface_language(options.language_asked);
    QString missing;
    if (!eqbond::install_translations(options.language, &missing)) {
        QTextStream(stderr) << "eqbond: " << missing
                            << " not found; those texts stay in their source language.\n";
    }
    eqbond::ui::install_font_substitutes();
    QApplication::setFont(eqbond::ui::song_font(9));

    eqbond::ui::AppController controller(options);
    QString error;
    if (!controller.start(&error)) {
        QTextStream(stderr) << "eqbond: " << error << "\n";
        return 1;
    }
    return app.exec();
}
