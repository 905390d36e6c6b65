#include "cli/exported_files.h"

#include "archive/archive_export.h"
#include "archive/qt_pdf_file.h"
#include "cli/exit_codes.h"
#include "cli/file_output.h"
#include "cli/session_setup.h"
#include "inspection/inspection_export.h"

namespace eqbond::cli {

int write_exported_files(const Inspection& download, const ExportPaths& paths,
                         std::optional<BondingLimit> limit, const PreviousValues& previous) {
    bool written = true;
    if (!paths.txt.isEmpty()) written &= write_bytes(paths.txt, archived_text_report(download));
    if (!paths.csv.isEmpty())
        written &= write_bytes(paths.csv, inspection_csv(download, limit, previous));
    if (!paths.pdf.isEmpty()) {
        QString error;
        const auto print = [&](PrinterSink& printer) {
            return print_archived(printer, download, limit);
        };
        if (!write_pdf_file(paths.pdf, print, &error)) {
            print_error(QStringLiteral("cannot write %1: %2").arg(paths.pdf, error));
            written = false;
        }
    }
    return written ? kDone : kWriteFailed;
}

}  // namespace eqbond::cli
