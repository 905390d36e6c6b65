#include "report/qt_printer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "base/song_typeface.h"
#include "base/text_cells.h"

namespace eqbond {

namespace {
// Width of one single-byte cell: half an ideograph of the font.
qreal cell_width(const QFontMetricsF& metrics) {
    return metrics.horizontalAdvance(QChar(0x5B8B)) / 2.0;  // 宋
}
}  // namespace

QFont QtPrinter::song_font(const QString& family, double points, bool bold) {
    QFont font;
    QStringList families{family};
    families += kSongStandIns;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const QString& pdf_path) : pdf_path_(pdf_path) {}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) abort();
}

bool QtPrinter::begin() {
    failed_ = false;
    page_.clear();
    painter_.reset();
    if (pdf_path_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            printer_.reset();
            return false;
        }
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdf_path_);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    printer_->setDocName(document_name_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        failed_ = true;
        return false;
    }
    return true;
}

void QtPrinter::set_font(const QString& family, double points, bool bold) {
    font_ = song_font(family, points, bold);
}

void QtPrinter::print_line(const QString& line) {
    if (painter_) page_.push_back(Line{font_, line});
}

void QtPrinter::draw_page() {
    if (!painter_ || !painter_->isActive()) return;
    qreal height = 0, width = 0;
    for (const Line& line : page_) {
        const QFontMetricsF metrics(line.font, printer_.get());
        height += metrics.height();
        width = std::max(width, cells_of(line.text) * cell_width(metrics));
    }
    const qreal scale = std::min({qreal(1), height > 0 ? printer_->height() / height : 1,
                                  width > 0 ? printer_->width() / width : 1});
    painter_->save();
    painter_->scale(scale, scale);
    qreal top = 0;
    for (const Line& line : page_) {
        painter_->setFont(line.font);
        const QFontMetricsF metrics(line.font, printer_.get());
        const qreal cell = cell_width(metrics);
        const qreal baseline = top + metrics.ascent();
        int column = 0;
        for (QChar c : line.text) {
            if (c != QLatin1Char(' '))
                painter_->drawText(QPointF(column * cell, baseline), QString(c));
            column += cells_of(c);
        }
        top += metrics.height();
    }
    painter_->restore();
    page_.clear();
}

void QtPrinter::new_page() {
    if (!painter_) return;
    draw_page();
    if (!printer_->newPage()) failed_ = true;
}

void QtPrinter::finish() {
    if (painter_ && painter_->isActive() && !painter_->end()) failed_ = true;
    painter_.reset();
}

bool QtPrinter::end_document() {
    if (!painter_) return false;
    draw_page();
    finish();
    if (printer_->printerState() == QPrinter::Error) failed_ = true;
    return !failed_;
}

void QtPrinter::abort() {
    page_.clear();
    if (printer_) printer_->abort();
    finish();
    if (!pdf_path_.isEmpty()) QFile::remove(pdf_path_);
}

bool QtPrinter::failed() const {
    return failed_ || (printer_ && printer_->printerState() == QPrinter::Error);
}

}  // namespace eqbond
