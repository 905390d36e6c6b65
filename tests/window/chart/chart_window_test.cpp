// The chart in the real main window under the offscreen platform: the retained image the
// periodic redraw paints, the swatches, the pointer read-out and the alarm indicator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "chart/chart_geometry.h"
#include "chart/qt_chart_image.h"
#include "program/startup.h"
#include "program/window_views.h"
#include "support/fake_ports.h"
#include "ui/chart_widget.h"
#include "ui/indicator_widget.h"
#include "ui/main_window.h"

// Colours in failure messages as #rrggbb rather than raw bytes.
void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

namespace eqbond {
namespace {

struct ChartWindow : ::testing::Test {
    test::FakeProgram fake;
    std::unique_ptr<ui::MainWindow> window;
    QColor ink;

    void SetUp() override {
        fake.line.outcomes[2] = OpenOutcome::Opened;
        window = std::make_unique<ui::MainWindow>(fake.program);
        window->run(load_main_window);
        window->show();
        ink = QApplication::palette().color(QPalette::ButtonText);
    }

    ui::ChartWidget* chart() const { return window->chart(); }
    const QImage& image() const { return chart()->image().image(); }
    ProgramState& state() { return fake.state(); }

    void tick(TimerId timer) {
        QMetaObject::invokeMethod(window->timer(timer), "timeout", Qt::DirectConnection);
    }

    void click(QWidget* target) {
        const QPointF centre = QRectF(target->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, target->mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, target->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    void pointer(QEvent::Type type, QPoint pixel, Qt::MouseButton button) {
        QWidget* canvas = chart()->canvas();
        const QPointF at(pixel);
        // A move carries the buttons held; a press or release names its button.
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
        QMouseEvent event(type, at, canvas->mapToGlobal(at), changed, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }

    QString readout() const { return chart()->readout()->text(); }
};

TEST_F(ChartWindow, TheInteriorIsTheBoxLessItsBorder) {
    EXPECT_EQ(image().size(), QSize(693, 365));
    EXPECT_EQ(chart()->canvas()->size(), image().size());
    EXPECT_EQ(chart()->interior_height_twips(), 5475.0f);
}

TEST_F(ChartWindow, TheRedrawPaintsTheAxesOnTheirPixels) {
    tick(TimerId::ChartRedraw);
    EXPECT_EQ(state().main_window.period(TimerId::ChartRedraw), 800);
    const struct {
        const char* what;
        QPoint pixel;
        bool inked;
    } pixels[] = {
        {"resistance axis, top", {36, 20}, true},
        {"resistance axis, middle", {36, 200}, true},
        {"resistance axis, bottom", {36, 319}, true},
        {"above the resistance axis", {36, 18}, false},
        {"right of the resistance axis", {37, 200}, false},
        {"time axis, left", {36, 320}, true},
        {"time axis, middle", {300, 320}, true},
        {"time axis, right end", {653, 320}, true},
        {"below the time axis between ticks", {300, 322}, false},
        {"beyond the time axis", {655, 320}, false},
        {"resistance arrow, left stroke end", {30, 30}, true},
        {"resistance arrow, right stroke end", {42, 30}, true},
        {"time arrow, upper stroke end", {643, 314}, true},
        {"time arrow, lower stroke end", {643, 326}, true},
        {"top major tick", {27, 30}, true},
        // 522.5 twips is pixel 34.83: the nearest pixel is row 35, not row 34.
        {"first minor resistance tick", {34, 35}, true},
        {"row above it", {34, 34}, false},
        // 1208.07 twips is pixel 80.54: column 81, not column 80.
        {"eleventh minor time tick", {81, 323}, true},
        {"column left of it", {80, 323}, false},
        {"last major time tick, lowest pixel", {643, 330}, true},
        {"open chart area", {300, 150}, false},
    };
    for (const auto& p : pixels) {
        const QColor at = image().pixelColor(p.pixel);
        if (p.inked) {
            EXPECT_EQ(at, ink) << p.what;
        } else {
            EXPECT_EQ(at, QColor(192, 255, 255)) << p.what;
        }
    }
}

TEST_F(ChartWindow, TheWidgetShowsTheRetainedImage) {
    state().chart.chart_samples[0] = 30000;
    tick(TimerId::ChartRedraw);
    const QImage shown = chart()->canvas()->grab().toImage();
    for (const QPoint pixel : {QPoint(36, 200), QPoint(639, 175), QPoint(300, 150)})
        EXPECT_EQ(shown.pixelColor(pixel), image().pixelColor(pixel))
            << pixel.x() << "," << pixel.y();
    EXPECT_EQ(shown.pixelColor(639, 175), ink) << "the newest reading, 30 ohm, at the right end";
}

TEST_F(ChartWindow, TheRedrawRunsWhileTheListingIsShown) {
    tick(TimerId::ChartRedraw);
    state().main_window.work_view = false ? WorkView::Chart : WorkView::Listing;
    state().chart.chart_samples[0] = 60000;
    tick(TimerId::ChartRedraw);
    ASSERT_FALSE(chart()->isVisible());
    EXPECT_EQ(image().pixelColor(639, 30), ink) << "the 60 ohm point, drawn though hidden";
}

TEST_F(ChartWindow, ASwatchColourSurvivesThePeriodicRedraw) {
    const struct {
        int index;
        QColor colour;
    } swatches[] = {
        {3, QColor(255, 255, 255)}, {1, QColor(255, 192, 192)}, {2, QColor(255, 192, 255)},
        {4, QColor(192, 192, 255)}, {0, QColor(192, 255, 255)},
    };
    tick(TimerId::ChartRedraw);
    for (const auto& s : swatches) {
        QWidget* swatch = chart()->swatch(s.index);
        EXPECT_EQ(swatch->palette().color(QPalette::Window), s.colour) << s.index;
        click(swatch);
        EXPECT_EQ(image().pixelColor(300, 150), s.colour) << "after the click, swatch " << s.index;
        tick(TimerId::ChartRedraw);
        tick(TimerId::ChartRedraw);
        EXPECT_EQ(image().pixelColor(300, 150), s.colour) << "after redraws, swatch " << s.index;
        EXPECT_EQ(image().pixelColor(36, 200), ink) << s.index;
    }
}

TEST_F(ChartWindow, ThePointerReadOutFollowsPressAndMove) {
    EXPECT_TRUE(chart()->canvas()->hasMouseTracking()) << "moves without a button must arrive";
    const struct {
        QEvent::Type type;
        Qt::MouseButton button;
        QPoint pixel;
        const char* text;
    } steps[] = {
        {QEvent::MouseMove, Qt::NoButton, {100, 175}, "30Ω"},           // 2625 twips
        {QEvent::MouseMove, Qt::NoButton, {600, 175}, "30Ω"},           // x has no influence
        {QEvent::MouseButtonPress, Qt::RightButton, {500, 30}, "60Ω"},  // 450 twips
        {QEvent::MouseMove, Qt::LeftButton, {500, 10}, "60Ω"},
        {QEvent::MouseMove, Qt::LeftButton, {5, 300}, "4.13793Ω"},           // 4500 twips
        {QEvent::MouseButtonRelease, Qt::LeftButton, {5, 100}, "4.13793Ω"},  // no change
        {QEvent::MouseButtonPress, Qt::MiddleButton, {5, 364}, "0Ω"},        // the lowest row
    };
    for (const auto& s : steps) {
        pointer(s.type, s.pixel, s.button);
        EXPECT_EQ(readout().toStdString(), s.text) << s.pixel.x() << "," << s.pixel.y();
    }
}

TEST_F(ChartWindow, TypingInTheReadOutStaysUntilThePointerMoves) {
    QLineEdit* box = chart()->readout();
    box->end(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(box, &key);
    tick(TimerId::Banner);  // any handler shows the state again
    EXPECT_EQ(box->text().toStdString(), "0.0000Ω7");
    pointer(QEvent::MouseMove, {100, 175}, Qt::NoButton);
    EXPECT_EQ(box->text().toStdString(), "30Ω");
}

TEST_F(ChartWindow, TheReadOutIsABlackBoxWithWhiteText) {
    QLineEdit* box = chart()->readout();
    EXPECT_EQ(box->objectName().toStdString(), "Text3");
    EXPECT_EQ(box->geometry(), QRect(8640 / 15, 0, 1695 / 15, 270 / 15));
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 2, 1), QColor(Qt::black));
    bool white_text = false;
    for (int x = 0; x < shown.width() && !white_text; ++x)
        for (int y = 0; y < shown.height() && !white_text; ++y)
            white_text = shown.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_TRUE(white_text);
}

TEST_F(ChartWindow, TheIndicatorShowsTheFillOfEachTick) {
    auto* indicator = window->findChild<ui::IndicatorWidget*>(QStringLiteral("Shape1"));
    ASSERT_NE(indicator, nullptr);
    auto* lock = window->findChild<QPushButton*>(QStringLiteral("Command15"));
    state().link.linked = true;
    state().stats.alarm_hit = true;
    lock->click();
    EXPECT_EQ(lock->text().toStdString(), "解  除");
    for (const QColor expected : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::red)}) {
        tick(TimerId::AlarmIndicator);
        const QImage shown = indicator->grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.rect().center()), expected);
    }
    lock->click();
    tick(TimerId::AlarmIndicator);
    EXPECT_EQ(indicator->grab().toImage().pixelColor(indicator->rect().center()),
              QColor(Qt::green));
}

