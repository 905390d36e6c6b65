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
constexpr int kTimer1Period = 2000;
constexpr int kTimer2Period = 500;

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
    Picture2_ = new PictureBox(QStringLiteral(":/eqbond/splash2.png"), on_click, this);
    Picture2_->setObjectName(QStringLiteral("Picture2"));
    place(Picture2_, 0, 0, 11895, 6975);
    Picture1_ = new PictureBox(QStringLiteral(":/eqbond/splash1.png"), on_click, this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    place(Picture1_, 0, -120, 11895, 6975);
    Picture1_->raise();  // in front of Picture2

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer2_ = new QTimer(this);
    Timer2_->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1_, &QTimer::timeout, this, &SplashWindow::timer1_tick);
    connect(Timer2_, &QTimer::timeout, this, &SplashWindow::timer2_tick);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Timer2_->stop();
    Timer1_->start(kTimer1Period);
}

void SplashWindow::timer1_tick() {
    Timer2_->start(kTimer2Period);
    Timer1_->stop();
}

void SplashWindow::timer2_tick() {
    Picture2_->setHidden(!Picture2_->isHidden());
}

void SplashWindow::picture_clicked() {
    Timer1_->stop();
    Timer2_->stop();
    hide();
    emit clicked();
}

}  // namespace eqbond::ui
