#include "archive/qt_pdf_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include "report/qt_printer.h"

namespace eqbond {

bool write_then_rename(const QString& path,
                       const std::function<bool(const QString& scratch, QString* error)>& write,
                       QString* error) {
    // QSaveFile writes beside the target and renames over it in one step, on Windows too, where a
    // plain rename does not replace a file.
    QSaveFile target(path);
    QTemporaryDir scratch_folder;
    if (!target.open(QIODevice::WriteOnly) || !scratch_folder.isValid()) {
        *error = scratch_folder.isValid() ? target.errorString() : scratch_folder.errorString();
        return false;
    }
    const QString scratch = scratch_folder.filePath(QStringLiteral("partial"));
    if (!write(scratch, error)) return false;
    QFile written(scratch);
    if (!written.open(QIODevice::ReadOnly)) {
        *error = written.errorString();
        return false;
    }
    const QByteArray bytes = written.readAll();
    if (target.write(bytes) != bytes.size() || !target.commit()) {
        *error = target.errorString();
        return false;
    }
    return true;
}

bool write_pdf_file(const QString& path, const std::function<PrintOutcome(PrinterSink&)>& print,
                    QString* error) {
    const auto write = [&](const QString& scratch, QString* failure) {
        QtPrinter printer(scratch);
        printer.set_document_name(QFileInfo(path).fileName());
        if (print(printer) == PrintOutcome::Printed) return true;
        *failure = QStringLiteral("the PDF writer failed");
        return false;
    };
    return write_then_rename(path, write, error);
}

}  // namespace eqbond
