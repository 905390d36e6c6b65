// The main window under the offscreen platform: built to the layout table, design captions,
// start-up state shown, and a click reaching its handler.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "program/event_wait.h"
#include "program/startup.h"
#include "support/fake_ports.h"
#include "ui/chart_widget.h"
#include "ui/main_window.h"
#include "ui/still_frame.h"

namespace eqbond {
namespace {

struct WindowFixture : ::testing::Test {
    test::FakeProgram fake;
    std::unique_ptr<ui::MainWindow> window;

    void SetUp() override {
        fake.line.outcomes[2] = OpenOutcome::Opened;
        window = std::make_unique<ui::MainWindow>(fake.program);
        window->run(load_main_window);
        window->show();
    }

    QWidget* control(const char* name) const {
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString caption(const char* name) const {
        QWidget* w = control(name);
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        return QStringLiteral("<no caption>");
    }
};

TEST_F(WindowFixture, ControlsStandWhereTheLayoutPutsThem) {
    const struct {
        const char* name;
        const char* container;
        int left, top, width, height;  // twips
    } layout[] = {
        {"Frame1", "Form1", 240, 240, 3615, 1215},
        {"Label3", "Frame1", 600, 840, 2055, 255},
        {"Label1", "Frame1", 600, 120, 2055, 255},
        {"Frame12", "Form1", 120, 7320, 3135, 1455},
        {"Command15", "Frame12", 1440, 840, 1455, 495},
        {"Combo2", "Frame12", 2400, 360, 615, 300},
        {"Text2", "Frame12", 1080, 360, 1335, 270},
        {"Shape1", "Frame12", 120, 480, 735, 615},
        {"Frame11", "Form1", 3840, 7320, 3495, 1455},
        {"Command14", "Frame11", 360, 840, 1095, 495},
        {"Text1", "Frame11", 360, 360, 855, 375},
        {"Command13", "Frame11", 2160, 840, 1095, 495},
        {"Command12", "Frame11", 2160, 240, 1095, 495},
        {"Label19", "Frame11", 1320, 435, 255, 255},
        {"Frame4", "Form1", 7800, 7440, 2175, 1335},
        {"Label18", "Frame4", 240, 960, 1695, 255},
        {"Label15", "Frame4", 240, 240, 1695, 255},
        {"Frame3", "Form1", 10800, 3840, 2175, 3015},
        {"Command7", "Frame3", 360, 2400, 1575, 495},
        {"Command5", "Frame3", 360, 240, 1575, 495},
        {"Command4", "Frame3", 360, 1680, 1575, 495},
        {"Frame2", "Form1", 10800, 360, 2175, 3375},
        {"Command8", "Frame2", 360, 2640, 1575, 495},
        {"Command3", "Frame2", 360, 360, 1575, 615},
        {"Command10", "Frame2", 360, 1920, 1575, 495},
        {"Command1", "Frame2", 360, 1200, 1575, 495},
        {"Picture1", "Form1", 10560, 7200, 2535, 1575},
        {"Frame5", "Form1", 0, 1680, 10455, 5535},
        {"ProgressBar1", "Frame5", 0, 5280, 10455, 255},
        {"Picture2", "Frame5", 0, 0, 10455, 5535},
        {"RichTextBox1", "Frame5", 0, 0, 10455, 5535},
        {"Frame7", "Form1", 120, 120, 3855, 1455},
        {"Frame8", "Form1", 3840, 120, 6855, 1575},
        {"Label6", "Frame8", 360, 120, 6135, 1215},
        {"Label5", "Frame8", 360, 1080, 735, 255},
        {"Label4", "Frame8", 240, 0, 6375, 1455},
        {"Label20", "Form1", 120, 8880, 7935, 255},
    };
    for (const auto& c : layout) {
        QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.container)) << c.name;
        EXPECT_EQ(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15))
            << c.name;
    }
}

TEST_F(WindowFixture, CaptionsAfterStartUp) {
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"Frame1", "电阻分析"},
        {"Label1", "最大值:0.0000Ω"},
        {"Label2", "最小值:0.0000Ω"},
        {"Label3", "平均值:0.0000Ω"},
        {"Frame12", "设置报警"},
        {"Command15", "锁  定"},
        {"Combo2", "Ω"},
        {"Text2", "0.0000"},
        {"Frame11", "历史查询操作"},
        {"Command14", "确定"},
        {"Text1", "1"},
        {"Command13", "下一页"},
        {"Command12", "上一页"},
        {"Label19", "页"},
        {"Frame4", "状态信息"},
        {"Label18", "正在查找设备...."},
        {"Label17", "连接失败"},
        {"Label16", "串口已打开"},
        {"Label15", "COM2"},
        {"Frame3", "操作"},
        {"Command7", "打    印"},
        {"Command6", "数据清除"},
        {"Command5", "读    取"},
        {"Command4", "保    存"},
        {"Frame2", "仪表操作"},
        {"Command8", "开背光灯"},
        {"Command3", "校    验"},
        {"Command10", "复    位"},
        {"Command1", "测    试"},
        {"Text3", "0.0000Ω"},
        {"Frame8", "Frame8"},
        {"Label6", "- - - - -"},
        {"Label5", "电池电压低"},
    };
    for (const auto& c : captions)
        EXPECT_EQ(caption(c.name), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("智能型等电位测试仪"));
}

