#include "program/window_views.h"

#include "base/program_state.h"
#include "base/texts.h"
#include "base/value_format.h"
#include "records/live_reading.h"

namespace eqbond {

namespace {

QString reading_label(const MainWindowState& window) {
    switch (window.reading_shown) {
        case ReadingShown::Design:
            return text::kDesignReading;
        case ReadingShown::NoReading:
            return text::kNoReading;
        case ReadingShown::IdleStatus:
            return text::kIdleReading;
        case ReadingShown::Measurement:
        case ReadingShown::LeadResistance:
            break;
    }
    return format_resistance(window.reading_milliohm);
}

QString activity_label(Activity activity, const MainWindowTexts& texts) {
    switch (activity) {
        case Activity::Searching:
            return texts.searching;
        case Activity::Reading:
            return texts.reading_activity;
        case Activity::None:
            break;
    }
    return QString();
}

QString read_button(ReadState state, const MainWindowTexts& texts) {
    switch (state) {
        case ReadState::Reading:
            return texts.pause;
        case ReadState::Paused:
            return texts.resume;
        case ReadState::Idle:
            break;
    }
    return texts.read;
}

void show_statistics(const ProgramState& s, const MainWindowTexts& texts, MainWindowView& view) {
    const bool shown = s.main_window.statistics_shown;
    view.max_label = texts.max_prefix + (shown ? maximum_text(s.stats) : text::kZeroOhm);
    view.min_label = texts.min_prefix + (shown ? minimum_text(s.stats) : text::kZeroOhm);
    view.average_label = texts.average_prefix + (shown ? average_text(s.stats) : text::kZeroOhm);
}

}  // namespace

MainWindowTexts main_window_texts() {
    MainWindowTexts t;
    t.max_prefix = text::kMaxPrefix;
    t.min_prefix = text::kMinPrefix;
    t.average_prefix = text::kAveragePrefix;
    t.port_open = text::kPortOpen;
    t.port_closed = text::kPortClosed;
    t.linked = text::kLinked;
    t.not_linked = text::kNotLinked;
    t.searching = text::kSearching;
    t.reading_activity = text::kReadingActivity;
    t.lead_marker = text::kLeadMarker;
    t.read = text::kRead;
    t.pause = text::kPause;
    t.resume = text::kContinue;
    t.backlight_on = text::kBacklightOn;
    t.backlight_off = text::kBacklightOff;
    t.lock = text::kLock;
    t.release = text::kRelease;
    return t;
}

const MainWindowView main_window_view(const ProgramState& s) {
    return main_window_view(s, main_window_texts());
}

const MainWindowView main_window_view(const ProgramState& s, const MainWindowTexts& texts) {
    const MainWindowState& window = s.main_window;
    MainWindowView view;
    show_statistics(s, texts, view);
    view.reading_label = reading_label(window);
    if (window.reading_shown == ReadingShown::LeadResistance)
        view.reading_kind_label = texts.lead_marker;
    view.battery_warning_visible = window.battery_warning_visible;
    view.port_name_label = text::kComPrefix + QString::number(window.shown_port_number);
    view.port_device = window.shown_port_device;
    view.port_status_label = window.port_open_shown ? texts.port_open : texts.port_closed;
    view.link_status_label = window.link_shown ? texts.linked : texts.not_linked;
    view.activity_label = activity_label(window.activity, texts);
    view.banner_label = text::kBanner;
    view.banner_left = window.banner_left;
    view.read_button = read_button(s.link.read_state, texts);
    view.backlight_button = window.backlight_on ? texts.backlight_off : texts.backlight_on;
    view.lock_button = window.alarm_locked ? texts.release : texts.lock;
    view.page_buttons_enabled = window.page_buttons_enabled;
    view.page_field = window.page_field_text;
    view.threshold_field = window.threshold_text;
    view.readout = window.readout_text;
    view.indicator_fill = window.indicator_red ? colour::kRed : colour::kGreen;
    view.chart_visible = window.work_view == WorkView::Chart;
    view.listing_visible = window.work_view == WorkView::Listing;
    view.chart_background = window.chart_background;
    view.listing = window.listing_text;
    view.progress_visible = window.progress_visible;
    view.progress_value = window.progress_value;
    view.window_width = window.window_width;
    view.window_height = window.window_height;
    return view;
}

const PrintOptionsView print_options_view(const ProgramState& s) {
    const PrintOptionsControls& controls = s.print_options.controls;
    const bool loaded = controls.counts_shown;
    PrintOptionsView view;
    view.group_count_label =
        (loaded ? text::kLoadedGroupCount : text::kGroupCount).arg(controls.shown_groups);
    view.page_count_label =
        (loaded ? text::kLoadedPageCount : text::kPageCount).arg(controls.shown_pages);
    view.first_group_field = controls.first_group_text;
    view.last_group_field = controls.last_group_text;
    view.range_chosen = controls.range_chosen;
    return view;
}

}  // namespace eqbond