// A redraw starts from the frame a redraw before it drew: it must give the pixels of a redraw on
// a fresh image.
TEST(ChartImage, ARedrawDrawsWhatAFreshImageDraws) {
    ChartPoints wandering{};
    for (int i = 0; i < kChartPoints; ++i) wandering[size_t(i)] = (i * 7) % 60;
    ChartPoints moved = wandering;
    moved[100] = 33;
    const std::vector<ChartItem> steady = chart_geometry(ChartPoints{});
    const struct {
        const char* what;
        std::vector<ChartItem> after;
        Rgb background;
    } redraws[] = {
        {"the same list", steady, colour::kCyan},
        {"the trend moved", chart_geometry(wandering), colour::kCyan},
        {"one point moved", chart_geometry(moved), colour::kCyan},
        {"another background", chart_geometry(moved), Rgb{255, 192, 192}},
        {"nothing drawn", {}, colour::kCyan},
        {"another background after nothing", steady, Rgb{192, 192, 255}},
    };
    const QColor ink(Qt::black);
    QtChartImage redrawn(QSize(693, 365), ink);
    redrawn.render(steady, colour::kCyan);
    redrawn.render(steady, colour::kCyan);
    for (const auto& r : redraws) {
        redrawn.render(r.after, r.background);
        QtChartImage fresh(QSize(693, 365), ink);
        fresh.render(r.after, r.background);
        EXPECT_TRUE(redrawn.image() == fresh.image()) << r.what;
    }
}

}  // namespace
}  // namespace eqbond
