#include "ui/print_options_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "report/print_options.h"
#include "report/report_texts.h"
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
    const Form2Controls design;
    auto* Frame1 =
        placed(new QGroupBox(QStringLiteral("打印信息"), this), "Frame1", 240, 480, 2295, 1455);
    Label1_ = placed(new QLabel(design.Label1, Frame1), "Label1", 120, 240, 1935, 255);
    Label3_ = placed(new QLabel(design.Label3, Frame1), "Label3", 120, 600, 1575, 255);
    placed(new QLabel(QStringLiteral("每页可打印:168组"), Frame1), "Label2", 120, 960, 1815, 255);

    auto* Frame2 =
        placed(new QGroupBox(QStringLiteral("自定义"), this), "Frame2", 2880, 480, 3975, 1455);
    Option1_ = placed(new QRadioButton(Frame2), "Option1", 240, 360, 255, 255);
    placed(new QLabel(QStringLiteral("从"), Frame2), "Label4", 720, 360, 255, 495);
    Text1_ = placed(new QLineEdit(design.Text1, Frame2), "Text1", 960, 240, 975, 375);
    placed(new QLabel(QStringLiteral("到"), Frame2), "Label5", 2040, 360, 375, 375);
    Text2_ = placed(new QLineEdit(design.Text2, Frame2), "Text2", 2400, 240, 855, 375);
    placed(new QLabel(QStringLiteral("组"), Frame2), "Label6", 3360, 360, 375, 255);
    Option2_ = placed(new QRadioButton(Frame2), "Option2", 240, 840, 255, 375);
    auto* Label7 =
        placed(new QLabel(QStringLiteral("全部"), Frame2), "Label7", 720, 960, 1695, 375);
    Label7->setBuddy(Option2_);
    auto* options = new QButtonGroup(this);
    options->addButton(Option1_);
    options->addButton(Option2_);

    Command1_ =
        placed(new QPushButton(QStringLiteral("打印"), this), "Command1", 1680, 2520, 975, 495);
    Command2_ =
        placed(new QPushButton(QStringLiteral("取消"), this), "Command2", 4560, 2520, 975, 495);
    Command1_->setDefault(true);

    connect(Command1_, &QPushButton::clicked, this, [this] { run(on_form2_print_clicked); });
    connect(Command2_, &QPushButton::clicked, this, [this] { run(on_form2_cancel_clicked); });
    Form2Controls& ui = program_.state.form2.ui;
    connect(Text1_, &QLineEdit::textEdited, this, [&ui](const QString& t) { ui.Text1 = t; });
    connect(Text2_, &QLineEdit::textEdited, this, [&ui](const QString& t) { ui.Text2 = t; });
    connect(Option1_, &QRadioButton::toggled, this, [&ui](bool on) { ui.Option1 = on; });
}

void PrintOptionsDialog::load() {
    form2_load(program_);
    show_state();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void PrintOptionsDialog::show_state() {
    const PrintOptionsState& form2 = program_.state.form2;
    Label1_->setText(form2.ui.Label1);
    Label3_->setText(form2.ui.Label3);
    set_text(Text1_, form2.ui.Text1);
    set_text(Text2_, form2.ui.Text2);
    (form2.ui.Option1 ? Option1_ : Option2_)->setChecked(true);
    QLineEdit* selected = form2.selected_field == PrintOptionsState::Field::Text1   ? Text1_
                          : form2.selected_field == PrintOptionsState::Field::Text2 ? Text2_
                                                                                    : nullptr;
    if (selected) {
        selected->setFocus();
        selected->selectAll();
    }
}

void PrintOptionsDialog::run(void (*handler)(Program&)) {
    handler(program_);
    show_state();
    if (!program_.state.form2.open) {
        QDialog::done(program_.state.form2.biaozi == PrintOptionsState::kPrint ? Accepted
                                                                               : Rejected);
    }
}

void PrintOptionsDialog::reject() {
    if (program_.state.form2.open) {
        run(on_form2_cancel_clicked);
    } else {
        QDialog::reject();
    }
}

}  // namespace eqbond::ui
