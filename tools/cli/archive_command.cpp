#include "cli/archive_command.h"

#include <QTextStream>

#include "archive/archive_export.h"
#include "archive/qt_sqlite_archive.h"
#include "base/value_format.h"
#include "cli/exit_codes.h"
#include "cli/exported_files.h"
#include "cli/session_setup.h"

namespace eqbond::cli {

namespace {

QString reason_of(const ArchiveFault& fault) {
    QString reason;
    switch (fault.kind) {
        case ArchiveFaultKind::CannotOpen:
            reason = QStringLiteral("the file cannot be made or opened");
            break;
        case ArchiveFaultKind::NotArchive:
            reason = QStringLiteral("the file is damaged or not an archive");
            break;
        case ArchiveFaultKind::Newer:
            reason = QStringLiteral("a newer eqbond made it");
            break;
        case ArchiveFaultKind::Locked:
            reason = QStringLiteral("another program holds it");
            break;
        case ArchiveFaultKind::ReadOnly:
            reason = QStringLiteral("the file or its folder cannot be written");
            break;
        case ArchiveFaultKind::DiskFull:
            reason = QStringLiteral("the disk is full");
            break;
        case ArchiveFaultKind::Failed:
            reason = QStringLiteral("database error");
            break;
    }
    return fault.detail.isEmpty() ? reason : reason + QStringLiteral(" (%1)").arg(fault.detail);
}

// id, started, device, groups held, how it ended, lowest, highest, and the verdicts.
void print_list(QtSqliteArchive& archive, std::optional<BondingLimit> limit) {
    QTextStream out(stdout);
    for (const DownloadSummary& s : archive.list(limit)) {
        QStringList fields{QString::number(s.id),
                           started_text(s.download),
                           device_text(s.download),
                           QString::number(s.groups_held),
                           s.download.end == DownloadEnd::Complete ? QStringLiteral("complete")
                                                                   : QStringLiteral("abandoned"),
                           format_resistance(s.lowest_milliohm).trimmed(),
                           format_resistance(s.highest_milliohm).trimmed()};
        if (s.failing) {
            fields << QStringLiteral("%1 pass").arg(s.groups_held - *s.failing)
                   << QStringLiteral("%1 fail").arg(*s.failing);
        }
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
}

int export_download(QtSqliteArchive& archive, const ArchiveOptions& options) {
    const std::optional<ArchivedDownload> download = archive.load(options.id);
    if (!download) {
        if (archive.fault()) return kArchiveUnusable;
        print_error(QStringLiteral("the archive holds no download %1").arg(options.id));
        return kBadUsage;
    }
    return write_exported_files(*download, {options.txt_path, options.csv_path, options.pdf_path},
                                options.limit);
}

}  // namespace

void print_archive_fault(const QtSqliteArchive& archive) {
    if (const std::optional<ArchiveFault> fault = archive.fault())
        print_error(
            QStringLiteral("archive %1 unusable: %2").arg(archive.file(), reason_of(*fault)));
}

bool open_archive(QtSqliteArchive& archive, const QString& file) {
    if (archive.open(file)) return true;
    print_archive_fault(archive);
    return false;
}

int run_archive(const ArchiveOptions& options) {
    QtSqliteArchive archive;
    if (!open_archive(archive, options.file)) return kArchiveUnusable;
    int code = kDone;
    switch (options.action) {
        case ArchiveAction::List:
            print_list(archive, options.limit);
            break;
        case ArchiveAction::Export:
            code = export_download(archive, options);
            break;
        case ArchiveAction::Delete:
            if (!archive.delete_download(options.id) && !archive.fault()) {
                print_error(QStringLiteral("the archive holds no download %1").arg(options.id));
                code = kBadUsage;
            }
            break;
    }
    if (archive.fault()) {
        print_archive_fault(archive);
        return kArchiveUnusable;
    }
    return code;
}

}  // namespace eqbond::cli
