#pragma once
// Where the download chosen was measured and by whom: its site (chosen from the archive's sites,
// or a new one with its address and customer), location, inspector, instrument and notes, as the
// archive window's view has them. Choosing a site and saving are handed to the window's core.
#include <QWidget>
#include <functional>

#include "inspection/archive_window_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace eqbond::ui {

class InspectionDetailsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit InspectionDetailsPanel(QWidget* parent);

    // Copies the panel's view; a field is written only when the view changed it, so that what
    // is being typed stays.
    void show_view(const DetailsPanelView& view);
    // What is typed now.
    DetailsForm typed() const;

    std::function<void(int64_t site_id)> on_site_chosen;
    std::function<void()> on_save;

    QComboBox* site_list() const { return site_list_; }
    QLabel* message() const { return message_; }

  private:
    DetailsPanelView shown_;
    bool copying_ = false;
    QComboBox* site_list_ = nullptr;
    QLineEdit* site_name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* customer_ = nullptr;
    QLineEdit* location_ = nullptr;
    QLineEdit* inspector_ = nullptr;
    QLineEdit* instrument_ = nullptr;
    QLineEdit* notes_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace eqbond::ui