TEST_F(WindowFixture, StartUpShowsTheChartAndHidesWhatTheDesignHides) {
    EXPECT_TRUE(control("Picture2")->isVisible());
    EXPECT_FALSE(control("RichTextBox1")->isVisible());
    EXPECT_FALSE(control("ProgressBar1")->isVisible());
    EXPECT_FALSE(control("Picture1")->isVisible());
    EXPECT_FALSE(control("Label20")->isVisible());
    EXPECT_FALSE(control("Label5")->isVisible());
    // The client area of the 13312 x 9900 twip window.
    EXPECT_EQ(window->size(), QSize(13230 / 15, 9690 / 15));
}

TEST_F(WindowFixture, FrontToBackOrderFollowsTheDesign) {
    auto index_of = [](QWidget* w) { return w->parentWidget()->children().indexOf(w); };
    // Qt paints later siblings over earlier ones.
    EXPECT_GT(index_of(control("Frame1")), index_of(control("Frame7")));
    EXPECT_GT(index_of(control("Label6")), index_of(control("Label4")));
    EXPECT_GT(index_of(control("Label8")), index_of(control("Label6")));
    EXPECT_GT(index_of(control("ProgressBar1")), index_of(control("Picture2")));
    EXPECT_GT(index_of(control("Picture2")), index_of(control("RichTextBox1")));
}

TEST_F(WindowFixture, AClickReachesItsHandlerAndItsStateShows) {
    auto* backlight = qobject_cast<QAbstractButton*>(control("Command8"));
    fake.line.written.clear();
    backlight->click();
    EXPECT_EQ(backlight->text(), QStringLiteral("关背光灯"));
    ASSERT_EQ(fake.line.codes(), std::vector<int32_t>{41000});
}

TEST_F(WindowFixture, SizeSnapsBackOnTheNextSizeKeeperTick) {
    window->resize(400, 300);
    QMetaObject::invokeMethod(window->timer(TimerId::WindowSize), "timeout", Qt::DirectConnection);
    EXPECT_EQ(window->size(), QSize(13230 / 15, 9690 / 15));
}

// Counts the paint events of a window and its controls.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == window_) ++paints;
        return false;
    }
    int paints = 0;

  private:
    QWidget* window_;
};

TEST_F(WindowFixture, ATickRepaintsOnlyWhenWhatItShowsChanged) {
    QMetaObject::invokeMethod(window->timer(TimerId::ChartRedraw), "timeout", Qt::DirectConnection);
    QApplication::processEvents();  // the first show and the first chart painted
    PaintCounter counter(window.get());
    const struct {
        TimerId timer;
        bool repaints;
    } ticks[] = {
        {TimerId::LinkSupervision, true},  // no reply yet: the large reading shows the dashes
        {TimerId::LinkSupervision, false},
        {TimerId::ReadActivity, true},  // the page buttons serve only the listing
        {TimerId::ReadActivity, false},
        {TimerId::ReadWatchdog, false},
        {TimerId::WindowSize, false},
        {TimerId::AlarmIndicator, false},
        {TimerId::Banner, false},  // the banner is hidden
        {TimerId::ReadProgress, false},
        {TimerId::LinkPoll, false},
        {TimerId::ChartRedraw, false},  // the same chart again
    };
    for (const auto& t : ticks) {
        counter.paints = 0;
        QMetaObject::invokeMethod(window->timer(t.timer), "timeout", Qt::DirectConnection);
        QApplication::processEvents();
        EXPECT_EQ(counter.paints > 0, t.repaints)
            << window->timer(t.timer)->objectName().toStdString();
    }
}

TEST_F(WindowFixture, TheChartRedrawKeepsTheBeatOfTheTimersStartedWithIt) {
    window->start_timers();
    QTimer* redraw = window->timer(TimerId::ChartRedraw);
    QMetaObject::invokeMethod(redraw, "timeout", Qt::DirectConnection);  // the first, at 100 ms
    const uint64_t drawn = fake.program.state.chart.generation;
    // Every 800 ms from now: on the eighth expiry of its 100 ms beat, not on one of its own.
    for (int expiry = 1; expiry <= 8; ++expiry) {
        QTimerEvent expired(redraw->timerId());
        QApplication::sendEvent(redraw, &expired);
        EXPECT_EQ(fake.program.state.chart.generation, drawn + (expiry == 8 ? 1 : 0)) << expiry;
    }
    window->stop_timers();
}

// The status box keeps its drawing as a picture: after any change of its look it must still show
// what a plain frame shows.
TEST(StillFrame, LooksLikeAPlainFrameAfterEachChange) {
    ui::StillFrame still(QStringLiteral("状态信息"));
    QGroupBox plain(QStringLiteral("状态信息"));
    const struct {
        const char* what;
        std::function<void(QGroupBox&)> change;
    } changes[] = {
        {"as built", [](QGroupBox&) {}},
        {"another caption", [](QGroupBox& f) { f.setTitle(QStringLiteral("Status")); }},
        {"another size", [](QGroupBox& f) { f.resize(150, 90); }},
        {"disabled", [](QGroupBox& f) { f.setEnabled(false); }},
        {"another colour",
         [](QGroupBox& f) {
             QPalette palette = f.palette();
             palette.setColor(QPalette::Window, QColor(192, 255, 255));
             f.setPalette(palette);
         }},
    };
    for (QGroupBox* frame : {static_cast<QGroupBox*>(&still), &plain}) frame->resize(145, 89);
    for (const auto& c : changes) {
        for (QGroupBox* frame : {static_cast<QGroupBox*>(&still), &plain}) c.change(*frame);
        EXPECT_TRUE(still.grab().toImage() == plain.grab().toImage()) << c.what;
    }
}

}  // namespace
}  // namespace eqbond
