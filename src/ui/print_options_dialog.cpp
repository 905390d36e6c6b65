#include "ui/print_options_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "base/texts.h"
#include "program/window_views.h"
#include "report/print_options.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
template <typename W>
W* placed(W* widget, const char* name, int l, int t, int w, int h) {
    widget->setObjectName(QString::fromLatin1(name));
    place(widget, l, t, w, h);
    return widget;
}

void set_text(QLineEdit* w, const QString& text) {
    if (w->text() != text) w->setText(text);
}
}  // namespace

PrintOptionsDialog::PrintOptionsDialog(Program& program, QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(text::kPrintOptionsTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(song_font(9));
    setModal(false);
    build();
    setFixedSize(px(7335), px(3540));
}

void PrintOptionsDialog::build() {
    const PrintOptionsView design = print_options_view(ProgramState{});
    auto* info_box =
        placed(new QGroupBox(text::kPrintInfoBox, this), "Frame1", 240, 480, 2295, 1455);
    group_count_label_ =
        placed(new QLabel(design.group_count_label, info_box), "Label1", 120, 240, 1935, 255);
    page_count_label_ =
        placed(new QLabel(design.page_count_label, info_box), "Label3", 120, 600, 1575, 255);
    placed(new QLabel(text::kGroupsPerPageNote, info_box), "Label2", 120, 960, 1815, 255);

    auto* range_box = placed(new QGroupBox(text::kRangeBox, this), "Frame2", 2880, 480, 3975, 1455);
    range_option_ = placed(new QRadioButton(range_box), "Option1", 240, 360, 255, 255);
    placed(new QLabel(text::kRangeFrom, range_box), "Label4", 720, 360, 255, 495);
    first_group_field_ =
        placed(new QLineEdit(design.first_group_field, range_box), "Text1", 960, 240, 975, 375);
    placed(new QLabel(text::kRangeTo, range_box), "Label5", 2040, 360, 375, 375);
    last_group_field_ =
        placed(new QLineEdit(design.last_group_field, range_box), "Text2", 2400, 240, 855, 375);
    placed(new QLabel(text::kGroupUnit, range_box), "Label6", 3360, 360, 375, 255);
    all_option_ = placed(new QRadioButton(range_box), "Option2", 240, 840, 255, 375);
    auto* all_label =
        placed(new QLabel(text::kAllGroups, range_box), "Label7", 720, 960, 1695, 375);
    all_label->setBuddy(all_option_);
    auto* options = new QButtonGroup(this);
    options->addButton(range_option_);
    options->addButton(all_option_);

    print_button_ =
        placed(new QPushButton(text::kPrintButton, this), "Command1", 1680, 2520, 975, 495);
    cancel_button_ =
        placed(new QPushButton(text::kCancelButton, this), "Command2", 4560, 2520, 975, 495);
    print_button_->setDefault(true);

    connect(print_button_, &QPushButton::clicked, this,
            [this] { run(on_print_options_confirmed); });
    connect(cancel_button_, &QPushButton::clicked, this,
            [this] { run(on_print_options_cancelled); });
    PrintOptionsControls& controls = program_.state.print_options.controls;
    connect(first_group_field_, &QLineEdit::textEdited, this,
            [&controls](const QString& t) { controls.first_group_text = t; });
    connect(last_group_field_, &QLineEdit::textEdited, this,
            [&controls](const QString& t) { controls.last_group_text = t; });
    connect(range_option_, &QRadioButton::toggled, this,
            [&controls](bool on) { controls.range_chosen = on; });
}

void PrintOptionsDialog::load() {
    load_print_options(program_);
    show_state();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void PrintOptionsDialog::show_state() {
    const PrintOptionsView view = print_options_view(program_.state);
    group_count_label_->setText(view.group_count_label);
    page_count_label_->setText(view.page_count_label);
    set_text(first_group_field_, view.first_group_field);
    set_text(last_group_field_, view.last_group_field);
    (view.range_chosen ? range_option_ : all_option_)->setChecked(true);
    using Field = PrintOptionsState::Field;
    const Field field = program_.state.print_options.selected_field;
    QLineEdit* selected = field == Field::FirstGroup  ? first_group_field_
                          : field == Field::LastGroup ? last_group_field_
                                                      : nullptr;
    if (selected) {
        selected->setFocus();
        selected->selectAll();
    }
}

void PrintOptionsDialog::run(void (*handler)(Program&)) {
    handler(program_);
    show_state();
    if (!program_.state.print_options.open) {
        const bool printing = program_.state.print_options.dialog_answer == DialogAnswer::Print;
        QDialog::done(printing ? Accepted : Rejected);
    }
}

void PrintOptionsDialog::reject() {
    if (program_.state.print_options.open) {
        run(on_print_options_cancelled);
    } else {
        QDialog::reject();
    }
}

}  // namespace eqbond::ui
