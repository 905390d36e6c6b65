#include "cli/pdf_output.h"

#include "archive/qt_pdf_file.h"
#include "report/print_layout.h"

namespace eqbond::cli {

bool write_pdf_report(const RecordStore& store, int first, int last, const QString& path,
                      QString* error) {
    return write_pdf_file(
        path,
        [&](PrinterSink& printer) {
            return print_job(printer, store, int16_t(first), int16_t(last));
        },
        error);
}

}  // namespace eqbond::cli
