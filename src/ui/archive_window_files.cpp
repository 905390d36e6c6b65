// The archive window's files: exports, the printed report and the inspection report, of the open
// download as the window's state holds it.
#include <QPushButton>

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "archive/qt_pdf_file.h"
#include "base/program.h"
#include "base/texts.h"
#include "inspection/inspection_export.h"
#include "inspection/inspection_print.h"
#include "inspection/qt_inspection_pdf.h"
#include "report/save_button.h"
#include "ui/archive_window.h"
#include "ui/view_tables.h"

namespace eqbond::ui {

std::optional<QString> ArchiveWindow::choose_file(const QString& extension, const QString& filter) {
    if (!state_.open || !program_.ports.file_dialogs) return std::nullopt;
    const QString name =
        QStringLiteral("eqbond-%1%2")
            .arg(state_.open->download.started.toString(QStringLiteral("yyyyMMdd-HHmmss")),
                 extension);
    return program_.ports.file_dialogs->choose_save_file(
        SaveRequest{extension, name, filter, suggested_save_folder()});
}

void ArchiveWindow::export_text() {
    const std::optional<QString> path = choose_file(QStringLiteral(".txt"), text::kReportFilter);
    if (path && !replace_file(*path, archived_text_report(*state_.open)))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::export_csv() {
    const std::optional<QString> path = choose_file(QStringLiteral(".csv"), text::kCsvFilter);
    if (!path) return;
    const QByteArray csv =
        inspection_csv(*state_.open, state_.limit, archive_.previous_values(state_.open->id));
    if (!replace_file(*path, csv))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::export_pdf() {
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    if (!path) return;
    QString error;
    const auto print = [this](PrinterSink& printer) {
        return print_archived(printer, *state_.open, state_.limit);
    };
    if (!write_pdf_file(*path, print, &error))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::print_download() {
    if (!state_.open) return;
    tell_print_outcome(program_, program_.ports.printer ? print_archived(*program_.ports.printer,
                                                                         *state_.open, state_.limit)
                                                        : PrintOutcome::NoPrinter);
}

void ArchiveWindow::export_report() {
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    const std::optional<InspectionReportInput> input = report_input(state_, ports_);
    if (!path || !input) return;
    QString error;
    if (!write_inspection_pdf(*path, inspection_report_pages(*input), &error))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::print_report() {
    const std::optional<InspectionReportInput> input = report_input(state_, ports_);
    if (!input) return;
    tell_print_outcome(program_, program_.ports.printer
                                     ? print_inspection_report(*program_.ports.printer,
                                                               inspection_report_pages(*input))
                                     : PrintOutcome::NoPrinter);
}

}  // namespace eqbond::ui
