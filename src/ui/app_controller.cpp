#include "ui/app_controller.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "demo/demo_instrument.h"
#include "demo/line_with_demo.h"
#include "link/receive_dispatcher.h"
#include "program/startup.h"
#include "report/print_options.h"
#include "report/qt_printer.h"
#include "report/save_button.h"
#include "trace/wire_trace.h"
#include "ui/archive_hookup.h"
#include "ui/chart_widget.h"
#include "ui/language_button.h"
#include "ui/main_window.h"
#include "ui/print_options_dialog.h"
#include "ui/qt_ports.h"
#include "ui/resources.h"
#include "ui/splash_window.h"

namespace eqbond::ui {

AppController::AppController(const LaunchOptions& options, QObject* parent)
    : QObject(parent), options_(options) {}

AppController::~AppController() {
    // A paused read is archived while the windows can still show a message; then the windows
    // go: their handlers use the ports below.
    archive_.reset();
    splash_.reset();
    window_.reset();
    demo_line_.reset();
    line_.reset();
}

void AppController::on_port_event(PortEvent event) {
    if (trace_) trace_->note_port_event(event);
    window_->run([event](Program& p) { on_receive(p, event); });
}

bool AppController::start(QString* error) {
    load_resources();
    line_ = std::make_unique<SystemSerialLine>(system_port_table(options_.ports));
    if (options_.demo) {
        demo_line_ = std::make_unique<sim::LineWithDemo>(*line_, line_->table(), sim::kDemoPort,
                                                         sim::demo_config());
    }
    SerialLine& line = demo_line_ ? static_cast<SerialLine&>(*demo_line_) : *line_;
    window_ = std::make_unique<MainWindow>(program_);
    message_box_ = std::make_unique<QtMessageBox>(window_.get());
    file_dialogs_ = std::make_unique<QtFileDialogs>(window_.get());
    printer_ = std::make_unique<QtPrinter>();
    program_.ports.line = &line;
    program_.ports.message_box = message_box_.get();
    program_.ports.file_dialogs = file_dialogs_.get();
    program_.ports.chart_image = &window_->chart()->image();
    program_.ports.printer = printer_.get();
    program_.ports.window = this;
    archive_ = std::make_unique<ArchiveHookup>(program_, options_);
    archive_->attach(*window_);
    if (!options_.trace_path.isEmpty()) {
        const QString program = QCoreApplication::applicationName() + QLatin1Char(' ') +
                                QCoreApplication::applicationVersion();
        trace_ = trace::start_wire_trace(line, options_.trace_path, program.toUtf8(), error);
        if (!trace_) return false;
        trace_->attach(program_);
    }
    attach_language_button(*window_, program_, options_.language);
    window_->on_save = [this] { window_->run(on_save_clicked); };
    window_->on_print = [this] { window_->run(on_print_clicked); };
    line_->set_event_handler([this](PortEvent event) { on_port_event(event); });
    if (demo_line_) {
        demo_line_->demo().set_event_handler([this](PortEvent event) { on_port_event(event); });
    }
    if (!options_.splash) {
        show_main_window();
        return true;
    }
    splash_ = std::make_unique<SplashWindow>();
    connect(splash_.get(), &SplashWindow::clicked, this, [this] {
        show_main_window();
        // Not inside the splash's own click: it goes once that has returned.
        QTimer::singleShot(0, this, [this] { splash_.reset(); });
    });
    splash_->show();
    return true;
}

void AppController::unload_main_window() {
    window_->stop_timers();
    program_.ports.line->close();  // the port closes with the window
    window_->hide();
}

void AppController::show_main_window() {
    // A loaded window's chart box starts blank on its design colour, as its other controls
    // start from their design values; the first chart redraw draws it.
    window_->clear_chart();
    window_->run(load_main_window);
    if (!shown_before_) window_->centre_on_screen();
    shown_before_ = true;
    window_->show();
    window_->start_timers();
}

void AppController::run_print_options_dialog(Program& program) {
    PrintOptionsDialog dialog(program);
    // The dialog's own messages belong to it: the main window is hidden meanwhile.
    QtMessageBox dialog_messages(&dialog);
    MessageBox* const main_messages = program.ports.message_box;
    program.ports.message_box = &dialog_messages;

    dialog.load();
    dialog.show();
    unload_main_window();
    QEventLoop wait;
    connect(&dialog, &QDialog::finished, &wait, &QEventLoop::quit);
    while (program.state.print_options.dialog_answer == DialogAnswer::Open) {
        if (wait.exec() != 0) break;  // the application is quitting
    }
    program.ports.message_box = main_messages;
}

}  // namespace eqbond::ui
