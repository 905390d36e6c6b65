#pragma once
// The main window: built to the layout table, it forwards every event to its core handler and
// then shows the view computed from the core's state. It holds no program logic.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "base/program.h"
#include "program/program_timers.h"
#include "program/window_views.h"

namespace eqbond::ui {

class ChartWidget;
class IndicatorWidget;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);

    // Runs one core handler, then shows the state it left.
    void run(const std::function<void(Program&)>& handler);
    // Copies the view of the core's state onto the widgets.
    void show_state();

    // Loading starts the timers at their design periods; unloading stops them.
    void start_timers() { timers_->start(); }
    void stop_timers() { timers_->stop(); }
    QTimer* timer(TimerId id) const { return timers_->timer(id); }

    ChartWidget* chart() const { return chart_; }
    // A loaded window's chart box starts blank on its design colour; the next redraw paints it.
    void clear_chart();
    // Centres the window on its screen, as on its first show.
    void centre_on_screen();

    // Hooks for the buttons whose handlers live outside the window (save, print).
    std::function<void()> on_save;
    std::function<void()> on_print;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void build();
    void build_statistics_box(const MainWindowView& design);
    void build_reading_box(const MainWindowView& design);
    void build_bottom_boxes(const MainWindowView& design);
    void build_button_boxes(const MainWindowView& design);
    void build_work_area();
    void connect_events();
    void paint_chart_if_drawn();

    Program& program_;
    MainWindowTexts texts_ = main_window_texts();  // read again when the translators change
    ProgramTimers* timers_ = nullptr;

    QLabel *max_label_, *min_label_, *average_label_, *battery_warning_label_, *reading_label_,
        *reading_kind_label_, *port_name_label_, *port_status_label_, *link_status_label_,
        *activity_label_, *banner_label_;
    QPushButton *test_button_, *verify_button_, *save_button_, *read_button_, *clear_button_,
        *print_button_, *backlight_button_, *reset_button_, *previous_page_button_,
        *next_page_button_, *go_to_page_button_, *lock_button_;
    QLineEdit *page_field_, *threshold_field_;
    IndicatorWidget* alarm_indicator_;
    ChartWidget* chart_;
    QPlainTextEdit* listing_;
    QProgressBar* progress_bar_;
    QWidget *statistics_box_, *alarm_box_, *paging_box_, *status_box_, *data_box_, *instrument_box_,
        *logo_, *work_area_, *statistics_backdrop_, *reading_box_;
    uint64_t painted_generation_ = 0;
    std::vector<ChartItem> painted_list_;
    Rgb painted_background_;
    bool painted_valid_ = false;
    std::optional<MainWindowView> shown_;  // what the widgets show; none before the first show
};

}  // namespace eqbond::ui
