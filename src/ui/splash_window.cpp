#include "ui/splash_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "ui/click_on_release.h"
#include "ui/resources.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
constexpr int kBlinkDelayMs = 2000;
constexpr int kBlinkPeriodMs = 500;

// A picture box that reports a click: press and release inside it.
class PictureBox : public ClickOnRelease<QLabel> {
  public:
    PictureBox(const QString& picture, std::function<void()> on_click, QWidget* parent)
        : ClickOnRelease<QLabel>(std::move(on_click), parent) {
        const QPixmap pixmap(picture);
        setPixmap(pixmap);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The box is a few rows taller than its picture: those rows continue its lower edge.
        if (!pixmap.isNull()) {
            QPalette palette = this->palette();
            palette.setColor(QPalette::Window, pixmap.toImage().pixelColor(0, pixmap.height() - 1));
            setPalette(palette);
        }
        setAutoFillBackground(true);
    }
};
}  // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {
    load_resources();
    setObjectName(QStringLiteral("Form3"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(QIcon(QStringLiteral(":/eqbond/icon32.png")));
    setFixedSize(px(11880), px(6870));

    auto on_click = [this] { picture_clicked(); };
    rear_picture_ = new PictureBox(QStringLiteral(":/eqbond/splash2.png"), on_click, this);
    rear_picture_->setObjectName(QStringLiteral("Picture2"));
    place(rear_picture_, 0, 0, 11895, 6975);
    front_picture_ = new PictureBox(QStringLiteral(":/eqbond/splash1.png"), on_click, this);
    front_picture_->setObjectName(QStringLiteral("Picture1"));
    place(front_picture_, 0, -120, 11895, 6975);
    front_picture_->raise();  // in front of the rear picture

    blink_delay_timer_ = new QTimer(this);
    blink_delay_timer_->setObjectName(QStringLiteral("Timer1"));
    blink_timer_ = new QTimer(this);
    blink_timer_->setObjectName(QStringLiteral("Timer2"));
    connect(blink_delay_timer_, &QTimer::timeout, this, &SplashWindow::start_blinking);
    connect(blink_timer_, &QTimer::timeout, this, &SplashWindow::toggle_rear_picture);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    blink_timer_->stop();
    blink_delay_timer_->start(kBlinkDelayMs);
}

void SplashWindow::start_blinking() {
    blink_timer_->start(kBlinkPeriodMs);
    blink_delay_timer_->stop();
}

void SplashWindow::toggle_rear_picture() {
    rear_picture_->setHidden(!rear_picture_->isHidden());
}

void SplashWindow::picture_clicked() {
    blink_delay_timer_->stop();
    blink_timer_->stop();
    hide();
    emit clicked();
}

}  // namespace eqbond::ui
