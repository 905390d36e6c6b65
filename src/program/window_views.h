#pragma once
// What the windows show, computed from the program's state and the table of texts. The Qt layer
// copies a view onto its widgets after every handler; tests read the view instead of widgets.
#include <QString>

#include "base/rgb.h"

namespace eqbond {

struct ProgramState;

struct MainWindowView {
    QString max_label, min_label, average_label;
    QString reading_label;
    QString reading_kind_label;  // the tag beside a lead resistance
    bool battery_warning_visible = false;
    QString port_name_label;
    QString port_device;  // the port name's tooltip
    QString port_status_label, link_status_label, activity_label;
    QString banner_label;
    float banner_left = 0;
    QString read_button, backlight_button, lock_button;
    bool page_buttons_enabled = true;
    QString page_field, threshold_field, readout;
    Rgb indicator_fill;
    bool chart_visible = true, listing_visible = false;
    Rgb chart_background;
    QString listing;
    bool progress_visible = false;
    int progress_value = 0;
    int window_width = 0, window_height = 0;  // outer size in twips
};

// The screen texts the main window's view is made of, in the interface's language. A window
// reads them once, not at every tick: each is a lookup in every installed translator.
struct MainWindowTexts {
    QString max_prefix, min_prefix, average_prefix;
    QString port_open, port_closed, linked, not_linked;
    QString searching, reading_activity, lead_marker;
    QString read, pause, resume;
    QString backlight_on, backlight_off, lock, release;
};

// As the translators installed now give them.
MainWindowTexts main_window_texts();

const MainWindowView main_window_view(const ProgramState& state, const MainWindowTexts& texts);
// With the texts read afresh.
const MainWindowView main_window_view(const ProgramState& state);

struct PrintOptionsView {
    QString group_count_label, page_count_label;
    QString first_group_field, last_group_field;
    bool range_chosen = true;
};

const PrintOptionsView print_options_view(const ProgramState& state);

}  // namespace eqbond
