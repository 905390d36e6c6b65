#pragma once
// A frame with a caption that keeps its own drawing as a picture.
#include <QGroupBox>
#include <QPixmap>

namespace eqbond::ui {

// When a caption inside a frame changes, Qt paints the frame again beneath it (captions are
// transparent), and drawing the frame is the costly part of that repaint: the style lays out its
// caption and looks up its border picture each time. This frame draws itself once for each look
// (size, caption, palette, font, style, state) and paints the picture after that: the same
// pixels, since it lies on a plain colour. On anything else it draws in place.
class StillFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Look {
        QSize size;
        QString caption;
        qint64 palette = 0;
        QString font;
        const QStyle* style = nullptr;
        bool enabled = false, active = false;
        bool operator==(const Look& o) const {
            return size == o.size && caption == o.caption && palette == o.palette &&
                   font == o.font && style == o.style && enabled == o.enabled && active == o.active;
        }
    };

    QPixmap drawn_;
    Look drawn_look_;
};

}  // namespace eqbond::ui
