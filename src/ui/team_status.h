#pragma once
// The archive window's line about the team archive: all pushed, how many wait, or why the server
// cannot be used, with the switch between this computer's downloads and the team's and the
// buttons to push now and to set the server up.
#include <QWidget>
#include <optional>

#include "team/team_push_status.h"

class QLabel;
class QPushButton;

namespace eqbond::ui {

class TeamStatusLine : public QWidget {
    Q_OBJECT
  public:
    explicit TeamStatusLine(QWidget* parent = nullptr);

    // Copies the view of the status onto the line.
    void show_status(bool configured, const std::optional<TeamPushStatus>& status);
    QLabel* label() const { return label_; }

    QPushButton* team_switch() const { return team_; }
    QPushButton* local_switch() const { return local_; }

  signals:
    void push_asked();
    void setup_asked();
    // The switch between this computer's downloads and the team's.
    void view_asked(bool team);

  private:
    QLabel* label_ = nullptr;
    QPushButton* push_ = nullptr;
    QPushButton* local_ = nullptr;
    QPushButton* team_ = nullptr;
};

}  // namespace eqbond::ui
