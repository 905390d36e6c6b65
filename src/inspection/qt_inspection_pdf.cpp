#include "inspection/qt_inspection_pdf.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
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

// The table's columns: each as wide as its widest cell on any page, a gap between two.
struct TableGeometry {
    std::vector<qreal> edges;  // the left edge of each column's text, then the last one's right
    qreal gap = 0;
    // The ruled lines between columns, and the table's outer edges.
    qreal rule(size_t column) const { return edges[column] - gap / 2; }
    qreal right() const { return edges.back() + gap / 2; }
};

TableGeometry table_geometry(const std::vector<ReportPage>& pages, QPaintDevice* device) {
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
    TableGeometry table;
    table.gap = QFontMetricsF(font_of(ReportLine{ReportLineKind::Row, {}}), device)
                    .horizontalAdvance(QChar(0x5B8B)) *
                kColumnGapEm;
    qreal x = table.gap / 2;  // the left rule at 0
    for (qreal w : widths) {
        table.edges.push_back(x);
        x += w + table.gap;
    }
    table.edges.push_back(x - table.gap);
    return table;
}

// The image in `path`; none for no path.
QImage image_in(const QString& path) {
    return path.isEmpty() ? QImage() : QImage(path);
}

// `image` scaled to fit `box`, kept in proportion, at its left edge.
void draw_fitted(QPainter& painter, const QImage& image, const QRectF& box) {
    if (image.isNull()) return;
    const QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(box.topLeft(), size), image);
}

// The QR code's symbol at the left, its text beside it; the height it takes.
qreal draw_code(QPainter& painter, const QString& text, qreal top, qreal line_height) {
    const qreal side = line_height * (kQrCodeLines - 1);
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
        painter.drawText(QPointF(side + line_height, top + side / 2 + i * line_height), lines[i]);
    return line_height * kQrCodeLines;
}

// Logo at the left, the lab's name in bold and its other lines beside it, a rule below.
void draw_letterhead(QPainter& painter, const QStringList& cells, qreal top, qreal line_height,
                     qreal width) {
    const qreal height = line_height * (kLetterheadLines - 1);
    const QRectF logo(0, top, width * 0.3, height);
    const QImage image = image_in(cells.value(4));
    draw_fitted(painter, image, logo);
    const qreal x =
        image.isNull()
            ? 0
            : QSizeF(image.size()).scaled(logo.size(), Qt::KeepAspectRatio).width() + line_height;
    const QFont body = painter.font();
    QFont name = QtPrinter::song_font(kSongTypeface, kReportTitlePoints - 2, true);
    qreal baseline = top + QFontMetricsF(name, painter.device()).ascent();
    painter.setFont(name);
    painter.drawText(QPointF(x, baseline), cells.value(0));
    painter.setFont(body);
    for (int i = 1; i < 4; ++i) {
        if (cells.value(i).isEmpty()) continue;
        baseline += line_height;
        painter.drawText(QPointF(x, baseline), cells.value(i));
    }
    painter.drawLine(QPointF(0, top + height + line_height / 2),
                     QPointF(width, top + height + line_height / 2));
}

// Draws one page's lines from the top down: the summary box around its facts, the table's rules
// and shaded heading, images beside the signatures.
class PageDrawer {
  public:
    PageDrawer(QPainter& painter, const TableGeometry& table, qreal width)
        : painter_(painter), table_(table), width_(width) {}

