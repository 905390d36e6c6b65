#pragma once
// The print options dialog: built to its layout, it forwards its buttons to the core handlers and
// shows the core's state. Closing it by the title bar or Escape counts as its cancel button.
#include <QDialog>

#include "base/program.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace eqbond::ui {

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PrintOptionsDialog(Program& program, QWidget* parent = nullptr);

    // The dialog's load: design values and the counts of groups and pages.
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
    QLabel *group_count_label_ = nullptr, *page_count_label_ = nullptr;
    QLineEdit *first_group_field_ = nullptr, *last_group_field_ = nullptr;
    QRadioButton *range_option_ = nullptr, *all_option_ = nullptr;
    QPushButton *print_button_ = nullptr, *cancel_button_ = nullptr;
};

}  // namespace eqbond::ui
