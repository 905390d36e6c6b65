#pragma once
// The team view's history of the chosen download: every change the server recorded, one line
// each as eqbond-cli team history prints it. Read on a thread of its own, so the window never
// waits for the network; a choice made during a read is read after it.
#include <QDeadlineTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "team/team_server_address.h"

class QLabel;
class QPlainTextEdit;
class QThread;

namespace eqbond::ui {

class TeamHistoryPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TeamHistoryPanel(QWidget* parent);
    ~TeamHistoryPanel() override;
    // Waits for a read under way until `deadline`, then lets it end on its own; no read after.
    void stop(QDeadlineTimer deadline);

    void set_server(const std::optional<TeamServerAddress>& address);
    // Reads and shows the history of the download of this UUID; none: nothing shown.
    void show_download(const std::optional<QString>& uuid);

    QPlainTextEdit* lines() const { return lines_; }
    // True while a read runs or waits, until its result is shown.
    bool reading() const { return running_ || wanted_.has_value(); }

  signals:
    void read_finished();

  private:
    void read(const std::optional<QString>& uuid);

    std::optional<TeamServerAddress> address_;
    std::unique_ptr<QThread> thread_;
    bool running_ = false;
    std::optional<std::optional<QString>> wanted_;  // asked for while a read ran
    QPlainTextEdit* lines_ = nullptr;
};

}  // namespace eqbond::ui
