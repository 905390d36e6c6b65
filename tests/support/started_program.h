#pragma once
// The whole program, started with no instrument attached and on `archive_file` (the default
// archive when empty), its message boxes, file dialogs and printer the tests' fakes. Nothing
// after a failed start, with `error` set.
#include <QString>
#include <memory>

#include "support/report_fakes.h"
#include "ui/app_controller.h"

namespace eqbond::test {

inline std::unique_ptr<ui::AppController> started_program(const QString& archive_file,
                                                          FakeMessageBox& messages,
                                                          FakeFileDialogs& dialogs,
                                                          FakePrinter& printer, QString* error) {
    ui::LaunchOptions options;
    options.ports = {QStringLiteral("/nonexistent/eqbond-test-port")};
    options.splash = false;
    options.archive_file = archive_file;
    auto controller = std::make_unique<ui::AppController>(options);
    if (!controller->start(error)) return nullptr;
    Ports& ports = controller->program().ports;
    ports.message_box = &messages;
    ports.file_dialogs = &dialogs;
    ports.printer = &printer;
    return controller;
}

}  // namespace eqbond::test