    void draw(const ReportLine& line, qreal height) {
        if (boxing_ && line.kind != ReportLineKind::BoxFact) close_box();
        if (in_table_ && !in_table(line)) close_table();
        const QFont font = font_of(line);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, painter_.device());
        const qreal line_height = metrics.height() * kLineSpacing;
        const qreal baseline = top_ + metrics.ascent();
        const QString first = line.cells.value(0);
        switch (line.kind) {
            case ReportLineKind::QrCode:
                top_ += draw_code(painter_, first, top_, line_height);
                return;
            case ReportLineKind::Letterhead:
                draw_letterhead(painter_, line.cells, top_, line_height, width_);
                top_ += line_height * kLetterheadLines;
                return;
            case ReportLineKind::PageNumber:
                painter_.drawText(QPointF((width_ - metrics.horizontalAdvance(first)) / 2,
                                          height - metrics.descent()),
                                  first);
                return;
            case ReportLineKind::Heading:
            case ReportLineKind::Row:
                draw_row(line, line_height, baseline);
                break;
            case ReportLineKind::Title:
            case ReportLineKind::End:
                painter_.drawText(
                    QPointF((width_ - metrics.horizontalAdvance(first)) / 2, baseline), first);
                break;
            case ReportLineKind::Identity:
                painter_.drawText(QPointF(width_ - metrics.horizontalAdvance(first), baseline),
                                  first);
                break;
            case ReportLineKind::BoxFact:
                if (!boxing_) {
                    boxing_ = true;
                    box_top_ = top_;
                }
                painter_.drawText(QPointF(metrics.averageCharWidth(), baseline), first);
                break;
            case ReportLineKind::SignedBy: {
                painter_.drawText(QPointF(0, baseline), first);
                const qreal x = metrics.horizontalAdvance(first) + line_height;
                draw_fitted(painter_, image_in(line.cells.value(1)),
                            QRectF(x, top_ - line_height, width_ - x, line_height * 2));
                break;
            }
            default:
                painter_.drawText(QPointF(0, baseline), first);
                break;
        }
        top_ += line_height;
    }
    void finish() {
        if (boxing_) close_box();
        if (in_table_) close_table();
    }

  private:
    void draw_row(const ReportLine& line, qreal line_height, qreal baseline) {
        const QRectF band(0, top_, table_.right(), line_height);
        // A row that goes on with the rest of a long test point has no rule above it.
        const bool goes_on = line.kind == ReportLineKind::Row && line.cells.value(0).isEmpty();
        if (line.kind == ReportLineKind::Heading) painter_.fillRect(band, QColor(0xdd, 0xdd, 0xdd));
        if (line.failing) painter_.fillRect(band, QBrush(Qt::black, Qt::Dense7Pattern));
        if (!goes_on) painter_.drawLine(band.topLeft(), band.topRight());
        for (size_t i = 0; i + 1 < table_.edges.size(); ++i)
            painter_.drawLine(QPointF(table_.rule(i), band.top()),
                              QPointF(table_.rule(i), band.bottom()));
        painter_.drawLine(band.topRight(), band.bottomRight());
        const qreal centred = baseline + (line_height - painter_.fontMetrics().height()) / 2;
        for (int i = 0; i < line.cells.size(); ++i)
            painter_.drawText(QPointF(table_.edges[size_t(i)], centred), line.cells[i]);
        in_table_ = true;
    }
    void close_table() {
        painter_.drawLine(QPointF(0, top_), QPointF(table_.right(), top_));
        in_table_ = false;
    }
    void close_box() {
        const qreal pad = painter_.fontMetrics().height() * 0.3;
        painter_.save();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(0, box_top_ - pad, width_, top_ - box_top_ + 2 * pad));
        painter_.restore();
        boxing_ = false;
        top_ += 2 * pad;
    }

    QPainter& painter_;
    const TableGeometry& table_;
    qreal width_;
    qreal top_ = 0;
    bool boxing_ = false;  // within the summary box, which began at box_top_
    qreal box_top_ = 0;
    bool in_table_ = false;
};

void draw_page(QPainter& painter, const ReportPage& page, const TableGeometry& table,
               const QRectF& area) {
    // A page wider than the paper (a long translation) is scaled down whole, never cut off.
    const qreal scale = table.right() > area.width() ? area.width() / table.right() : 1.0;
    painter.save();
    painter.scale(scale, scale);
    PageDrawer drawer(painter, table, area.width() / scale);
    for (const ReportLine& line : page) drawer.draw(line, area.height() / scale);
    drawer.finish();
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
    const TableGeometry table = table_geometry(pages, &device);
    const QRectF area(0, 0, device.width(), device.height());
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        draw_page(painter, pages[i], table, area);
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
