#include "archive/archive_fault.h"

#include <QDir>

#include "archive/archive_port.h"
#include "archive/archive_texts.h"

namespace eqbond {

namespace {
const text::ScreenText& reason_text(ArchiveFaultKind kind) {
    switch (kind) {
        case ArchiveFaultKind::CannotOpen:
            return text::kFaultCannotOpen;
        case ArchiveFaultKind::NotArchive:
            return text::kFaultNotArchive;
        case ArchiveFaultKind::Newer:
            return text::kFaultNewer;
        case ArchiveFaultKind::Locked:
            return text::kFaultLocked;
        case ArchiveFaultKind::ReadOnly:
            return text::kFaultReadOnly;
        case ArchiveFaultKind::DiskFull:
            return text::kFaultDiskFull;
        case ArchiveFaultKind::Failed:
            break;
    }
    return text::kFaultFailed;
}
}  // namespace

QString archive_fault_reason(const ArchiveFault& fault, const TextReader& read) {
    const text::ScreenText& words = reason_text(fault.kind);
    QString reason = read ? read(words) : words.shown();
    if (!fault.detail.isEmpty()) reason += QStringLiteral(" (%1)").arg(fault.detail);
    return reason;
}

QString archive_fault_message(const QString& file, const ArchiveFault& fault) {
    return text::kArchiveUnusable.arg(QDir::toNativeSeparators(file), archive_fault_reason(fault));
}

}  // namespace eqbond
