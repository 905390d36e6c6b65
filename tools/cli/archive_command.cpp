#include "cli/archive_command.h"

#include <QTextStream>
#include <algorithm>

#include "archive/archive_export.h"
#include "archive/archive_fault.h"
#include "archive/archive_location.h"
#include "archive/qt_pdf_file.h"
#include "archive/qt_sqlite_file.h"
#include "base/value_format.h"
#include "cli/exit_codes.h"
#include "cli/exported_files.h"
#include "cli/report_command.h"
#include "cli/session_setup.h"
#include "inspection/inspection_export.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_inspection_pdf.h"
#include "inspection/qt_sqlite_inspections.h"
#include "language/translations.h"

namespace eqbond::cli {

namespace {

QString reason_of(const ArchiveFault& fault) {
    return archive_fault_reason(fault, english_text);
}

// The downloads listed: every one, or those of the site named (none for a name not known: a
// listing makes no site).
std::vector<ListedInspection> listed(QtSqliteInspections& archive, const ArchiveOptions& options) {
    if (!options.inspection.site) return archive.list(options.limit);
    for (const Site& site : archive.sites())
        if (site.name == options.inspection.site->trimmed())
            return archive.list_site(site.id, options.limit);
    return {};
}

// id, started, device, groups held, how it ended, lowest, highest, the verdicts, site, location,
// and whether it was measured after its instrument's calibration ran out.
void print_list(QtSqliteInspections& archive, const ArchiveOptions& options) {
    QTextStream out(stdout);
    for (const ListedInspection& s : listed(archive, options)) {
        QStringList fields{QString::number(s.id),
                           started_text(s.download),
                           device_text(s.download),
                           QString::number(s.groups_held),
                           s.download.end == DownloadEnd::Complete ? QStringLiteral("complete")
                                                                   : QStringLiteral("abandoned"),
                           measured_resistance(s.lowest_milliohm).trimmed(),
                           measured_resistance(s.highest_milliohm).trimmed()};
        if (s.failing) {
            fields << QStringLiteral("%1 pass").arg(s.groups_held - *s.failing)
                   << QStringLiteral("%1 fail").arg(*s.failing);
        }
        fields << s.site_name << s.location
               << (s.calibration_expired ? QStringLiteral("calibration expired") : QString());
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
}

// id, name, address, customer.
void print_sites(QtSqliteInspections& archive) {
    QTextStream out(stdout);
    for (const Site& s : archive.sites())
        out << QStringList{QString::number(s.id), s.name, s.address, s.customer}.join('\t') << '\n';
}

int no_download(QtSqliteInspections& archive, int64_t id) {
    if (archive.fault()) return kArchiveUnusable;
    print_error(QStringLiteral("the archive holds no download %1").arg(id));
    return kBadUsage;
}

int describe(QtSqliteInspections& archive, const ArchiveOptions& options) {
    QStringList plan;
    if (!check_inspection_options(options.inspection, &plan)) return kBadUsage;
    if (!archive.load(options.id)) return no_download(archive, options.id);
    return describe_download(archive, options.id, options.inspection, plan) ? kDone
                                                                            : kArchiveUnusable;
}

int label_group(QtSqliteInspections& archive, const ArchiveOptions& options) {
    const std::optional<Inspection> download = archive.load(options.id);
    if (!download) return no_download(archive, options.id);
    const int32_t number = *options.group;
    if (std::none_of(download->groups.begin(), download->groups.end(),
                     [&](const Group& g) { return g.number == number; })) {
        print_error(QStringLiteral("download %1 holds no group %2").arg(options.id).arg(number));
        return kBadUsage;
    }
    const QString label = options.point.trimmed();
    const std::optional<QString> kept = label.isEmpty() ? std::nullopt : std::optional(label);
    return archive.set_point(options.id, number, kept, options.point_limit) ? kDone
                                                                            : kArchiveUnusable;
}

int export_download(QtSqliteInspections& archive, const ArchiveOptions& options) {
    const std::optional<Inspection> download = archive.load(options.id);
    if (!download) {
        if (archive.fault()) return kArchiveUnusable;
        print_error(QStringLiteral("the archive holds no download %1").arg(options.id));
        return kBadUsage;
    }
    return write_exported_files(*download, {options.txt_path, options.csv_path, options.pdf_path},
                                options.limit, archive.previous_values(options.id));
}

}  // namespace

void print_archive_fault(const ArchiveFile& archive) {
    if (const std::optional<ArchiveFault> fault = archive.fault())
        print_error(
            QStringLiteral("archive %1 unusable: %2").arg(archive.file(), reason_of(*fault)));
}

bool open_archive(QtSqliteFile& archive, const QString& file) {
    if (archive.open(file)) return true;
    print_archive_fault(archive);
    return false;
}

int run_archive(const ArchiveOptions& options) {
    QtSqliteFile file;
    if (!open_archive(file, options.file)) return kArchiveUnusable;
    QtSqliteInspections archive(file);
    int code = kDone;
    switch (options.action) {
        case ArchiveAction::List:
            print_list(archive, options);
            break;
        case ArchiveAction::Sites:
            print_sites(archive);
            break;
        case ArchiveAction::Describe:
            code = describe(archive, options);
            break;
        case ArchiveAction::Label:
            code = options.group ? label_group(archive, options) : describe(archive, options);
            break;
        case ArchiveAction::Report:
            code = issue_archive_report(file, archive, options);
            break;
        case ArchiveAction::Reports:
            code = list_issued_reports(file, options);
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
