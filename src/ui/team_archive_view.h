#pragma once
// The archive window's team view: every inspector's downloads, browsed, compared, exported and
// reported on like this computer's own, from a copy of the team archive kept beside it. The copy
// is brought up to date on a thread of its own, so the window never waits for the network, and
// stays readable when the server cannot be reached. It lists every download by its summary; a
// download's groups are read from the server when it is opened, on another thread, with those
// of the downloads before it at its location. Changes made here go to the server, whose
// rules decide; a refused one is replaced by the server's own.
#include <QTime>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "team/team_download.h"
#include "team/team_server_address.h"

class QLabel;
class QPushButton;
class QThread;

namespace eqbond {
class QtSqliteFile;
class QtSqliteInspections;
class QtSqliteTeamCopy;
class QtTeamFetcher;
class QtTeamCopyBrowsing;
class TeamCopyEditing;
struct Program;
}  // namespace eqbond

namespace eqbond::ui {

class ArchiveWindow;
class TeamHistoryPanel;

class TeamArchiveView : public QWidget {
    Q_OBJECT
  public:
    TeamArchiveView(Program& program, const QString& copy_file, QWidget* parent);
    ~TeamArchiveView() override;

    // The server the copy follows; nothing when none is set up.
    void set_server(const std::optional<TeamServerAddress>& address);
    // Brings the copy up to date now, or after the round under way.
    void bring_up_to_date();

    ArchiveWindow* window() const { return window_; }
    TeamHistoryPanel* history() const { return history_; }
    QLabel* state() const { return state_; }
    // True while a round runs or waits, or the open download's groups are read, until what they
    // brought is shown.
    bool updating() const;
    // How long closing waits for a round on the network.
    static constexpr int kCloseWait = 2000;
    // The last round could not use the server: the view shows what was read before.
    bool stale() const { return stale_; }

  signals:
    void round_finished();
    // A round found the server out of use: whoever watches it says when it answers again.
    void server_lost();

  private:
    void remove(const QString& uuid);
    // The open download's history, read again.
    void show_history();
    // The open download's groups from the server, when the copy holds its summary alone.
    void fetch_open();
    // Reads the download's groups, or those before it when `earlier`, on the fetcher's thread.
    void start_fetch(int64_t download_id, const QString& uuid, bool earlier);
    void fetched(qint64 download_id, bool earlier, int fetched, bool failed);

    std::unique_ptr<QtSqliteFile> copy_;
    std::unique_ptr<QtSqliteInspections> copy_records_;
    std::unique_ptr<QtSqliteTeamCopy> copy_store_;
    std::unique_ptr<QtTeamCopyBrowsing> browsing_;
    std::unique_ptr<TeamCopyEditing> editing_;
    std::vector<TeamPlan> plans_;  // kept in this view, for the next round to take to the server
    TeamPeople people_;            // the lab's people as the server last gave them
    QString copy_file_;
    std::optional<TeamServerAddress> address_;
    std::unique_ptr<QThread> round_;
    // Set on closing: a round copying a large archive ends after its page instead of outliving
    // the program.
    std::shared_ptr<std::atomic<bool>> closing_ = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<QtTeamFetcher> fetcher_;  // with a server only
    bool fetching_ = false;                   // from a fetch's start until what it read is shown
    bool in_round_ = false;                   // from a round's start until its result is handled
    bool again_ = false;                      // asked for while a round ran
    bool stale_ = false;
    std::optional<QTime> updated_;     // when a round last read the server
    std::optional<QString> removing_;  // the UUID the next round deletes on the server first
    QLabel* state_ = nullptr;
    QPushButton* refresh_ = nullptr;
    ArchiveWindow* window_ = nullptr;
    TeamHistoryPanel* history_ = nullptr;
};

}  // namespace eqbond::ui
