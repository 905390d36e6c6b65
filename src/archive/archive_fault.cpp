#include "archive/archive_fault.h"

#include <QDir>

#include "archive/archive_port.h"
#include "archive/archive_texts.h"

namespace eqbond {

QString archive_fault_reason(const ArchiveFault& fault) {
    QString reason;
    switch (fault.kind) {
        case ArchiveFaultKind::CannotOpen:
            reason = text::kFaultCannotOpen;
            break;
        case ArchiveFaultKind::NotArchive:
            reason = text::kFaultNotArchive;
            break;
        case ArchiveFaultKind::Newer:
            reason = text::kFaultNewer;
            break;
        case ArchiveFaultKind::Locked:
            reason = text::kFaultLocked;
            break;
        case ArchiveFaultKind::ReadOnly:
            reason = text::kFaultReadOnly;
            break;
        case ArchiveFaultKind::DiskFull:
            reason = text::kFaultDiskFull;
            break;
        case ArchiveFaultKind::Failed:
            reason = text::kFaultFailed;
            break;
    }
    if (!fault.detail.isEmpty()) reason += QStringLiteral(" (%1)").arg(fault.detail);
    return reason;
}

QString archive_fault_message(const QString& file, const ArchiveFault& fault) {
    return text::kArchiveUnusable.arg(QDir::toNativeSeparators(file), archive_fault_reason(fault));
}

}  // namespace eqbond
