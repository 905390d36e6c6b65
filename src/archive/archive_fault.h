#pragma once
#include <QString>
#include <functional>

#include "base/screen_text.h"

namespace eqbond {

struct ArchiveFault;

// How a text of the interface reads: in the interface's language unless a caller (eqbond-cli,
// English whatever the choice) says otherwise.
using TextReader = std::function<QString(const text::ScreenText&)>;

// The reason in the interface's words, or as `read` reads it, with the database's own words
// after it.
QString archive_fault_reason(const ArchiveFault& fault, const TextReader& read = {});

// The one message about an unusable archive: that archiving stops, the file and the reason.
QString archive_fault_message(const QString& file, const ArchiveFault& fault);

}  // namespace eqbond
