// eqbond-screens: the pictures the README shows, taken from the real windows on the offscreen
// platform with the built-in simulated instrument, so they are made again whenever the program
// changes (scripts/screenshots runs it).
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <functional>

#include "base/program.h"
#include "language/translations.h"
#include "link/instrument_buttons.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_window.h"
#include "ui/fonts.h"
#include "ui/main_window.h"

namespace {

// Runs the event loop until `done` holds or the deadline passes.
bool run_until(const std::function<bool()>& done, int deadline_ms) {
    QDeadlineTimer deadline(deadline_ms);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

bool save(QWidget& widget, const QString& file) {
    run_until([] { return false; }, 300);  // the last repaint lands
    if (widget.grab().save(file)) return true;
    QTextStream(stderr) << "eqbond-screens: cannot write " << file << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 ||
        (arguments[2] != QLatin1String("zh") && arguments[2] != QLatin1String("en"))) {
        QTextStream(stderr) << "usage: eqbond-screens FOLDER zh|en\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    const QString suffix = QLatin1Char('-') + arguments[2] + QStringLiteral(".png");
    eqbond::ui::LaunchOptions options;
    options.demo = true;
    options.splash = false;
    options.language = *eqbond::language_named(arguments[2]);
    QTemporaryDir archive_folder;
    options.archive_file = archive_folder.filePath(QStringLiteral("archive.sqlite"));
    eqbond::install_translations(options.language, nullptr);
    eqbond::ui::install_font_substitutes();
    QApplication::setFont(eqbond::ui::song_font(9));

    eqbond::ui::AppController controller(options);
    QString error;
    if (!controller.start(&error)) {
        QTextStream(stderr) << "eqbond-screens: " << error << "\n";
        return 1;
    }
    eqbond::Program& program = controller.program();
    if (!run_until([&] { return program.state.link.linked; }, 15000)) {
        QTextStream(stderr) << "eqbond-screens: the demo instrument did not answer\n";
        return 1;
    }
    eqbond::on_read_clicked(program);
    if (!run_until([&] { return !program.state.link.reading(); }, 120000)) {
        QTextStream(stderr) << "eqbond-screens: the read did not end\n";
        return 1;
    }
    if (!save(*controller.main_window(), folder.filePath(QStringLiteral("main-window") + suffix)))
        return 1;
    eqbond::ui::ArchiveWindow* archive = controller.archive()->show_window();
    archive->resize(1100, 720);
    if (!save(*archive, folder.filePath(QStringLiteral("archive-window") + suffix))) return 1;
    return 0;
}
