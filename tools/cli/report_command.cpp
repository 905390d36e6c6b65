#include "cli/report_command.h"

#include <QFile>
#include <QTextStream>
#include <functional>

#include "archive/qt_pdf_file.h"
#include "archive/qt_sqlite_file.h"
#include "cli/exit_codes.h"
#include "cli/session_setup.h"
#include "cli/team_command.h"
#include "inspection/qt_sqlite_inspections.h"
#include "issued/issued_content.h"
#include "issued/qt_report_issuer.h"
#include "language/translations.h"
#include "team/qt_team_store.h"

namespace eqbond::cli {

namespace {

bool write_bytes(const QString& path, const QByteArray& bytes, QString* error) {
    return write_then_rename(
        path,
        [&](const QString& scratch, QString* failure) {
            QFile file(scratch);
            if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                file.flush())
                return true;
            *failure = file.errorString();
            return false;
        },
        error);
}

// The revision's bytes to the --pdf file, then its first line.
int hand_out(const IssuedReport& report, const QString& path, const QString& said) {
    QString error;
    if (!write_bytes(path, report.pdf, &error)) {
        print_error(QStringLiteral("cannot write %1: %2 (%3 is issued: ask again to write it)")
                        .arg(path, error, numbered_revision_text(report.id)));
        return kWriteFailed;
    }
    QTextStream(stdout) << numbered_revision_text(report.id) << said << '\n';
    return kDone;
}

int earlier_revision(QtSqliteInspections& archive, QtSqliteIssued& issued,
                     const ArchiveOptions& options) {
    const std::optional<Inspection> download = archive.load(options.id);
    if (!download) {
        if (archive.fault()) return kArchiveUnusable;
        print_error(QStringLiteral("the archive holds no download %1").arg(options.id));
        return kBadUsage;
    }
    for (const IssuedReport& report : issued.revisions(download->uuid))
        if (report.id.revision == *options.revision) return hand_out(report, options.pdf_path, {});
    if (issued.fault()) return kArchiveUnusable;
    print_error(QStringLiteral("download %1 has no report revision %2 issued")
                    .arg(options.id)
                    .arg(*options.revision));
    return kBadUsage;
}

QString verified_text(const IssuedReport& report) {
    return QStringLiteral("%1: as issued on %2 for %3, %4")
        .arg(numbered_revision_text(report.id), report.issued.left(10), report.site,
             report.location);
}

// Where a copy is looked for: this computer's archive or the team's. Each answers nothing on a
// fault.
struct IssuedLookup {
    std::function<std::optional<std::vector<IssuedReport>>(const QString& sha256)> with_sha256;
    std::function<std::optional<bool>(const NumberedRevision& id)> holds;
    QString not_issued;  // what is said of a file that is none of its reports
};

// The exit code, with its line said; nothing on a fault of the lookup.
std::optional<int> verdict(const QByteArray& bytes, const IssuedLookup& lookup) {
    QTextStream out(stdout);
    const std::optional<std::vector<IssuedReport>> same = lookup.with_sha256(sha256_hex(bytes));
    if (!same) return std::nullopt;
    if (!same->empty()) {
        out << verified_text(same->front()) << '\n';
        return kDone;
    }
    // The number as a PDF's metadata names it, in plain text there; any other file, one holding
    // issued reports too (the archive itself), names none.
    const std::optional<NumberedRevision> named =
        bytes.startsWith("%PDF-") ? numbered_revision_in(QString::fromUtf8(bytes)) : std::nullopt;
    if (named) {
        const std::optional<bool> held = lookup.holds(*named);
        if (!held) return std::nullopt;
        if (*held) {
            out << numbered_revision_text(*named)
                << QStringLiteral(" was issued with other bytes: this copy was altered") << '\n';
            return kNotIssued;
        }
    }
    out << lookup.not_issued << '\n';
    return kNotIssued;
}

}  // namespace

