// The main window's controls, built to the layout table: positions in twips, captions from the
// table of texts, fonts, colours and front-to-back order. The layout's control names are kept as
// object names, so tests and tools find the controls by them.
#include <QComboBox>
#include <QGroupBox>

#include "base/texts.h"
#include "program/window_views.h"
#include "ui/chart_widget.h"
#include "ui/fonts.h"
#include "ui/indicator_widget.h"
#include "ui/main_window.h"
#include "ui/still_frame.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
const QColor kCyan(192, 255, 255);
const QColor kWorkspace(171, 171, 171);  // the application-workspace grey

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

}  // namespace

// Created in the layout's order, which is also the keyboard's tab order.
void MainWindow::build() {
    // What every control shows before the start-up routine has run, in the interface's language.
    const MainWindowView design = main_window_view(ProgramState{});
    build_statistics_box(design);
    build_bottom_boxes(design);
    build_button_boxes(design);
    build_work_area();
    build_reading_box(design);
    banner_label_ = label(this, "Label20", QString(), 120, 8880, 7935, 255);
    banner_label_->hide();
    stack_front_first({statistics_box_, alarm_box_, paging_box_, status_box_, data_box_,
                       instrument_box_, logo_, work_area_, statistics_backdrop_, reading_box_,
                       banner_label_});
}

void MainWindow::build_statistics_box(const MainWindowView& design) {
    statistics_box_ = frame(this, "Frame1", text::kStatisticsBox, 240, 240, 3615, 1215);
    fill(statistics_box_, kCyan);
    average_label_ = label(statistics_box_, "Label3", design.average_label, 600, 840, 2055, 255);
    min_label_ = label(statistics_box_, "Label2", design.min_label, 600, 480, 2055, 255);
    max_label_ = label(statistics_box_, "Label1", design.max_label, 600, 120, 2055, 255);
    for (QLabel* l : {max_label_, min_label_, average_label_}) {
        fill(l, kCyan);
        l->setFont(song_font(12));
    }
}

void MainWindow::build_reading_box(const MainWindowView& design) {
    statistics_backdrop_ = frame(this, "Frame7", QString(), 120, 120, 3855, 1455);
    fill(statistics_backdrop_, kWorkspace);

    reading_box_ = frame(this, "Frame8", text::kReadingBox, 3840, 120, 6855, 1575);
    reading_kind_label_ = label(reading_box_, "Label8", QString(), 360, 120, 495, 255);
    battery_warning_label_ = label(reading_box_, "Label5", text::kBatteryLow, 360, 1080, 735, 255);
    battery_warning_label_->setFont(song_font(6.75));
    auto* unused_tag = label(reading_box_, "Label7", QString(), 360, 120, 735, 255);
    reading_label_ = label(reading_box_, "Label6", design.reading_label, 360, 120, 6135, 1215);
    reading_label_->setFont(song_font(54.75));
    auto* reading_backdrop = label(reading_box_, "Label4", QString(), 240, 0, 6375, 1455);
    for (QLabel* l : {reading_kind_label_, battery_warning_label_, unused_tag, reading_label_})
        fill(l, kCyan);
    fill(reading_backdrop, kWorkspace);
    stack_front_first({reading_kind_label_, battery_warning_label_, unused_tag, reading_label_,
                       reading_backdrop});
}

void MainWindow::build_bottom_boxes(const MainWindowView& design) {
    alarm_box_ = frame(this, "Frame12", text::kAlarmBox, 120, 7320, 3135, 1455);
    lock_button_ = button(alarm_box_, "Command15", design.lock_button, 1440, 840, 1455, 495);
    auto* unit = named(new QComboBox(alarm_box_), "Combo2");
    unit->setEditable(true);
    unit->setEditText(text::kOhm);
    place(unit, 2400, 360, 615, 300);
    threshold_field_ = named(new QLineEdit(design.threshold_field, alarm_box_), "Text2");
    place(threshold_field_, 1080, 360, 1335, 270);
    alarm_indicator_ = named(new IndicatorWidget(alarm_box_), "Shape1");
    place(alarm_indicator_, 120, 480, 735, 615);

    paging_box_ = frame(this, "Frame11", text::kPagingBox, 3840, 7320, 3495, 1455);
    go_to_page_button_ = button(paging_box_, "Command14", text::kGoToPage, 360, 840, 1095, 495);
    page_field_ = named(new QLineEdit(design.page_field, paging_box_), "Text1");
    place(page_field_, 360, 360, 855, 375);
    next_page_button_ = button(paging_box_, "Command13", text::kNextPage, 2160, 840, 1095, 495);
    previous_page_button_ =
        button(paging_box_, "Command12", text::kPreviousPage, 2160, 240, 1095, 495);
    label(paging_box_, "Label19", text::kPageUnit, 1320, 435, 255, 255);

    // Its captions change at every step of the search.
    status_box_ = named(new StillFrame(text::kStatusBox, this), "Frame4");
    place(status_box_, 7800, 7440, 2175, 1335);
    activity_label_ = label(status_box_, "Label18", design.activity_label, 240, 960, 1695, 255);
    link_status_label_ =
        label(status_box_, "Label17", design.link_status_label, 240, 720, 1695, 255);
    port_status_label_ =
        label(status_box_, "Label16", design.port_status_label, 240, 480, 1695, 255);
    port_name_label_ = label(status_box_, "Label15", design.port_name_label, 240, 240, 1695, 255);
}

void MainWindow::build_button_boxes(const MainWindowView& design) {
    data_box_ = frame(this, "Frame3", text::kDataBox, 10800, 3840, 2175, 3015);
    print_button_ = button(data_box_, "Command7", text::kPrint, 360, 2400, 1575, 495);
    clear_button_ = button(data_box_, "Command6", text::kClear, 360, 960, 1575, 495);
    read_button_ = button(data_box_, "Command5", design.read_button, 360, 240, 1575, 495);
    save_button_ = button(data_box_, "Command4", text::kSave, 360, 1680, 1575, 495);

    instrument_box_ = frame(this, "Frame2", text::kInstrumentBox, 10800, 360, 2175, 3375);
    backlight_button_ =
        button(instrument_box_, "Command8", design.backlight_button, 360, 2640, 1575, 495);
    verify_button_ = button(instrument_box_, "Command3", text::kVerify, 360, 360, 1575, 615);
    reset_button_ = button(instrument_box_, "Command10", text::kReset, 360, 1920, 1575, 495);
    test_button_ = button(instrument_box_, "Command1", text::kTest, 360, 1200, 1575, 495);

    logo_ = named(new QLabel(this), "Picture1");
    static_cast<QLabel*>(logo_)->setPixmap(QPixmap(QStringLiteral(":/eqbond/logo.png")));
    place(logo_, 10560, 7200, 2535, 1575);
    logo_->hide();
}

void MainWindow::build_work_area() {
    auto* area = named(new QFrame(this), "Frame5");
    area->setFrameStyle(QFrame::NoFrame);
    place(area, 0, 1680, 10455, 5535);
    work_area_ = area;
    progress_bar_ = named(new QProgressBar(area), "ProgressBar1");
    progress_bar_->setRange(0, 100);
    progress_bar_->setTextVisible(false);
    place(progress_bar_, 0, 5280, 10455, 255);
    chart_ = named(new ChartWidget(10455, 5535, area), "Picture2");
    place(chart_, 0, 0, 10455, 5535);
    listing_ = named(new QPlainTextEdit(area), "RichTextBox1");
    listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(listing_, 0, 0, 10455, 5535);
    stack_front_first({progress_bar_, chart_, listing_});
}

}  // namespace eqbond::ui
