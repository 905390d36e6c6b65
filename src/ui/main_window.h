#pragma once
// Form1, the main window: built to the layout table, it forwards every event to its core handler
// and then shows the core's control state. It holds no program logic.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/program.h"

namespace eqbond::ui {

class ChartWidget;
class IndicatorWidget;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);

    // Runs one core handler, then shows the state it left.
    void run(const std::function<void(Program&)>& handler);
    // Copies the core's control state onto the widgets.
    void show_state();

    // Loading starts the timers at their design periods; unloading stops them.
    void start_timers();
    void stop_timers();

    ChartWidget* chart() const { return chart_; }
    // A loaded window's chart box starts blank on its design colour; the next redraw paints it.
    void clear_chart();
    // Centres the window on its screen, as on its first show.
    void centre_on_screen();
    QTimer* timer(int number) const;

    // Hooks for the buttons whose handlers live outside the window (save, print).
    std::function<void()> on_save;
    std::function<void()> on_print;

  private:
    void build();
    void connect_events();
    void add_timer(int number, std::function<void(Program&)> tick);
    void sync_timers();
    void paint_chart_if_drawn();

    Program& program_;
    std::vector<std::pair<int, QTimer*>> timers_;

    QLabel *Label1_, *Label2_, *Label3_, *Label5_, *Label6_, *Label8_, *Label15_, *Label16_,
        *Label17_, *Label18_, *Label20_;
    QPushButton *Command1_, *Command3_, *Command4_, *Command5_, *Command6_, *Command7_, *Command8_,
        *Command10_, *Command12_, *Command13_, *Command14_, *Command15_;
    QLineEdit *Text1_, *Text2_;
    IndicatorWidget* Shape1_;
    ChartWidget* chart_;
    QPlainTextEdit* RichTextBox1_;
    QProgressBar* ProgressBar1_;
    uint64_t painted_generation_ = 0;
    std::vector<ChartItem> painted_list_;
    Rgb painted_background_;
    bool painted_valid_ = false;
    QString shown_listing_;
};

}  // namespace eqbond::ui
