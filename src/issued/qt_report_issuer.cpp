#include "issued/qt_report_issuer.h"

#include <QDateTime>
#include <QImageReader>
#include <cstdlib>

#include "archive/archive_location.h"
#include "archive/bonding_limit.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_inspection_pdf.h"
#include "issued/issued_content.h"
#include "issued/issued_settings.h"
#include "issued/report_issuing.h"

namespace eqbond {

namespace {

// Now as ISO 8601 with this computer's UTC offset, "+00:00" too where Qt would write "Z".
QString issued_now() {
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QStringLiteral("%1%2:%3")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

IssuedReport draft_of(const InspectionReportInput& input, const QByteArray& content,
                      const std::optional<IssuedReport>& latest, const QString& reason) {
    IssuedReport draft;
    draft.download_uuid = input.download.uuid;
    draft.download_id = input.download.id;
    draft.site = input.site ? input.site->name : QString();
    draft.location = input.download.details.location;
    draft.issued = issued_now();
    draft.inspector = input.download.details.inspector;
    draft.approver = saved_approver();
    draft.content = content;
    if (latest) {
        draft.id = {latest->id.number, latest->id.revision + 1};
        draft.replaces = latest->id.revision;
        draft.reason = reason;
    }
    return draft;
}

// A file the report can draw: a PNG or JPEG that reads.
bool png_or_jpeg(const QString& path) {
    QImageReader reader(path);
    const QByteArray format = reader.format();
    return (format == "png" || format == "jpeg") && !reader.read().isNull();
}

}  // namespace

std::optional<InspectionReportInput> archived_report_input(QtSqliteInspections& archive,
                                                           int64_t download_id,
                                                           std::optional<BondingLimit> limit) {
    const std::optional<Inspection> download = archive.load(download_id);
    if (!download) return std::nullopt;
    InspectionReportInput input;
    input.download = *download;
    if (download->details.site_id) input.site = archive.site(*download->details.site_id);
    input.limit = limit ? limit : typed_bonding_limit(saved_bonding_limit());
    input.standard = saved_report_standard();
    input.previous = archive.previous_values(download_id);
    input.rule = saved_deterioration_rule();
    input.instrument = archive.instrument(download->details.instrument_serial);
    input.letterhead = saved_letterhead();
    return input;
}

IssueOutcome issue_report(QtSqliteInspections& archive, QtSqliteIssued& issued,
                          const IssueRequest& request) {
    std::optional<InspectionReportInput> input =
        archived_report_input(archive, request.download_id, request.limit);
    if (archive.fault()) return {IssueResult::Failed, std::nullopt, {}, QString()};
    if (!input) return {IssueResult::NoDownload, std::nullopt, {}, QString()};
    const QString prefix = saved_number_prefix();
    if (!valid_number_prefix(prefix))
        return {IssueResult::BadSettings,
                std::nullopt,
                {},
                QStringLiteral("the number prefix %1 in the settings takes 1 to 12 letters and "
                               "digits")
                    .arg(prefix)};
    for (const QString& image :
         {input->letterhead.logo_path, input->letterhead.inspector_signature_path,
          input->letterhead.approver_signature_path}) {
        if (!image.isEmpty() && !png_or_jpeg(image))
            return {IssueResult::BadSettings,
                    std::nullopt,
                    {},
                    QStringLiteral("%1 in the settings is not a PNG or JPEG image").arg(image)};
    }
    if (const std::optional<QString> problem = approver_problem(saved_approver()))
        return {IssueResult::BadSettings, std::nullopt, {}, *problem};
    if (const std::optional<QString> problem = reason_problem(request.reason))
        return {IssueResult::BadReason, std::nullopt, {}, *problem};
    const QByteArray content = issued_content(*input);
    const std::vector<IssuedReport> revisions = issued.revisions(input->download.uuid);
    if (issued.fault()) return {IssueResult::Failed, std::nullopt, {}, QString()};
    const IssueDecision decision = decide_issue(revisions, content, request.reason);
    switch (decision.step) {
        case IssueStep::AlreadyIssued:
            return {IssueResult::AlreadyIssued, decision.latest, {}, QString()};
        case IssueStep::NeedsReason:
            return {IssueResult::NeedsReason, decision.latest, decision.changes, QString()};
        case IssueStep::First:
        case IssueStep::Amend:
            break;
    }
    const IssuedReport draft = draft_of(*input, content, decision.latest, request.reason);
    const QDate today = QDate::currentDate();
    const std::optional<IssuedReport> report =
        issued.issue(draft, prefix, today.year(), [&](const IssuedReport& numbered) {
            input->identity = ReportIdentity{numbered.id.number,          numbered.id.revision,
                                             numbered.replaces,           numbered.reason,
                                             numbered.approver,           today,
                                             sha256_hex(numbered.content)};
            return inspection_pdf_bytes(numbered_revision_text(numbered.id),
                                        inspection_report_pages(*input));
        });
    if (!report) return {IssueResult::Failed, std::nullopt, {}, QString()};
    return {IssueResult::Issued, report, decision.changes, QString()};
}

}  // namespace eqbond
