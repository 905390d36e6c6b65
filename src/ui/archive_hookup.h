#pragma once
// The archive in the running program: opens the file (a temporary one for the demo), hands it to
// the core, and opens the archive window from a small button in the free band along the bottom
// of the main window and from Ctrl+D.
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

namespace eqbond {
class DownloadRecorder;
class QtSqliteFile;
class QtSqliteInspections;
struct Program;
}  // namespace eqbond

namespace eqbond::ui {

class ArchiveWindow;
class MainWindow;
class TeamHookup;
struct LaunchOptions;

class ArchiveHookup : public QObject {
    Q_OBJECT
  public:
    // Opens the archive named by the options; a fault is shown once the event loop runs.
    ArchiveHookup(Program& program, const LaunchOptions& options);
    ~ArchiveHookup() override;

    // The button and the shortcut on the main window.
    void attach(MainWindow& main_window);
    // Shows the archive window, made on first use.
    ArchiveWindow* show_window();
    ArchiveWindow* window() const;
    QtSqliteFile& archive() { return *archive_; }
    QtSqliteInspections& inspections() { return *inspections_; }
    TeamHookup& team() { return *team_; }

  private:
    Program& program_;
    std::unique_ptr<QTemporaryDir> demo_folder_;
    std::unique_ptr<QtSqliteFile> archive_;
    std::unique_ptr<QtSqliteInspections> inspections_;
    std::unique_ptr<DownloadRecorder> recorder_;
    std::unique_ptr<TeamHookup> team_;
    QPointer<MainWindow> main_window_;
    QPointer<ArchiveWindow> window_;
};

}  // namespace eqbond::ui
