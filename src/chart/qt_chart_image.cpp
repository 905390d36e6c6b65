#include "chart/qt_chart_image.h"

#include <QPainter>
#include <QSaveFile>

#include "app/controls.h"

namespace eqbond {

namespace {
constexpr double kTwipsPerPixel = 15.0;
}

void paint_chart(QPainter& painter, const std::vector<ChartItem>& items, const QColor& ink) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 0));
    for (const ChartItem& item : items) {
        const QPointF from(item.x1 / kTwipsPerPixel, item.y1 / kTwipsPerPixel);
        if (item.kind == ChartItem::Kind::Line) {
            painter.drawLine(QLineF(from, QPointF(item.x2 / kTwipsPerPixel, item.y2 / kTwipsPerPixel)));
        } else {
            painter.drawText(QRectF(from, QSizeF(200, 50)), Qt::AlignLeft | Qt::AlignTop, item.text);
        }
    }
}

QtChartImage::QtChartImage(QSize interior, QColor ink)
    : image_(interior, QImage::Format_RGB32), ink_(ink) {
    image_.fill(QColor(192, 255, 255));
}

void QtChartImage::render(const std::vector<ChartItem>& items, const Rgb& background) {
    image_.fill(QColor(background.r, background.g, background.b));
    QPainter painter(&image_);
    paint_chart(painter, items, ink_);
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
