// Form3 under the offscreen platform: its pictures, its two timers driven tick by tick, and a
// click leading to the main window.
#include "ui/splash_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "ui/app_controller.h"
#include "ui/main_window.h"

namespace eqbond {
namespace {

void click(QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(QPointF(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

TEST(SplashWindow, TwoPicturesOneInFrontOfTheOther) {
    ui::SplashWindow splash;
    splash.show();
    EXPECT_EQ(splash.size(), QSize(792, 458));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.picture(1)->geometry(), QRect(0, -8, 793, 465));
    EXPECT_EQ(splash.picture(2)->geometry(), QRect(0, 0, 793, 465));
    for (int n : {1, 2}) {
        const QPixmap picture = splash.picture(n)->pixmap();
        EXPECT_EQ(picture.size(), QSize(793, 462)) << n;
    }
    EXPECT_NE(splash.picture(1)->pixmap().toImage(), splash.picture(2)->pixmap().toImage());
    EXPECT_EQ(splash.childAt(400, 200), splash.picture(1)) << "the first picture lies in front";
    EXPECT_EQ(splash.childAt(400, 457), splash.picture(2)) << "the second shows along the bottom";
}

TEST(SplashWindow, StillForTwoSecondsThenTheRearPictureBlinks) {
    ui::SplashWindow splash;
    splash.show();
    EXPECT_TRUE(splash.blink_delay_timer()->isActive());
    EXPECT_EQ(splash.blink_delay_timer()->interval(), 2000);
    EXPECT_FALSE(splash.blink_timer()->isActive());
    EXPECT_TRUE(splash.picture(2)->isVisible());

    splash.start_blinking();
    EXPECT_FALSE(splash.blink_delay_timer()->isActive());
    EXPECT_TRUE(splash.blink_timer()->isActive());
    EXPECT_EQ(splash.blink_timer()->interval(), 500);

    // The rear picture shows only in the bottom row of the window.
    const QImage rear = splash.picture(2)->pixmap().toImage();
    const QImage front = splash.picture(1)->pixmap().toImage();
    for (bool shown : {false, true, false, true}) {
        splash.toggle_rear_picture();
        EXPECT_EQ(splash.picture(2)->isVisible(), shown);
        const QImage seen = splash.grab().toImage();
        EXPECT_EQ(seen.pixelColor(100, 457) == rear.pixelColor(100, 457), shown);
        EXPECT_EQ(seen.pixelColor(100, 200), front.pixelColor(100, 208));
    }
}

TEST(SplashWindow, AClickOnEitherPictureLeadsOn) {
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        ui::SplashWindow splash;
        splash.show();
        splash.start_blinking();
        int clicks = 0;
        QObject::connect(&splash, &ui::SplashWindow::clicked, [&] { ++clicks; });
        click(splash.picture(n), n == 1 ? QPoint(300, 300) : QPoint(300, 457));
        EXPECT_EQ(clicks, 1);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.blink_delay_timer()->isActive());
        EXPECT_FALSE(splash.blink_timer()->isActive());
    }
}

// Notes whether the splash was still visible when the main window was shown.
struct ShowWatch : QObject {
    explicit ShowWatch(QWidget* splash) : splash_(splash) {}
    int splash_visible_at_show = -1;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) splash_visible_at_show = splash_->isVisible();
        return false;
    }
    QWidget* splash_;
};

TEST(SplashWindow, TheProgramOpensWithItUnlessAskedNotTo) {
    for (bool with_splash : {true, false}) {
        SCOPED_TRACE(with_splash);
        ui::LaunchOptions options;
        options.ports = {QStringLiteral("/nonexistent/eqbond-test-port")};
        options.splash = with_splash;
        ui::AppController controller(options);
        ASSERT_TRUE(controller.start(nullptr));
        EXPECT_EQ(controller.main_window()->isVisible(), !with_splash);
        EXPECT_EQ(controller.splash_window() != nullptr, with_splash);
        if (!with_splash) continue;
        ui::SplashWindow* splash = controller.splash_window();
        EXPECT_TRUE(splash->isVisible());
        ShowWatch watch(splash);
        controller.main_window()->installEventFilter(&watch);
        click(splash->picture(1), QPoint(10, 10));
        EXPECT_EQ(watch.splash_visible_at_show, 0) << "the splash is gone before the main window";
        EXPECT_TRUE(controller.main_window()->isVisible());
        EXPECT_TRUE(controller.main_window()->timer(TimerId::LinkSupervision)->isActive());
        QApplication::processEvents();
        EXPECT_EQ(controller.splash_window(), nullptr) << "freed once its click has returned";
        controller.main_window()->hide();
    }
}

}  // namespace
}  // namespace eqbond
