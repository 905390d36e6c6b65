#pragma once
// Runs the eqbond-cli the build made, as a script of a lab's office would.
#include <QProcess>
#include <QString>
#include <QStringList>

#include "integration/support/wait.h"

namespace eqbond::test {

struct CliResult {
    int exit_code = -1;  // -1: it crashed or did not end within a minute
    QString out, err;
};

// eqbond-cli with `arguments`, in `environment`; waits on the event loop, so a simulated
// instrument in this process keeps answering.
inline CliResult run_cli(
    const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(EQBOND_BINARY_DIR "/tools/eqbond-cli"), arguments);
    const bool done = wait_until([&] { return cli.state() == QProcess::NotRunning; }, 60000);
    if (!done) cli.kill();
    cli.waitForFinished(2000);
    const bool ended = done && cli.exitStatus() == QProcess::NormalExit;
    return {ended ? cli.exitCode() : -1, QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

}  // namespace eqbond::test
