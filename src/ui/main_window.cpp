#include "ui/main_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "alarm/alarm.h"
#include "base/texts.h"
#include "chart/chart_controls.h"
#include "history/page_navigation.h"
#include "link/instrument_buttons.h"
#include "program/window_views.h"
#include "ui/chart_widget.h"
#include "ui/fonts.h"
#include "ui/indicator_widget.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
// Outer size minus client size, in twips: the design's border and title bar.
constexpr int kFrameWidthTwips = kWindowWidthTwips - kClientWidthTwips;
constexpr int kFrameHeightTwips = kWindowHeightTwips - kClientHeightTwips;

QColor to_qcolor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

void set_text(QLineEdit* w, const QString& text) {
    if (w->text() != text) w->setText(text);
}

WindowState state_of(const QWidget& window) {
    if (window.isMinimized()) return WindowState::Minimised;
    if (window.isMaximized()) return WindowState::Maximised;
    return WindowState::Normal;
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
    timers_ = new ProgramTimers(
        program_, [this](ProgramTimers::Handler tick) { run(tick); }, ProgramTimers::Scope::Window,
        this);
    connect_events();
    resize(px(kClientWidthTwips), px(kClientHeightTwips));
}

void MainWindow::connect_events() {
    auto on_click = [this](QPushButton* b, void (*handler)(Program&)) {
        connect(b, &QPushButton::clicked, this, [this, handler] { run(handler); });
    };
    on_click(test_button_, on_test_clicked);
    on_click(verify_button_, on_verify_clicked);
    on_click(reset_button_, on_reset_clicked);
    on_click(backlight_button_, on_backlight_clicked);
    on_click(read_button_, on_read_clicked);
    on_click(clear_button_, on_clear_clicked);
    on_click(previous_page_button_, on_prev_page_clicked);
    on_click(next_page_button_, on_next_page_clicked);
    on_click(go_to_page_button_, on_jump_page_clicked);
    on_click(lock_button_, on_lock_clicked);
    connect(save_button_, &QPushButton::clicked, this, [this] {
        if (on_save) on_save();
    });
    connect(print_button_, &QPushButton::clicked, this, [this] {
        if (on_print) on_print();
    });

    // What the user types is the field's state.
    MainWindowState& window = program_.state.main_window;
    connect(page_field_, &QLineEdit::textEdited, this,
            [&window](const QString& t) { window.page_field_text = t; });
    connect(threshold_field_, &QLineEdit::textEdited, this,
            [&window](const QString& t) { window.threshold_text = t; });
    connect(chart_->readout(), &QLineEdit::textEdited, this,
            [&window](const QString& t) { window.readout_text = t; });

    connect(chart_, &ChartWidget::swatch_clicked, this,
            [this](int index) { run([index](Program& p) { on_swatch_clicked(p, index); }); });
    connect(chart_, &ChartWidget::pointer_at, this, [this](float x, float y) {
        const float height = chart_->interior_height_twips();
        run([=](Program& p) { show_cursor_value(p, x, y, height); });
    });
}

void MainWindow::run(const std::function<void(Program&)>& handler) {
    // The size keeper leaves a minimised or maximised window alone: it needs to know which.
    program_.state.main_window.window_state = state_of(*this);
    handler(program_);
    show_state();
}

void MainWindow::show_state() {
    const MainWindowView view = main_window_view(program_.state, texts_);
    // Only what changed since the last show reaches the widgets: most ticks change nothing that
    // is shown, and asking a widget costs more than comparing two views.
    const MainWindowView* const before = shown_ ? &*shown_ : nullptr;
    const auto changed = [before, &view](auto MainWindowView::*part) {
        return !before || !(view.*part == before->*part);
    };
    if (changed(&MainWindowView::max_label)) max_label_->setText(view.max_label);
    if (changed(&MainWindowView::min_label)) min_label_->setText(view.min_label);
    if (changed(&MainWindowView::average_label)) average_label_->setText(view.average_label);
    if (changed(&MainWindowView::battery_warning_visible))
        battery_warning_label_->setVisible(view.battery_warning_visible);
    if (changed(&MainWindowView::reading_label)) reading_label_->setText(view.reading_label);
    if (changed(&MainWindowView::reading_kind_label))
        reading_kind_label_->setText(view.reading_kind_label);
    if (changed(&MainWindowView::port_name_label)) port_name_label_->setText(view.port_name_label);
    if (changed(&MainWindowView::port_device)) port_name_label_->setToolTip(view.port_device);
    if (changed(&MainWindowView::port_status_label))
        port_status_label_->setText(view.port_status_label);
    if (changed(&MainWindowView::link_status_label))
        link_status_label_->setText(view.link_status_label);
    if (changed(&MainWindowView::activity_label)) activity_label_->setText(view.activity_label);
    if (changed(&MainWindowView::banner_label)) banner_label_->setText(view.banner_label);
    if (changed(&MainWindowView::banner_left))
        banner_label_->move(int(view.banner_left) / kTwipsPerPixel, banner_label_->y());

    if (changed(&MainWindowView::read_button)) read_button_->setText(view.read_button);
    if (changed(&MainWindowView::backlight_button))
        backlight_button_->setText(view.backlight_button);
    if (changed(&MainWindowView::lock_button)) lock_button_->setText(view.lock_button);
    if (changed(&MainWindowView::page_buttons_enabled)) {
        for (QPushButton* b : {previous_page_button_, next_page_button_, go_to_page_button_})
            b->setEnabled(view.page_buttons_enabled);
    }

    // The user types into these: the widget, not the last view, holds what is shown.
    set_text(page_field_, view.page_field);
    set_text(threshold_field_, view.threshold_field);
    set_text(chart_->readout(), view.readout);
    if (changed(&MainWindowView::indicator_fill))
        alarm_indicator_->set_fill(to_qcolor(view.indicator_fill));

    if (changed(&MainWindowView::chart_visible)) chart_->setVisible(view.chart_visible);
    if (changed(&MainWindowView::listing_visible)) listing_->setVisible(view.listing_visible);
    if (changed(&MainWindowView::listing)) listing_->setPlainText(view.listing);
    if (changed(&MainWindowView::progress_visible))
        progress_bar_->setVisible(view.progress_visible);
    if (changed(&MainWindowView::progress_value)) progress_bar_->setValue(view.progress_value);
    shown_ = view;

    paint_chart_if_drawn();

    const QSize client(px(view.window_width - kFrameWidthTwips),
                       px(view.window_height - kFrameHeightTwips));
    if (!isMinimized() && !isMaximized() && size() != client) resize(client);
    timers_->follow_periods();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) texts_ = main_window_texts();
    QWidget::changeEvent(event);
}

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

void MainWindow::centre_on_screen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The outer size, border and title bar included, as the design gives it: before the first
    // show the window manager has not told Qt the frame yet.
    const MainWindowState& window = program_.state.main_window;
    const QSize outer(px(window.window_width), px(window.window_height));
    move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
}

}  // namespace eqbond::ui
