#pragma once
#include <QString>
#include <functional>

#include "report/print_layout.h"

namespace eqbond {

class PrinterSink;

// Lets `write` make the file at a scratch path, then puts it in place of `path` in one step.
// False with `error` set (by `write` too) when it could not be written.
bool write_then_rename(const QString& path,
                       const std::function<bool(const QString& scratch, QString* error)>& write,
                       QString* error);

// Prints into a PDF file (A4) written beside `path` and renamed over it only when complete, so
// a reader never sees half a file. False with `error` set when it could not be written.
bool write_pdf_file(const QString& path, const std::function<PrintOutcome(PrinterSink&)>& print,
                    QString* error);

}  // namespace eqbond
