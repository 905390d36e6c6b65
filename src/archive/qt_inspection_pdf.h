#pragma once
#include <QString>
#include <vector>

#include "archive/inspection_report.h"

namespace eqbond {

// The inspection report's pages as an A4 PDF with its fonts embedded, written beside `path` and
// renamed over it only when complete. False with `error` set when it could not be written.
bool write_inspection_pdf(const QString& path, const std::vector<ReportPage>& pages,
                          QString* error);

}  // namespace eqbond
