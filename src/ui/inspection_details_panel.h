#pragma once
// Where the download chosen was measured and by whom: its site (chosen from the archive's sites,
// or a new one with its address and customer), location, inspector, instrument and notes. Saving
// keeps the inspector and instrument as the next download's defaults; typed text the archive
// cannot keep is refused here with the reason, and nothing is saved.
#include <QWidget>
#include <cstdint>
#include <optional>

#include "inspection/inspection.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace eqbond {
class InspectionArchive;
}

namespace eqbond::ui {

class InspectionDetailsPanel : public QWidget {
    Q_OBJECT
  public:
    InspectionDetailsPanel(InspectionArchive& archive, QWidget* parent);

    // Shows the details of `download` (the saved defaults where it has none); nothing: no
    // download is open and the panel is disabled.
    void show_download(const std::optional<Inspection>& download);
    // Checks and keeps what is typed; false with the reason shown when nothing was kept.
    bool save();

    QComboBox* site_list() const { return site_list_; }
    QLabel* message() const { return message_; }

  private:
    void fill_sites(std::optional<int64_t> chosen);
    void show_site();
    std::optional<int64_t> saved_site(const Site& typed);
    void say(const QString& text, bool problem);

    InspectionArchive& archive_;
    std::optional<int64_t> download_id_;
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
