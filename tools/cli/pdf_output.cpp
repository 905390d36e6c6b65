#include "cli/pdf_output.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/record_store.h"
#include "report/print_layout.h"
#include "report/qt_printer.h"

namespace eqbond::cli {

bool write_pdf_report(const RecordStore& store, int first, int last, const QString& path,
                      QString* error) {
    const QFileInfo target(path);
    QTemporaryFile partial(target.absoluteDir().filePath(QStringLiteral(".eqbond-XXXXXX.pdf")));
    if (!partial.open()) {
        *error = partial.errorString();
        return false;
    }
    partial.close();
    QtPrinter printer(partial.fileName());
    printer.set_document_name(target.fileName());
    const PrintOutcome outcome = print_job(printer, store, int16_t(first), int16_t(last));
    if (outcome != PrintOutcome::Printed) {
        *error = QStringLiteral("the PDF writer failed");
        return false;
    }
    // rename() replaces the target in one step, so a reader never sees half a file.
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

}  // namespace eqbond::cli
