// The archive window's files: exports, the printed report and the inspection report, of the open
// download as the window's state holds it.
#include <QComboBox>
#include <QPushButton>

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "archive/qt_pdf_file.h"
#include "base/program.h"
#include "base/texts.h"
#include "inspection/inspection_export.h"
#include "inspection/inspection_print.h"
#include "inspection/inspection_texts.h"
#include "inspection/qt_inspection_pdf.h"
#include "issued/issued_content.h"
#include "issued/qt_report_issuer.h"
#include "report/save_button.h"
#include "team/team_texts.h"
#include "ui/archive_window.h"
#include "ui/caption_room.h"
#include "ui/view_tables.h"

namespace eqbond::ui {

// A download the team view holds by its summary alone would be written without its groups.
bool ArchiveWindow::groups_here() {
    if (!state_.open) return false;
    if (ports_.browsing.groups_held(state_.open->id)) return true;
    program_.ports.message_box->notify(text::kMessageTitle, text::kTeamGroupsNotRead);
    return false;
}

std::optional<QString> ArchiveWindow::choose_file(const QString& extension, const QString& filter) {
    if (!groups_here() || !program_.ports.file_dialogs) return std::nullopt;
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
    if (!groups_here()) return;
    tell_print_outcome(program_, program_.ports.printer ? print_archived(*program_.ports.printer,
                                                                         *state_.open, state_.limit)
                                                        : PrintOutcome::NoPrinter);
}

void ArchiveWindow::export_report() {
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    if (!path || !state_.open) return;
    MessageBox& messages = *program_.ports.message_box;
    if (state_.side != ArchiveSide::ThisComputer) {
        // The team's copy issues nothing: a report is issued on the computer that measured.
        const std::optional<InspectionReportInput> input = report_input(state_, ports_);
        QString error;
        if (input && !write_inspection_pdf(*path, inspection_report_pages(*input), &error))
            messages.notify(text::kMessageTitle, text::kSaveFailedMessage);
        return;
    }
    QtSqliteIssued issued(file_);
    IssueRequest request{state_.open->id, state_.limit, {}};
    IssueOutcome outcome = issue_report(archive_, issued, request);
    if (outcome.result == IssueResult::NeedsReason) {
        const std::optional<QString> reason = messages.ask_text(
            text::kReviseReportTitle,
            text::kReviseReportReason.arg(numbered_revision_text(outcome.report->id),
                                          outcome.changes.join(QStringLiteral(", "))));
        if (!reason || reason->trimmed().isEmpty()) return;
        request.reason = reason->trimmed();
        outcome = issue_report(archive_, issued, request);
    }
    if (outcome.result == IssueResult::BadSettings || outcome.result == IssueResult::BadReason) {
        messages.notify(text::kMessageTitle, outcome.problem);
        return;
    }
    if (!outcome.report ||
        (outcome.result != IssueResult::Issued && outcome.result != IssueResult::AlreadyIssued) ||
        !replace_file(*path, outcome.report->pdf))
        messages.notify(text::kMessageTitle, text::kSaveFailedMessage);
    show_issued();
}

void ArchiveWindow::write_revision() {
    const int chosen = revisions_->currentIndex();
    if (chosen < 0 || size_t(chosen) >= issued_.size()) return;
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    if (path && !replace_file(*path, issued_[size_t(chosen)].pdf))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::show_issued() {
    if (state_.side != ArchiveSide::ThisComputer) return;
    QtSqliteIssued issued(file_);
    issued_ = state_.open ? issued.revisions(state_.open->uuid) : std::vector<IssuedReport>{};
    const QSignalBlocker quiet(revisions_);
    revisions_->clear();
    for (const IssuedReport& r : issued_)
        revisions_->addItem(
            text::kIssuedRevisionItem.arg(numbered_revision_text(r.id), r.issued, r.reason));
    revisions_->setCurrentIndex(revisions_->count() - 1);
    revisions_->setEnabled(!issued_.empty());
    write_revision_->setEnabled(!issued_.empty());
    // Unchanged, the button writes the issued file again; changed, it asks for a reason.
    const std::optional<InspectionReportInput> input = report_input(state_, ports_);
    if (issued_.empty() || !input)
        report_button_->setText(text::kIssueReportButton);
    else if (issued_content(*input) == issued_.back().content)
        report_button_->setText(text::kIssuedReportButton);
    else
        report_button_->setText(text::kReviseReportButton);
    keep_caption_readable(report_button_);
}

void ArchiveWindow::print_report() {
    if (!groups_here()) return;
    const std::optional<InspectionReportInput> input = report_input(state_, ports_);
    if (!input) return;
    tell_print_outcome(program_, program_.ports.printer
                                     ? print_inspection_report(*program_.ports.printer,
                                                               inspection_report_pages(*input))
                                     : PrintOutcome::NoPrinter);
}

}  // namespace eqbond::ui
