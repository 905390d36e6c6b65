#pragma once
#include <QString>

namespace eqbond {

struct ArchiveFault;

// The reason in the interface's words, with the database's own words after it.
QString archive_fault_reason(const ArchiveFault& fault);

// The one message about an unusable archive: that archiving stops, the file and the reason.
QString archive_fault_message(const QString& file, const ArchiveFault& fault);

}  // namespace eqbond
