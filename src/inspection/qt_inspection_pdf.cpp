#include "inspection/qt_inspection_pdf.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "archive/qt_pdf_file.h"
#include "base/song_typeface.h"
#include "inspection/qt_qr_code.h"
#include "report/qt_printer.h"

namespace eqbond {

namespace {

constexpr int kResolution = 300;
constexpr qreal kLineSpacing = 1.25;
// Between two table columns, in widths of an ideograph.
constexpr qreal kColumnGapEm = 1.5;

QFont font_of(const ReportLine& line) {
    const bool title = line.kind == ReportLineKind::Title;
    return QtPrinter::song_font(kSongTypeface, title ? kReportTitlePoints : kReportBodyPoints,
                                bold_line(line));
}

// The left edge of every table column: each as wide as its widest cell on any page.
std::vector<qreal> column_edges(const std::vector<ReportPage>& pages, QPaintDevice* device) {
    std::vector<qreal> widths;
    for (const ReportPage& page : pages) {
        for (const ReportLine& line : page) {
            if (!in_table(line)) continue;
            const QFontMetricsF metrics(font_of(line), device);
            widths.resize(std::max(widths.size(), size_t(line.cells.size())));
            for (int i = 0; i < line.cells.size(); ++i)
                widths[i] = std::max(widths[i], metrics.horizontalAdvance(line.cells[i]));
        }
    }
    const qreal gap = QFontMetricsF(font_of(ReportLine{ReportLineKind::Row, {}}), device)
                          .horizontalAdvance(QChar(0x5B8B)) *
                      kColumnGapEm;
    std::vector<qreal> edges;
    qreal x = 0;
    for (qreal w : widths) {
        edges.push_back(x);
        x += w + gap;
    }
    edges.push_back(x - gap);  // the table's right edge
    return edges;
}

// The QR code's symbol at the left, its text beside it; the height it takes.
qreal draw_code(QPainter& painter, const QString& text, qreal top, qreal line_height) {
    const qreal side = line_height * kLineSpacing * (kQrCodeLines - 1);
    const std::vector<std::vector<bool>> modules = qr_modules(text);
    if (!modules.empty()) {
        // A quiet zone of four modules is left white around it, as readers need.
        const qreal module = side / qreal(modules.size() + 8);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (size_t y = 0; y < modules.size(); ++y)
            for (size_t x = 0; x < modules[y].size(); ++x)
                if (modules[y][x])
                    painter.drawRect(QRectF((qreal(x) + 4) * module, top + (qreal(y) + 4) * module,
                                            module, module));
        painter.restore();
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(
            QPointF(side + line_height, top + side / 2 + i * line_height * kLineSpacing), lines[i]);
    return line_height * kLineSpacing * kQrCodeLines;
}

void draw_page(QPainter& painter, const ReportPage& page, const std::vector<qreal>& edges,
               const QRectF& area) {
    // A page wider than the paper (a long translation) is scaled down whole, never cut off.
    const qreal scale = edges.back() > area.width() ? area.width() / edges.back() : 1.0;
    painter.save();
    painter.scale(scale, scale);
    const qreal width = area.width() / scale, height = area.height() / scale;
    qreal top = 0;
    for (const ReportLine& line : page) {
        const QFont font = font_of(line);
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        if (line.kind == ReportLineKind::QrCode) {
            top += draw_code(painter, line.cells.value(0), top, metrics.height());
            continue;
        }
        if (line.kind == ReportLineKind::PageNumber) {
            const QString number = line.cells.value(0);
            painter.drawText(QPointF((width - metrics.horizontalAdvance(number)) / 2,
                                     height - metrics.descent()),
                             number);
            continue;
        }
        const qreal baseline = top + metrics.ascent();
        if (in_table(line)) {
            for (int i = 0; i < line.cells.size(); ++i)
                painter.drawText(QPointF(edges[size_t(i)], baseline), line.cells[i]);
        } else if (line.kind == ReportLineKind::Title || line.kind == ReportLineKind::End) {
            const QString title = line.cells.value(0);
            painter.drawText(QPointF((width - metrics.horizontalAdvance(title)) / 2, baseline),
                             title);
        } else {
            painter.drawText(QPointF(0, baseline), line.cells.value(0));
        }
        top += metrics.height() * kLineSpacing;
        if (line.kind == ReportLineKind::Heading) {
            painter.drawLine(QPointF(0, top - metrics.descent()),
                             QPointF(edges.back(), top - metrics.descent()));
        }
    }
    painter.restore();
}

void set_up(QPdfWriter& writer, const QString& title) {
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
    writer.setResolution(kResolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("eqbond"));
    // The title again as plain XML: a reader of the file's bytes finds it there, whereas the
    // information dictionary keeps it in UTF-16.
    writer.setDocumentXmpMetadata(
        QStringLiteral("<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf="
                       "\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
                       "rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>"
                       "<rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>"
                       "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>")
            .arg(title.toHtmlEscaped())
            .toUtf8());
}

bool write_pdf(const QString& file, const QString& title, const std::vector<ReportPage>& pages,
               QString* error) {
    QPdfWriter writer(file);
    set_up(writer, title);
    if (draw_inspection_report(writer, pages)) return true;
    *error = QStringLiteral("the PDF writer failed");
    return false;
}

}  // namespace

bool draw_inspection_report(QPagedPaintDevice& device, const std::vector<ReportPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const std::vector<qreal> edges = column_edges(pages, &device);
    const QRectF area(0, 0, device.width(), device.height());
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        draw_page(painter, pages[i], edges, area);
    }
    return painter.end();
}

bool write_inspection_pdf(const QString& path, const std::vector<ReportPage>& pages,
                          QString* error) {
    const QString title = QFileInfo(path).completeBaseName();
    return write_then_rename(
        path,
        [&](const QString& scratch, QString* failure) {
            return write_pdf(scratch, title, pages, failure);
        },
        error);
}

std::optional<QByteArray> inspection_pdf_bytes(const QString& title,
                                               const std::vector<ReportPage>& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        set_up(writer, title);
        if (!draw_inspection_report(writer, pages)) return std::nullopt;
    }  // the writer ends the document when it goes
    return buffer.data();
}

}  // namespace eqbond
