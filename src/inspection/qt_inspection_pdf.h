#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "inspection/inspection_report.h"

class QPagedPaintDevice;

namespace eqbond {

// Draws the pages on a device whose page size and margins are set (a printer, a PDF writer):
// table columns as wide as their widest cell, a page too wide scaled down whole. False when the
// device failed.
bool draw_inspection_report(QPagedPaintDevice& device, const std::vector<ReportPage>& pages);

// The inspection report's pages as an A4 PDF with its fonts embedded, written beside `path` and
// renamed over it only when complete. False with `error` set when it could not be written.
bool write_inspection_pdf(const QString& path, const std::vector<ReportPage>& pages,
                          QString* error);

// The pages as the bytes of an A4 PDF whose title (in its metadata) is `title`; none when the
// writer failed.
std::optional<QByteArray> inspection_pdf_bytes(const QString& title,
                                               const std::vector<ReportPage>& pages);

}  // namespace eqbond
