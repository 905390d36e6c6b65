#pragma once
#include <QString>

namespace eqbond {
struct RecordStore;
}

namespace eqbond::cli {

// The printed report's pages for groups first..last as a PDF file, written beside the target and
// renamed over it only when complete. False with `error` set when it could not be written.
bool write_pdf_report(const RecordStore& store, int first, int last, const QString& path,
                      QString* error);

}  // namespace eqbond::cli
