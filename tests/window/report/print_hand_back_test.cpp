// The print and save buttons of the real main window, wired by the application controller: the
// main window gives way to Form2 and comes back loaded anew, and the groups survive either
// answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "program/window_views.h"
#include "support/report_fakes.h"
#include "support/started_program.h"
#include "ui/app_controller.h"
#include "ui/chart_widget.h"
#include "ui/main_window.h"
#include "ui/print_options_dialog.h"

namespace eqbond {
namespace {

struct HandBack : ::testing::Test {
    std::unique_ptr<ui::AppController> controller;
    test::FakePrinter printer;
    test::FakeMessageBox messages;
    test::FakeFileDialogs dialogs;

    // What the main window looked like while Form2 was open.
    bool main_visible_meanwhile = true;
    bool timers_running_meanwhile = true;
    bool dialog_was_open = false;

    void SetUp() override {
        QString error;
        controller = test::started_program(QString(), messages, dialogs, printer, &error);
        ASSERT_TRUE(controller) << error.toStdString();
        test::put_groups(state().records, 5);
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }

    ProgramState& state() { return controller->program().state; }
    ui::MainWindow* main() { return controller->main_window(); }
    QPushButton* main_button(const char* name) {
        return main()->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Clicks the print button; once Form2 is up, `in_dialog` acts on it.
    void print_with(std::function<void(ui::PrintOptionsDialog&)> in_dialog) {
        QTimer::singleShot(0, [this, in_dialog] {
            ui::PrintOptionsDialog* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("Form2") && w->isVisible())
                    dialog = qobject_cast<ui::PrintOptionsDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog_was_open = true;
            main_visible_meanwhile = main()->isVisible();
            timers_running_meanwhile = main()->timer(TimerId::LinkSupervision)->isActive();
            in_dialog(*dialog);
        });
        main_button("Command7")->click();
    }
};

void click(ui::PrintOptionsDialog& d, const char* button) {
    d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

TEST_F(HandBack, EveryAnswerBringsTheMainWindowBackWithTheGroups) {
    const struct {
        const char* how;
        std::function<void(ui::PrintOptionsDialog&)> act;
        int16_t biaozi_seen;
        int pages;
    } answers[] = {
        {"print", [](ui::PrintOptionsDialog& d) { click(d, "Command1"); }, 10, 1},
        {"cancel", [](ui::PrintOptionsDialog& d) { click(d, "Command2"); }, 30, 0},
        {"title bar", [](ui::PrintOptionsDialog& d) { d.close(); }, 30, 0},
    };
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.how);
        printer.calls.clear();
        dialog_was_open = false;
        print_with(answer.act);
        EXPECT_TRUE(dialog_was_open);
        EXPECT_FALSE(main_visible_meanwhile) << "unloaded while the dialog is open";
        EXPECT_FALSE(timers_running_meanwhile);
        EXPECT_TRUE(main()->isVisible());
        EXPECT_TRUE(main()->timer(TimerId::LinkSupervision)->isActive());
        EXPECT_EQ(int(printer.pages().size()), answer.pages);
        EXPECT_EQ(state().print_options.dialog_answer, DialogAnswer::Open);
        EXPECT_EQ(state().records.at(5).number, 5);
        EXPECT_EQ(state().records.last_stored_group, 5);
    }
}

TEST_F(HandBack, TheReloadRestoresControlsButKeepsModuleVariables) {
    ProgramState& s = state();
    s.main_window.backlight_on = true;
    s.main_window.page_field_text = QStringLiteral("3");
    s.main_window.work_view = false ? WorkView::Chart : WorkView::Listing;
    s.main_window.chart_background = Rgb{255, 0, 0};
    main()->chart()->image().render({}, main_window_view(s).chart_background);
    s.chart.chart_samples[0] = 1234;
    s.link.linked = true;
    main()->show_state();
    print_with([](ui::PrintOptionsDialog& d) { click(d, "Command2"); });

    EXPECT_EQ(main_button("Command8")->text(), QStringLiteral("开背光灯"));
    EXPECT_EQ(main()->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("1"));
    EXPECT_TRUE(main()->chart()->isVisible()) << "the chart is the visible view";
    EXPECT_FALSE(main()->findChild<QWidget*>(QStringLiteral("RichTextBox1"))->isVisible());
    EXPECT_EQ(main()->chart()->image().image().pixelColor(5, 5), QColor(192, 255, 255));
    EXPECT_EQ(main_window_view(s).chart_background, (Rgb{192, 255, 255}));
    EXPECT_EQ(s.chart.chart_samples[0], 1234) << "module state outlives the window";
    EXPECT_TRUE(s.link.linked);
    EXPECT_EQ(s.link.next_group, 1) << "what the start-up sets, it sets";
}

// With a silent or steady instrument every redraw draws the same: the window must still paint it
// onto the blank box that a reload leaves, whether the periodic redraw or a swatch click (of the
// colour already shown) asks for it.
TEST_F(HandBack, TheChartIsOnScreenAgainAfterTheDialog) {
    const QColor ink = QApplication::palette().color(QPalette::ButtonText);
    const QPoint on_resistance_axis(36, 200);
    const auto axis_drawn = [&] {
        return main()->chart()->image().image().pixelColor(on_resistance_axis) == ink;
    };
    const auto redraw_tick = [&] {
        QMetaObject::invokeMethod(main()->timer(TimerId::ChartRedraw), "timeout",
                                  Qt::DirectConnection);
    };
    const auto click_cyan_swatch = [&] {
        QWidget* swatch = main()->chart()->swatch(0);
        const QPointF centre = QRectF(swatch->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, swatch->mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, swatch->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(swatch, &press);
        QApplication::sendEvent(swatch, &release);
    };
    const struct {
        const char* how;
        const char* button;
        std::function<void()> redraw;
    } cases[] = {
        {"print, then the periodic redraw", "Command1", redraw_tick},
        {"cancel, then the periodic redraw", "Command2", redraw_tick},
        {"cancel, then the swatch of the colour shown", "Command2", click_cyan_swatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        redraw_tick();
        ASSERT_TRUE(axis_drawn());
        print_with([&c](ui::PrintOptionsDialog& d) { click(d, c.button); });
        c.redraw();
        EXPECT_TRUE(axis_drawn());
    }
}

TEST_F(HandBack, TheMainWindowOpensCentredOnTheScreen) {
    const QPoint screen_centre = main()->screen()->availableGeometry().center();
    const QPoint offset = main()->frameGeometry().center() - screen_centre;
    // Within the border and title bar, which the window manager adds after the first show.
    EXPECT_LE(offset.manhattanLength(), 16) << offset.x() << ", " << offset.y();
}

TEST_F(HandBack, PrintsTheChosenRangeAfterTheMainWindowIsBack) {
    print_with([](ui::PrintOptionsDialog& d) {
        auto* to = d.findChild<QLineEdit*>(QStringLiteral("Text2"));
        to->selectAll();
        to->insert(QStringLiteral("3"));
        click(d, "Command1");
    });
    const std::vector<QStringList> pages = printer.pages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 5);
    EXPECT_TRUE(pages[0][3].startsWith(QStringLiteral("0001组:")));
    EXPECT_TRUE(pages[0][3].contains(QStringLiteral("0003组:")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HandBack, SaveButtonOffersTheBitmapOrTheReport) {
    const struct {
        bool listing;
        const char* name;
    } cases[] = {{false, "KORVAL.bmp"}, {true, "KORVAL.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.asked.clear();
        state().main_window.work_view = !c.listing ? WorkView::Chart : WorkView::Listing;
        main_button("Command4")->click();
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked[0].file_name, QString::fromLatin1(c.name));
        EXPECT_TRUE(messages.shown.empty()) << "a cancel says nothing";
    }
}

}  // namespace
}  // namespace eqbond
