#include "ui/main_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

#include "alarm/alarm.h"
#include "app/startup.h"
#include "chart/chart_controls.h"
#include "history/page_navigation.h"
#include "link/instrument_buttons.h"
#include "link/read_watchdog.h"
#include "link/supervision.h"
#include "ui/chart_widget.h"
#include "ui/fonts.h"
#include "ui/indicator_widget.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
const QColor kCyan(192, 255, 255);
const QColor kWorkspace(171, 171, 171);  // the application-workspace grey
// Outer size minus client size, in twips: the design's border and title bar.
constexpr int kFrameWidthTwips = 13312 - 13230;
constexpr int kFrameHeightTwips = 9900 - 9690;

void fill(QWidget* w, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
              int h) {
    auto* result = named(new QLabel(caption, parent), name);
    place(result, l, t, w, h);
    return result;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                    int h) {
    auto* result = named(new QPushButton(caption, parent), name);
    result->setFocusPolicy(Qt::TabFocus);
    place(result, l, t, w, h);
    return result;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                 int h) {
    auto* result = named(new QGroupBox(caption, parent), name);
    place(result, l, t, w, h);
    return result;
}

// Sibling controls listed first lie in front: raise them last.
void stack_front_first(std::initializer_list<QWidget*> front_to_back) {
    std::vector<QWidget*> order(front_to_back);
    for (auto it = order.rbegin(); it != order.rend(); ++it) (*it)->raise();
}

QColor to_qcolor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

void set_caption(QLabel* w, const Control& c) {
    if (w->text() != c.caption) w->setText(c.caption);
    w->setVisible(c.visible);
}

void set_caption(QPushButton* w, const Control& c) {
    if (w->text() != c.caption) w->setText(c.caption);
    w->setEnabled(c.enabled);
}

