#include "wine/windows/wine_prefix.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "integration/support/wait.h"

namespace eqbond::test {

namespace {
// Debian's wine64 package keeps its loader out of PATH.
const QString kWine = QStringLiteral("/usr/lib/wine/wine64");
const QString kWineServer = QStringLiteral("/usr/lib/wine/wineserver64");

bool run_quietly(const QString& program, const QStringList& arguments,
                 const QProcessEnvironment& environment, int timeout_ms) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return process.waitForFinished(timeout_ms) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
}  // namespace

WinePrefix& WinePrefix::shared() {
    static WinePrefix prefix;
    return prefix;
}

WinePrefix::WinePrefix() : build_(qEnvironmentVariable("EQBOND_WINDOWS_BUILD")) {
    if (build_.isEmpty() || !QFile::exists(dist() + QStringLiteral("/eqbond-cli.exe"))) {
        problem_ =
            QStringLiteral("EQBOND_WINDOWS_BUILD names no Windows build (scripts/windows/build)");
        return;
    }
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("WINEPREFIX"), prefix_.path());
    environment_.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No Mono or Gecko to offer: nothing here needs them, and the offer would wait for a click.
    environment_.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    // The programs of the build folder (the tests) find the DLLs of dist; Wine passes no QT_*
    // variable on, so their plugins come from the qt.conf that scripts/windows/build writes.
    environment_.insert(QStringLiteral("WINEPATH"), windows_path(dist()));
    if (!run_quietly(kWine, {QStringLiteral("wineboot"), QStringLiteral("--init")}, environment_,
                     180000)) {
        problem_ = QStringLiteral("wineboot could not make a prefix");
        return;
    }
    // The COM ports are the tests' alone: none left to the machine's serial devices.
    QDir devices(prefix_.filePath(QStringLiteral("dosdevices")));
    for (const QString& name : devices.entryList({QStringLiteral("com*")}, QDir::System))
        devices.remove(name);
    ready_ = true;
}

WinePrefix::~WinePrefix() {
    if (!environment_.isEmpty())
        run_quietly(kWineServer, {QStringLiteral("-k")}, environment_, 30000);
}

bool WinePrefix::map_com_port(int number, const QString& unix_path) {
    const QString link = prefix_.filePath(QStringLiteral("dosdevices/com%1").arg(number));
    QFile::remove(link);
    return QFile::link(unix_path, link);
}

QString WinePrefix::windows_path(const QString& unix_path) {
    return QStringLiteral("Z:") + QString(unix_path).replace('/', '\\');
}

std::unique_ptr<QProcess> WinePrefix::start(const QString& exe, const QStringList& arguments,
                                            const QProcessEnvironment& extra) const {
    QProcessEnvironment environment = environment_;
    for (const QString& name : extra.keys()) environment.insert(name, extra.value(name));
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->start(kWine, QStringList{exe} + arguments);
    return process;
}

WineRun WinePrefix::run(const QString& exe, const QStringList& arguments, int timeout_ms,
                        const QProcessEnvironment& extra) const {
    const std::unique_ptr<QProcess> process = start(exe, arguments, extra);
    const bool ended =
        wait_until([&] { return process->state() == QProcess::NotRunning; }, timeout_ms, 10);
    if (!ended) process->kill();
    process->waitForFinished(5000);
    const bool normal = ended && process->exitStatus() == QProcess::NormalExit;
    return {normal ? process->exitCode() : -1, QString::fromUtf8(process->readAllStandardOutput()),
            QString::fromUtf8(process->readAllStandardError())};
}

void WinePrefix::wait_for_programs() const {
    run_quietly(kWineServer, {QStringLiteral("-w")}, environment_, 60000);
}

}  // namespace eqbond::test
