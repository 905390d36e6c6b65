#include <QMessageBox>
#include <QPushButton>

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "archive/qt_pdf_file.h"
#include "base/program.h"
#include "base/texts.h"
#include "inspection/inspection_export.h"
#include "report/save_button.h"
#include "ui/archive_window.h"

// The archive window's files: exports, the printed report and deleting a download.
namespace eqbond::ui {

std::optional<QString> ArchiveWindow::choose_file(const QString& extension, const QString& filter) {
    if (!open_ || !program_.ports.file_dialogs) return std::nullopt;
    const QString name =
        QStringLiteral("eqbond-%1%2")
            .arg(open_->download.started.toString(QStringLiteral("yyyyMMdd-HHmmss")), extension);
    return program_.ports.file_dialogs->choose_save_file(
        SaveRequest{extension, name, filter, suggested_save_folder()});
}

void ArchiveWindow::export_text() {
    const std::optional<QString> path = choose_file(QStringLiteral(".txt"), text::kReportFilter);
    if (path && !replace_file(*path, archived_text_report(*open_)))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::export_csv() {
    const std::optional<QString> path = choose_file(QStringLiteral(".csv"), text::kCsvFilter);
    if (path &&
        !replace_file(*path, inspection_csv(*open_, limit_, archive_.previous_values(open_->id))))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::export_pdf() {
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    if (!path) return;
    QString error;
    const auto print = [this](PrinterSink& printer) {
        return print_archived(printer, *open_, limit_);
    };
    if (!write_pdf_file(*path, print, &error))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::print_download() {
    if (!open_) return;
    PrintOutcome outcome = PrintOutcome::NoPrinter;
    if (program_.ports.printer) outcome = print_archived(*program_.ports.printer, *open_, limit_);
    if (outcome == PrintOutcome::NoPrinter)
        program_.ports.message_box->notify(text::kMessageTitle, text::kNoPrinterMessage);
    if (outcome == PrintOutcome::Failed)
        program_.ports.message_box->notify(text::kMessageTitle, text::kPrintFailedMessage);
}

void ArchiveWindow::delete_download() {
    if (!open_) return;
    QMessageBox ask(
        QMessageBox::Question, text::kArchiveTitle,
        text::kConfirmDelete.arg(started_text(open_->download)).arg(open_->groups.size()),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("ConfirmDelete"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) return;
    const int64_t id = open_->id;
    if (view_ == ArchiveView::TeamCopy) {
        // The server decides: the copy follows once it has.
        emit removal_asked(open_->uuid);
        return;
    }
    open_.reset();
    // On success the archive's changed() reads the list again; a failure shows in the window.
    if (!archive_.delete_download(id)) refresh();
}

}  // namespace eqbond::ui
