#include "archive/qt_pdf_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "report/qt_printer.h"

namespace eqbond {

bool write_then_rename(const QString& path,
                       const std::function<bool(const QString& scratch, QString* error)>& write,
                       QString* error) {
    const QFileInfo target(path);
    QTemporaryFile partial(target.absoluteDir().filePath(QStringLiteral(".eqbond-XXXXXX.pdf")));
    if (!partial.open()) {
        *error = partial.errorString();
        return false;
    }
    partial.close();
    if (!write(partial.fileName(), error)) return false;
    // rename() replaces the target in one step.
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    partial.setAutoRemove(false);
    // The scratch file was private to this user; the report is an ordinary file.
    QFile::setPermissions(target.absoluteFilePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
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
