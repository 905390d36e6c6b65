#pragma once
// Form2 "打印选项": built to its layout, it forwards its buttons to the core handlers and shows
// the core's state. Closing it by the title bar or Escape counts as its cancel button.
#include <QDialog>

#include "app/program.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace eqbond::ui {

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintOptionsDialog(Program& program, QWidget* parent = nullptr);

    // Form2's load: design values and the counts of groups and pages.
    void load();
    // Copies the core's dialog state onto the widgets.
    void show_state();

public slots:
    void reject() override;

private:
    void build();
    // Runs a core handler, shows its state and closes once the dialog has answered.
    void run(void (*handler)(Program&));

    Program& program_;
    QLabel *Label1_ = nullptr, *Label3_ = nullptr;
    QLineEdit *Text1_ = nullptr, *Text2_ = nullptr;
    QRadioButton *Option1_ = nullptr, *Option2_ = nullptr;
    QPushButton *Command1_ = nullptr, *Command2_ = nullptr;
};

}  // namespace eqbond::ui
