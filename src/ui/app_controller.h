#pragma once
// Owns the program, its Qt ports and its windows, and carries the main window's load and unload.
#include <QObject>
#include <memory>

#include "base/program.h"
#include "base/serial_line.h"
#include "language/interface_language.h"
#include "link/port_table.h"
#include "link/system_serial_line.h"

namespace eqbond {
class QtPrinter;
namespace sim {
class LineWithDemo;
}
namespace trace {
class WireTrace;
}
}  // namespace eqbond

namespace eqbond::ui {

class ArchiveHookup;
class MainWindow;
class QtMessageBox;
class QtFileDialogs;
class SplashWindow;

struct LaunchOptions {
    QStringList ports;  // --port, in COM order; empty = the system's ports
    bool demo = false;  // start the built-in simulated instrument
    bool splash = true;
    QString archive_file;  // --archive; empty: the default file, or a temporary one for --demo
    QString trace_path;    // --trace: record a wire trace there; empty = none
    std::optional<Language> language_asked;  // --lang
    Language language = Language::Chinese;   // the interface's, this run
};

class AppController : public QObject, public WindowHost {
    Q_OBJECT
  public:
    explicit AppController(const LaunchOptions& options, QObject* parent = nullptr);
    ~AppController() override;

    // Shows the first window: the splash, or the main window directly.
    bool start(QString* error);

    Program& program() { return program_; }
    MainWindow* main_window() const { return window_.get(); }
    SplashWindow* splash_window() const { return splash_.get(); }
    ArchiveHookup* archive() const { return archive_.get(); }

    void unload_main_window() override;
    void show_main_window() override;
    // The print options dialog without modality, the main window unloaded, events run until the
    // dialog answers.
    void run_print_options_dialog(Program& program) override;

  private:
    void on_port_event(PortEvent event);

    LaunchOptions options_;
    Program program_;
    std::unique_ptr<SystemSerialLine> line_;
    std::unique_ptr<sim::LineWithDemo> demo_line_;  // --demo: the real line with the demo at COM2
    std::unique_ptr<trace::WireTrace> trace_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtMessageBox> message_box_;
    std::unique_ptr<QtFileDialogs> file_dialogs_;
    std::unique_ptr<QtPrinter> printer_;
    std::unique_ptr<SplashWindow> splash_;
    bool shown_before_ = false;  // only the first show centres the window
    std::unique_ptr<ArchiveHookup> archive_;
};

}  // namespace eqbond::ui
