#include "ui/app_controller.h"

#include "app/startup.h"
#include "link/qt_serial_line.h"
#include "link/receive_dispatcher.h"
#include "sim/demo_instrument.h"
#include "sim/instrument_simulator.h"
#include "ui/chart_widget.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"

namespace eqbond::ui {

namespace {
// The built-in instrument stands at COM2, the first port the start-up opens.
constexpr int kDemoPort = 2;
}  // namespace

AppController::AppController(const LaunchOptions& options, QObject* parent)
    : QObject(parent), options_(options) {}

AppController::~AppController() {
    // The window goes first: its handlers use the ports below.
    window_.reset();
    line_.reset();
}

PortTable AppController::make_port_table(QString* error) {
#ifdef Q_OS_WIN
    QStringList com_names;
    for (int i = 1; i <= PortTable::kSlots; ++i) com_names << QStringLiteral("COM%1").arg(i);
    PortTable table = options_.ports.isEmpty() ? PortTable::fixed(com_names)
                                               : PortTable::fixed(options_.ports);
#else
    PortTable table = options_.ports.isEmpty() ? PortTable::from_system(system_serial_devices)
                                               : PortTable::fixed(options_.ports);
#endif
    if (options_.demo) {
        simulator_ = std::make_unique<sim::InstrumentSimulator>(sim::demo_config());
        if (!simulator_->start()) {
            if (error) *error = QStringLiteral("no pseudo-terminal for the simulated instrument");
            simulator_.reset();
        } else {
            simulator_->start_live_readings();
            table.set_device(kDemoPort, simulator_->device_path());
        }
    }
    return table;
}

bool AppController::start(QString* error) {
    line_ = std::make_unique<QtSerialLine>(make_port_table(error));
    if (options_.demo && !simulator_) return false;
    window_ = std::make_unique<MainWindow>(program_);
    message_box_ = std::make_unique<QtMessageBox>(window_.get());
    file_dialogs_ = std::make_unique<QtFileDialogs>(window_.get());
    program_.ports.line = line_.get();
    program_.ports.message_box = message_box_.get();
    program_.ports.file_dialogs = file_dialogs_.get();
    program_.ports.chart_image = &window_->chart()->image();
    program_.ports.window = this;
    line_->set_event_handler([this](PortEvent event) {
        window_->run([event](Program& p) { on_receive(p, event); });
    });
    show_main_window();
    return true;
}

void AppController::unload_main_window() {
    window_->stop_timers();
    line_->close();  // the port closes with the window
    window_->hide();
}

void AppController::show_main_window() {
    window_->run(load_main_window);
    window_->show();
    window_->start_timers();
}

void AppController::run_print_options_dialog(Program&) {}

}  // namespace eqbond::ui