void set_text(QLineEdit* w, const Control& c) {
    if (w->text() != c.caption) w->setText(c.caption);
}
}  // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QWidget(parent), program_(program) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text::kWindowTitle);
    setWindowIcon(QIcon(QStringLiteral(":/eqbond/icon32.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(song_font(9));
    build();
    connect_events();
    resize(px(13312 - kFrameWidthTwips), px(9900 - kFrameHeightTwips));
}

void MainWindow::build() {
    MainControls design;

    auto* Frame1 = frame(this, "Frame1", QStringLiteral("电阻分析"), 240, 240, 3615, 1215);
    fill(Frame1, kCyan);
    Label3_ = label(Frame1, "Label3", design.Label3.caption, 600, 840, 2055, 255);
    Label2_ = label(Frame1, "Label2", design.Label2.caption, 600, 480, 2055, 255);
    Label1_ = label(Frame1, "Label1", design.Label1.caption, 600, 120, 2055, 255);
    for (QLabel* l : {Label1_, Label2_, Label3_}) {
        fill(l, kCyan);
        l->setFont(song_font(12));
    }

    auto* Frame12 = frame(this, "Frame12", QStringLiteral("设置报警"), 120, 7320, 3135, 1455);
    Command15_ = button(Frame12, "Command15", design.Command15.caption, 1440, 840, 1455, 495);
    auto* Combo2 = named(new QComboBox(Frame12), "Combo2");
    Combo2->setEditable(true);
    Combo2->setEditText(design.Combo2.caption);
    place(Combo2, 2400, 360, 615, 300);
    Text2_ = named(new QLineEdit(design.Text2.caption, Frame12), "Text2");
    place(Text2_, 1080, 360, 1335, 270);
    Shape1_ = named(new IndicatorWidget(Frame12), "Shape1");
    place(Shape1_, 120, 480, 735, 615);

    auto* Frame11 = frame(this, "Frame11", QStringLiteral("历史查询操作"), 3840, 7320, 3495, 1455);
    Command14_ = button(Frame11, "Command14", design.Command14.caption, 360, 840, 1095, 495);
    Text1_ = named(new QLineEdit(design.Text1.caption, Frame11), "Text1");
    place(Text1_, 360, 360, 855, 375);
    Command13_ = button(Frame11, "Command13", design.Command13.caption, 2160, 840, 1095, 495);
    Command12_ = button(Frame11, "Command12", design.Command12.caption, 2160, 240, 1095, 495);
    label(Frame11, "Label19", QStringLiteral("页"), 1320, 435, 255, 255);

    auto* Frame4 = frame(this, "Frame4", QStringLiteral("状态信息"), 7800, 7440, 2175, 1335);
    Label18_ = label(Frame4, "Label18", design.Label18.caption, 240, 960, 1695, 255);
    Label17_ = label(Frame4, "Label17", design.Label17.caption, 240, 720, 1695, 255);
    Label16_ = label(Frame4, "Label16", design.Label16.caption, 240, 480, 1695, 255);
    Label15_ = label(Frame4, "Label15", design.Label15.caption, 240, 240, 1695, 255);

    auto* Frame3 = frame(this, "Frame3", QStringLiteral("操作"), 10800, 3840, 2175, 3015);
    Command7_ = button(Frame3, "Command7", design.Command7.caption, 360, 2400, 1575, 495);
    Command6_ = button(Frame3, "Command6", design.Command6.caption, 360, 960, 1575, 495);
    Command5_ = button(Frame3, "Command5", design.Command5.caption, 360, 240, 1575, 495);
    Command4_ = button(Frame3, "Command4", design.Command4.caption, 360, 1680, 1575, 495);

    auto* Frame2 = frame(this, "Frame2", QStringLiteral("仪表操作"), 10800, 360, 2175, 3375);
    Command8_ = button(Frame2, "Command8", design.Command8.caption, 360, 2640, 1575, 495);
    Command3_ = button(Frame2, "Command3", design.Command3.caption, 360, 360, 1575, 615);
    Command10_ = button(Frame2, "Command10", design.Command10.caption, 360, 1920, 1575, 495);
    Command1_ = button(Frame2, "Command1", design.Command1.caption, 360, 1200, 1575, 495);

    auto* Picture1 = named(new QLabel(this), "Picture1");
    Picture1->setPixmap(QPixmap(QStringLiteral(":/eqbond/logo.png")));
    place(Picture1, 10560, 7200, 2535, 1575);
    Picture1->hide();

    auto* Frame5 = named(new QFrame(this), "Frame5");
    Frame5->setFrameStyle(QFrame::NoFrame);
    place(Frame5, 0, 1680, 10455, 5535);
    ProgressBar1_ = named(new QProgressBar(Frame5), "ProgressBar1");
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setTextVisible(false);
    place(ProgressBar1_, 0, 5280, 10455, 255);
    chart_ = named(new ChartWidget(10455, 5535, Frame5), "Picture2");
    place(chart_, 0, 0, 10455, 5535);
    RichTextBox1_ = named(new QPlainTextEdit(Frame5), "RichTextBox1");
    RichTextBox1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(RichTextBox1_, 0, 0, 10455, 5535);
    stack_front_first({ProgressBar1_, chart_, RichTextBox1_});

    auto* Frame7 = frame(this, "Frame7", QString(), 120, 120, 3855, 1455);
    fill(Frame7, kWorkspace);

    auto* Frame8 = frame(this, "Frame8", QStringLiteral("Frame8"), 3840, 120, 6855, 1575);
    Label8_ = label(Frame8, "Label8", QString(), 360, 120, 495, 255);
    Label5_ = label(Frame8, "Label5", design.Label5.caption, 360, 1080, 735, 255);
    Label5_->setFont(song_font(6.75));
    auto* Label7 = label(Frame8, "Label7", QString(), 360, 120, 735, 255);
    Label6_ = label(Frame8, "Label6", design.Label6.caption, 360, 120, 6135, 1215);
    Label6_->setFont(song_font(54.75));
    auto* Label4 = label(Frame8, "Label4", QString(), 240, 0, 6375, 1455);
    for (QLabel* l : {Label8_, Label5_, Label7, Label6_}) fill(l, kCyan);
    fill(Label4, kWorkspace);
    stack_front_first({Label8_, Label5_, Label7, Label6_, Label4});

    Label20_ = label(this, "Label20", QString(), 120, 8880, 7935, 255);
    Label20_->hide();

    stack_front_first({Frame1, Frame12, Frame11, Frame4, Frame3, Frame2, Picture1, Frame5, Frame7,
                       Frame8, Label20_});
}

void MainWindow::connect_events() {
    auto on_click = [this](QPushButton* b, void (*handler)(Program&)) {
        connect(b, &QPushButton::clicked, this, [this, handler] { run(handler); });
    };
    on_click(Command1_, on_test_clicked);
    on_click(Command3_, on_verify_clicked);
    on_click(Command10_, on_reset_clicked);
    on_click(Command8_, on_backlight_clicked);
    on_click(Command5_, on_read_clicked);
    on_click(Command6_, on_clear_clicked);
    on_click(Command12_, on_prev_page_clicked);
    on_click(Command13_, on_next_page_clicked);
    on_click(Command14_, on_jump_page_clicked);
    on_click(Command15_, on_lock_clicked);
    connect(Command4_, &QPushButton::clicked, this, [this] {
        if (on_save) on_save();
    });
    connect(Command7_, &QPushButton::clicked, this, [this] {
        if (on_print) on_print();
    });

    // What the user types is the control's state.
    connect(Text1_, &QLineEdit::textEdited, this,
            [this](const QString& t) { program_.state.ui.Text1.caption = t; });
    connect(Text2_, &QLineEdit::textEdited, this,
            [this](const QString& t) { program_.state.ui.Text2.caption = t; });
    connect(chart_->readout(), &QLineEdit::textEdited, this,
            [this](const QString& t) { program_.state.ui.Text3.caption = t; });

    connect(chart_, &ChartWidget::swatch_clicked, this,
            [this](int index) { run([index](Program& p) { on_swatch_clicked(p, index); }); });
    connect(chart_, &ChartWidget::pointer_at, this, [this](float x, float y) {
        const float height = chart_->interior_height_twips();
        run([=](Program& p) { show_cursor_value(p, x, y, height); });
    });

    add_timer(1, timer1_tick);
    add_timer(2, timer2_tick);
    add_timer(3, [this](Program& p) {
        p.state.ui.window_state = isMinimized()   ? WindowState::Minimised
                                  : isMaximized() ? WindowState::Maximised
                                                  : WindowState::Normal;
        timer3_tick(p);
    });
    add_timer(4, timer4_tick);
    add_timer(5, timer5_tick);
    add_timer(6, timer6_tick);
    add_timer(7, timer7_tick);
    add_timer(9, timer9_tick);
    add_timer(10, timer10_tick);
}

void MainWindow::add_timer(int number, std::function<void(Program&)> tick) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer%1").arg(number));
    connect(timer, &QTimer::timeout, this, [this, tick] { run(tick); });
    timers_.emplace_back(number, timer);
}

QTimer* MainWindow::timer(int number) const {
    for (const auto& [n, t] : timers_)
        if (n == number) return t;
    return nullptr;
}

namespace {
int period_of(const TimerPeriods& periods, int number) {
    switch (number) {
        case 1:
            return periods.Timer1;
        case 2:
            return periods.Timer2;
        case 3:
            return periods.Timer3;
        case 4:
            return periods.Timer4;
        case 5:
            return periods.Timer5;
        case 6:
            return periods.Timer6;
        case 7:
            return periods.Timer7;
        case 9:
            return periods.Timer9;
        case 10:
            return periods.Timer10;
        default:
            return 0;
    }
}
}  // namespace

void MainWindow::start_timers() {
    for (const auto& [number, timer] : timers_) {
        const int period = period_of(program_.state.ui.timers, number);
        if (period > 0) timer->start(period);
    }
}

void MainWindow::stop_timers() {
    for (const auto& entry : timers_) entry.second->stop();
}

void MainWindow::sync_timers() {
    for (const auto& [number, timer] : timers_) {
        if (!timer->isActive()) continue;  // an unloaded window's timers stay stopped
        const int period = period_of(program_.state.ui.timers, number);
        if (period == 0) {
            timer->stop();
        } else if (timer->interval() != period) {
            timer->setInterval(period);
        }
    }
}

void MainWindow::run(const std::function<void(Program&)>& handler) {
    handler(program_);
    show_state();
}

void MainWindow::show_state() {
    const MainControls& ui = program_.state.ui;
    set_caption(Label1_, ui.Label1);
    set_caption(Label2_, ui.Label2);
    set_caption(Label3_, ui.Label3);
    set_caption(Label5_, ui.Label5);
    set_caption(Label6_, ui.Label6);
    set_caption(Label8_, ui.Label8);
    set_caption(Label15_, ui.Label15);
    if (Label15_->toolTip() != ui.Label15_tooltip) Label15_->setToolTip(ui.Label15_tooltip);
    set_caption(Label16_, ui.Label16);
    set_caption(Label17_, ui.Label17);
    set_caption(Label18_, ui.Label18);
    set_caption(Label20_, ui.Label20);
    Label20_->move(int(ui.Label20_left) / kTwipsPerPixel, Label20_->y());

    set_caption(Command1_, ui.Command1);
    set_caption(Command3_, ui.Command3);
    set_caption(Command4_, ui.Command4);
    set_caption(Command5_, ui.Command5);
    set_caption(Command6_, ui.Command6);
    set_caption(Command7_, ui.Command7);
    set_caption(Command8_, ui.Command8);
    set_caption(Command10_, ui.Command10);
    set_caption(Command12_, ui.Command12);
    set_caption(Command13_, ui.Command13);
    set_caption(Command14_, ui.Command14);
    set_caption(Command15_, ui.Command15);

    set_text(Text1_, ui.Text1);
    set_text(Text2_, ui.Text2);
    set_text(chart_->readout(), ui.Text3);
    Shape1_->set_fill(to_qcolor(ui.Shape1_fill));

    chart_->setVisible(ui.Picture2.visible);
    RichTextBox1_->setVisible(ui.RichTextBox1.visible);
    if (shown_listing_ != ui.RichTextBox1.caption) {
        shown_listing_ = ui.RichTextBox1.caption;
        RichTextBox1_->setPlainText(shown_listing_);
    }
    ProgressBar1_->setVisible(ui.ProgressBar1.visible);
    ProgressBar1_->setValue(ui.ProgressBar1_value);

    paint_chart_if_drawn();

    const QSize client(px(ui.window_width - kFrameWidthTwips),
                       px(ui.window_height - kFrameHeightTwips));
    if (!isMinimized() && !isMaximized() && size() != client) resize(client);
    sync_timers();
}

}  // namespace eqbond::ui

