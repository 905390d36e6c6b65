#include "chart/qt_chart_image.h"

#include <QPainter>
#include <QSaveFile>
#include <algorithm>

#include "base/rgb.h"
#include "base/twips.h"

namespace eqbond {

namespace {
// Room for the longest chart text ("R(Ω)") in the default font.
constexpr QSize kTextBox(200, 50);

// A twip coordinate lands on the nearest pixel, as the window system maps twips to pixels.
// Aliased drawing in Qt would floor a fractional coordinate instead, one pixel off for half
// the ticks.
int to_pixel(float twips) {
    return qRound(twips / double(kTwipsPerPixel));
}

QPoint to_pixels(float x, float y) {
    return QPoint(to_pixel(x), to_pixel(y));
}
}  // namespace

void paint_chart(QPainter& painter, std::vector<ChartItem>::const_iterator first,
                 std::vector<ChartItem>::const_iterator last, const QColor& ink) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 0));  // cosmetic: one pixel wide at any scale
    for (auto item = first; item != last; ++item) {
        const QPoint from = to_pixels(item->x1, item->y1);
        if (item->kind == ChartItem::Kind::Line) {
            painter.drawLine(from, to_pixels(item->x2, item->y2));
        } else {
            painter.drawText(QRect(from, kTextBox), Qt::AlignLeft | Qt::AlignTop, item->text);
        }
    }
}

QtChartImage::QtChartImage(QSize interior, QColor ink)
    : image_(interior, QImage::Format_RGB32), ink_(ink) {
    image_.fill(QColor(colour::kCyan.r, colour::kCyan.g, colour::kCyan.b));
}

void QtChartImage::render(const std::vector<ChartItem>& items, const Rgb& background) {
    // Every redraw starts from the plain background: nothing of the previous drawing survives.
    // The frame is kept drawn on its background, though: drawing its labels again took most of
    // a redraw, so one that opens with the same frame copies it and draws the curve over it.
    const auto frame_end = items.end() - qsizetype(std::min(items.size(), kCurveSegments));
    if (drawn_frame_.isNull() || background != frame_background_ ||
        !std::equal(items.begin(), frame_end, frame_.begin(), frame_.end())) {
        if (drawn_frame_.isNull()) drawn_frame_ = QImage(image_.size(), image_.format());
        drawn_frame_.fill(QColor(background.r, background.g, background.b));
        QPainter painter(&drawn_frame_);
        paint_chart(painter, items.begin(), frame_end, ink_);
        frame_.assign(items.begin(), frame_end);
        frame_background_ = background;
    }
    std::copy_n(drawn_frame_.constBits(), drawn_frame_.sizeInBytes(), image_.bits());
    QPainter painter(&image_);
    paint_chart(painter, frame_end, items.end(), ink_);
}

bool QtChartImage::save_bitmap(const QString& path) {
    // Written beside the target and renamed over it, so a failed write leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image_.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace eqbond
