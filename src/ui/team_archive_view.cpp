#include "ui/team_archive_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <utility>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "program/team_status_view.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/qt_team_copy_browsing.h"
#include "team/qt_team_fetcher.h"
#include "team/qt_team_store.h"
#include "team/team_copy_editing.h"
#include "team/team_copy_round.h"
#include "team/team_push_status.h"
#include "team/team_texts.h"
#include "ui/archive_window.h"
#include "ui/team_history_panel.h"

namespace eqbond::ui {

namespace {
#ifdef Q_OS_LINUX
constexpr int kRoundNice = 10;
#endif

// What one round on the thread found.
struct RoundOutcome {
    TeamCopyRound round;
    std::optional<TeamFault> removal_fault;
    std::vector<TeamPlan> plans;  // those it took, gone; those left, to go in the next round
    QString role;                 // as the server knows this program; empty when not reached
    bool changes_any = false;
    std::optional<TeamPeople> people;     // nothing when the server did not say
    std::atomic<bool> batch_kept{false};  // the first summaries are in the copy
};

// What the server made of the changes the round took to it.
std::pair<ServerAnswer, QString> server_answer(const RoundOutcome& outcome) {
    const std::optional<TeamFault>& fault = outcome.round.fault;
    if (outcome.round.local_fault) return {ServerAnswer::NotReached, text::kTeamCopyUnwritable};
    if (fault && fault->kind == TeamFaultKind::RefusedByRules) return {ServerAnswer::Refused, {}};
    if (fault) return {ServerAnswer::NotReached, team_fault_text(fault->kind)};
    return {ServerAnswer::Taken, {}};
}

// `updated`: when the view was last brought up to date, this round included.
QString state_text(const RoundOutcome& outcome, const std::optional<QTime>& updated) {
    const std::optional<TeamFault>& fault =
        outcome.removal_fault ? outcome.removal_fault : outcome.round.fault;
    if (outcome.round.local_fault) return text::kTeamCopyUnwritable;
    if (fault && fault->kind == TeamFaultKind::RefusedByRules) return text::kTeamCopyRefused;
    if (fault && updated)
        return text::kTeamCopyStaleSince.arg(team_fault_text(fault->kind),
                                             updated->toString(QStringLiteral("HH:mm")));
    if (fault) return text::kTeamCopyStale.arg(team_fault_text(fault->kind));
    return text::kTeamCopyUpdated.arg(updated->toString(QStringLiteral("HH:mm:ss")));
}

// The server could not be used: neither read nor asked.
bool server_out_of_use(const RoundOutcome& outcome) {
    return !outcome.round.local_fault && outcome.round.fault &&
           outcome.round.fault->kind != TeamFaultKind::RefusedByRules;
}
}  // namespace

TeamArchiveView::TeamArchiveView(Program& program, const QString& copy_file, QWidget* parent)
    : QWidget(parent), copy_(std::make_unique<QtSqliteFile>()), copy_file_(copy_file) {
    setObjectName(QStringLiteral("TeamArchiveView"));
    // Made here, before any round opens it on its thread.
    copy_->open(copy_file_);
    copy_records_ = std::make_unique<QtSqliteInspections>(*copy_);
    copy_store_ = std::make_unique<QtSqliteTeamCopy>(*copy_);
    browsing_ = std::make_unique<QtTeamCopyBrowsing>(*copy_, *copy_records_);
    editing_ = std::make_unique<TeamCopyEditing>(
        *copy_records_, *copy_records_,
        [this](const TeamPlan& plan) {
            plans_.push_back(plan);
            bring_up_to_date();
        },
        [this](int64_t id) {
            const std::optional<bool> summary = copy_store_->summary_only(id);
            return summary && !*summary;
        });
    state_ = new QLabel(text::kTeamCopyNoServer, this);
    state_->setObjectName(QStringLiteral("TeamCopyState"));
    state_->setWordWrap(true);
    refresh_ = new QPushButton(text::kTeamCopyRefresh, this);
    refresh_->setObjectName(QStringLiteral("TeamCopyRefresh"));
    window_ = new ArchiveWindow(program, *copy_, *browsing_, *editing_, this);
    history_ = new TeamHistoryPanel(this);
    auto* top = new QHBoxLayout;
    top->addWidget(state_, 1);
    top->addWidget(refresh_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addWidget(window_, 1);
    column->addWidget(history_);
    connect(refresh_, &QPushButton::clicked, this, &TeamArchiveView::bring_up_to_date);
    // A label, details or a plan changed here: the server takes it or refuses it.
    connect(copy_.get(), &QtSqliteFile::changed, this, &TeamArchiveView::bring_up_to_date);
    connect(window_, &ArchiveWindow::removal_asked, this, &TeamArchiveView::remove);
    // Read when a download opens, and again after each round: a change made here is in it then.
    connect(window_, &ArchiveWindow::download_opened, this, &TeamArchiveView::show_history);
    connect(window_, &ArchiveWindow::download_opened, this, &TeamArchiveView::fetch_open);
    connect(this, &TeamArchiveView::round_finished, this, &TeamArchiveView::show_history);
}

void TeamArchiveView::show_history() {
    const std::optional<Inspection>& open = window_->open_download();
    history_->show_download(open ? std::optional<QString>(open->uuid) : std::nullopt);
}

void TeamArchiveView::fetch_open() {
    const std::optional<Inspection>& open = window_->open_download();
    // One at a time: the one under way looks at the open download again when it ends.
    if (!open || !fetcher_ || fetching_) return;
    const std::optional<bool> summary = copy_store_->summary_only(open->id);
    if (!summary) return;
    if (*summary) {
        start_fetch(open->id, open->uuid, false);
        return;
    }
    const std::optional<std::vector<QString>> earlier = copy_store_->summaries_before(open->id);
    if (earlier && !earlier->empty()) start_fetch(open->id, open->uuid, true);
}

void TeamArchiveView::start_fetch(int64_t download_id, const QString& uuid, bool earlier) {
    fetching_ = true;
    fetcher_->fetch(download_id, uuid, earlier);
}

void TeamArchiveView::fetched(qint64 download_id, bool earlier, int fetched, bool failed) {
    fetching_ = false;
    const std::optional<Inspection>& open = window_->open_download();
    const bool still_open = open && open->id == download_id;
    if (still_open && fetched > 0) window_->reread_open();
    // Another download opened meanwhile, or this one's earlier ones next; what could not be
    // read waits until the download is opened again.
    if (!still_open || (!earlier && !failed && fetched > 0)) fetch_open();
}

TeamArchiveView::~TeamArchiveView() {
    // The window refers to the copy: it goes first. The network gets one wait for every read.
    delete window_;
    window_ = nullptr;
    *closing_ = true;
    const QDeadlineTimer deadline(kCloseWait);
    history_->stop(deadline);
    if (fetcher_) fetcher_->stop(deadline);
    if (!round_ || round_->wait(deadline)) return;
    // A round still on the network holds nothing of this view: it ends by the connection's own
    // time limits and takes its thread along.
    round_->disconnect(this);
    QThread* const thread = round_.release();
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void TeamArchiveView::set_server(const std::optional<TeamServerAddress>& address) {
    address_ = address;
    history_->set_server(address);
    // A read under way for the server before is dropped with its answer.
    fetcher_.reset();
    fetching_ = false;
    if (address_) {
        fetcher_ = std::make_unique<QtTeamFetcher>(copy_file_, *address_);
        connect(fetcher_.get(), &QtTeamFetcher::done, this, &TeamArchiveView::fetched);
    }
    if (!address_) state_->setText(text::kTeamCopyNoServer);
}

bool TeamArchiveView::updating() const {
    return again_ || in_round_ || fetching_;
}

void TeamArchiveView::remove(const QString& uuid) {
    removing_ = uuid;
    bring_up_to_date();
}

void TeamArchiveView::bring_up_to_date() {
    if (!address_) {
        state_->setText(text::kTeamCopyNoServer);
        return;
    }
    if (in_round_) {
        again_ = true;
        return;
    }
    if (round_) round_->wait();
    again_ = false;
    auto outcome = std::make_shared<RoundOutcome>();
    outcome->plans = std::exchange(plans_, {});
    const std::optional<QString> removing = std::exchange(removing_, std::nullopt);
    const TeamServerAddress address = with_connect_timeout(*address_);
    const QString file = copy_file_;
    const std::shared_ptr<const std::atomic<bool>> closing = closing_;
    round_.reset(QThread::create([outcome, removing, address, file, closing] {
#ifdef Q_OS_LINUX
        // Linux gives each thread a nice value of its own, and ignores the priority the thread
        // was started with.
        setpriority(PRIO_PROCESS, 0, kRoundNice);
#endif
        QtSqliteFile copy_file;
        if (!copy_file.open(file)) {
            outcome->round.local_fault = true;
            return;
        }
        QtTeamStore store;
        if (!store.connect(address)) {
            outcome->round.fault = store.fault();
            return;
        }
        outcome->role = store.role();
        outcome->changes_any = store.changes_any();
        if (removing && !store.remove(*removing)) outcome->removal_fault = store.fault();
        QtSqliteTeamCopy copy(copy_file);
        outcome->round = bring_team_copy_up_to_date(
            copy, store, outcome->plans, [&] { outcome->batch_kept = true; }, closing.get());
        if (outcome->round.fault) return;
        outcome->people = store.people();
        if (!outcome->people) outcome->round.fault = store.fault();
    }));
    // The first summaries show while the round goes on.
    auto* first_batch = new QTimer(round_.get());
    first_batch->setInterval(50);
    connect(first_batch, &QTimer::timeout, this, [this, outcome, first_batch] {
        if (!outcome->batch_kept) return;
        first_batch->stop();
        window_->refresh();
    });
    connect(round_.get(), &QThread::finished, first_batch, &QTimer::stop);
    connect(round_.get(), &QThread::finished, this, [this, outcome] {
        // Those the round did not take go first in the next, before any kept since.
        plans_.insert(plans_.begin(), outcome->plans.begin(), outcome->plans.end());
        stale_ = server_out_of_use(*outcome);
        if (!stale_ && !outcome->round.local_fault) updated_ = QTime::currentTime();
        state_->setText(state_text(*outcome, updated_));
        // Those last read stay until the server says otherwise.
        if (outcome->people) people_ = *outcome->people;
        std::optional<ArchiveWindow::TeamRights> rights;
        if (!outcome->role.isEmpty())
            rights = ArchiveWindow::TeamRights{outcome->role, outcome->changes_any, people_};
        // A change made while this round ran goes in the next: its answer waits for that one.
        std::optional<ArchiveWindow::ServerReply> reply;
        if (!again_) {
            const auto [answer, why] = server_answer(*outcome);
            reply = ArchiveWindow::ServerReply{answer, why};
        }
        window_->note_team_round(rights, reply);
        in_round_ = false;
        if (again_) bring_up_to_date();
        emit round_finished();
        if (stale_) emit server_lost();
    });
    state_->setText(text::kTeamCopyUpdating);
    in_round_ = true;
    // The round fills a cache in the background: when the processors are busy, the window and
    // the download the user opened go first.
    round_->start(QThread::LowPriority);
    first_batch->start();
}

}  // namespace eqbond::ui
