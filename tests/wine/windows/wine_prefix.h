#pragma once
// A Wine prefix of this test run for the Windows build (EQBOND_WINDOWS_BUILD, the build-windows
// folder of scripts/windows/build), with COM ports mapped to simulated instruments'
// pseudo-terminals, and the programs of that build run in it.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace eqbond::test {

struct WineRun {
    int exit_code = -1;  // -1: it crashed or did not end in time
    QString out, err;
};

class WinePrefix {
  public:
    // Made once for the whole run (wineboot takes seconds); ended with wineserver -k.
    static WinePrefix& shared();
    ~WinePrefix();

    bool ready() const { return ready_; }
    QString problem() const { return problem_; }

    // The folder of the Windows build, and its dist folder of the programs and their DLLs.
    QString build() const { return build_; }
    QString dist() const { return build_ + QStringLiteral("/dist"); }
    QString drive_c() const { return prefix_.filePath(QStringLiteral("drive_c")); }

    // COMn answered by the device at `unix_path` (a pseudo-terminal, or a link to one).
    bool map_com_port(int number, const QString& unix_path);

    // A Unix path as the Windows programs reach it (through drive Z:).
    static QString windows_path(const QString& unix_path);

    // Runs a Windows program of this build; waits on the event loop, so simulated instruments of
    // this process keep answering.
    WineRun run(const QString& exe, const QStringList& arguments, int timeout_ms = 120000,
                const QProcessEnvironment& extra = {}) const;
    // Starts one and leaves it running.
    std::unique_ptr<QProcess> start(const QString& exe, const QStringList& arguments,
                                    const QProcessEnvironment& extra = {}) const;
    // Waits until every program of the prefix has ended (an uninstaller goes on in the background).
    void wait_for_programs() const;

  private:
    WinePrefix();

    QTemporaryDir prefix_;
    QString build_;
    QProcessEnvironment environment_;
    bool ready_ = false;
    QString problem_;
};

}  // namespace eqbond::test