int issue_archive_report(QtSqliteFile& file, QtSqliteInspections& archive,
                         const ArchiveOptions& options) {
    QtSqliteIssued issued(file);
    if (options.revision) return earlier_revision(archive, issued, options);
    const Language language = interface_language(options.language);
    // The report is written in the interface's language, Qt's own texts and the program's.
    QString missing;
    if (!install_translations(language, &missing) && language == Language::English) {
        print_error(
            QStringLiteral("the %1 texts are missing: %2").arg(language_code(language), missing));
        return kWriteFailed;
    }
    const IssueOutcome outcome = issue_report(
        archive, issued, {options.id, options.limit, options.reason.value_or(QString()).trimmed()});
    switch (outcome.result) {
        case IssueResult::Issued:
            return hand_out(*outcome.report, options.pdf_path, {});
        case IssueResult::AlreadyIssued:
            return hand_out(*outcome.report, options.pdf_path, QStringLiteral(" (already issued)"));
        case IssueResult::NeedsReason:
            print_error(QStringLiteral("%1 would now say something else (%2): say --reason TEXT "
                                       "to issue revision %3")
                            .arg(numbered_revision_text(outcome.report->id),
                                 outcome.changes.join(QStringLiteral(", ")))
                            .arg(outcome.report->id.revision + 1));
            return kBadUsage;
        case IssueResult::NoDownload:
            print_error(QStringLiteral("the archive holds no download %1").arg(options.id));
            return kBadUsage;
        case IssueResult::BadSettings:
        case IssueResult::BadReason:
            print_error(outcome.problem);
            return kBadUsage;
        case IssueResult::Failed:
            break;
    }
    if (file.fault()) return kArchiveUnusable;
    print_error(QStringLiteral("cannot write %1: the PDF writer failed").arg(options.pdf_path));
    return kWriteFailed;
}

int list_issued_reports(QtSqliteFile& file, const ArchiveOptions& options) {
    QtSqliteIssued issued(file);
    QTextStream out(stdout);
    for (const IssuedReport& r : issued.listed(options.inspection.site))
        out << QStringList{r.id.number, QString::number(r.id.revision),
                           r.issued,    QString::number(r.download_id),
                           r.site,      r.location,
                           r.sha256}
                   .join(QLatin1Char('\t'))
            << '\n';
    return file.fault() ? kArchiveUnusable : kDone;
}

int verify_report(const QString& pdf, const QString& archive_file,
                  const std::optional<QString>& server) {
    QFile copy(pdf);
    if (!copy.open(QIODevice::ReadOnly)) {
        print_error(QStringLiteral("cannot read %1: %2").arg(pdf, copy.errorString()));
        return kBadUsage;
    }
    const QByteArray bytes = copy.readAll();
    if (server)
        return with_team_store(*server, [&](QtTeamStore& store) {
            const IssuedLookup team{
                [&](const QString& sha256) { return store.issued_with_sha256(sha256); },
                [&](const NumberedRevision& id) { return store.holds_issued(id); },
                QStringLiteral("not issued by this archive")};
            // A fault is the store's to tell.
            return verdict(bytes, team).value_or(kTeamUnusable);
        });
    QtSqliteFile file;
    if (!open_archive(file, archive_file)) return kArchiveUnusable;
    QtSqliteIssued issued(file);
    const auto unless_fault = [&](auto found) {
        return file.fault() ? std::nullopt : std::optional(std::move(found));
    };
    const IssuedLookup local{
        [&](const QString& sha256) { return unless_fault(issued.with_sha256(sha256)); },
        [&](const NumberedRevision& id) { return unless_fault(issued.revision(id).has_value()); },
        QStringLiteral("not issued by this archive")};
    if (const std::optional<int> code = verdict(bytes, local)) return *code;
    print_archive_fault(file);
    return kArchiveUnusable;
}

}  // namespace eqbond::cli