namespace eqbond::ui {

void MainWindow::paint_chart_if_drawn() {
    const ChartState& chart = program_.state.chart;
    if (chart.generation == painted_generation_) return;
    painted_generation_ = chart.generation;
    // A redraw of the same list on the same background gives the same pixels: most periodic
    // redraws of a steady reading cost nothing then. The cache describes the image only while
    // nothing else has painted it (see clear_chart).
    const bool same = painted_valid_ && chart.display_list == painted_list_ &&
                      chart.drawn_background == painted_background_;
    if (same && chart.generation != chart.forced_generation) return;
    painted_list_ = chart.display_list;
    painted_background_ = chart.drawn_background;
    painted_valid_ = true;
    chart_->image().render(chart.display_list, chart.drawn_background);
    chart_->refresh();
}

void MainWindow::clear_chart() {
    chart_->image().render({}, colour::kCyan);
    chart_->refresh();
    painted_valid_ = false;  // the next redraw paints, whatever it draws
}

}  // namespace eqbond::ui

namespace eqbond::ui {

void MainWindow::centre_on_screen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The outer size, border and title bar included, as the design gives it: before the first
    // show the window manager has not told Qt the frame yet.
    const QSize outer(px(program_.state.ui.window_width), px(program_.state.ui.window_height));
    move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
}

}  // namespace eqbond::ui
