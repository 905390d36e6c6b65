#include "ui/archive_hookup.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "archive/archive_location.h"
#include "archive/archive_texts.h"
#include "archive/qt_sqlite_file.h"
#include "base/program.h"
#include "inspection/download_recorder.h"
#include "inspection/qt_sqlite_inspections.h"
#include "ui/app_controller.h"
#include "ui/archive_window.h"
#include "ui/main_window.h"
#include "ui/team_hookup.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
// Below the frames of the bottom row (which end at 8775 twips) and clear of the hidden banner
// and logo: the right end of the band, under the operation buttons.
constexpr int kButtonLeft = 11160, kButtonTop = 9030, kButtonWidth = 1575, kButtonHeight = 495;
}  // namespace

ArchiveHookup::ArchiveHookup(Program& program, const LaunchOptions& options)
    : program_(program),
      archive_(std::make_unique<QtSqliteFile>()),
      inspections_(std::make_unique<QtSqliteInspections>(*archive_)),
      recorder_(std::make_unique<DownloadRecorder>(*inspections_)) {
    QString file = options.archive_file;
    if (file.isEmpty() && options.demo) {
        // Trying the program leaves nothing behind.
        demo_folder_ = std::make_unique<QTemporaryDir>();
        file = demo_folder_->filePath(QStringLiteral("demo-archive.sqlite"));
    }
    if (file.isEmpty()) file = default_archive_file();
    archive_->open(file);
    team_ = std::make_unique<TeamHookup>(program_, *archive_, !options.demo);
    program_.ports.read_observer = recorder_.get();
    QTimer::singleShot(0, this, [this] { recorder_->report_fault(program_); });
}

ArchiveHookup::~ArchiveHookup() {
    // Closing the program gives up a paused read: keep what it holds.
    recorder_->read_given_up(program_);
    delete window_;
    program_.ports.read_observer = nullptr;
}

void ArchiveHookup::attach(MainWindow& main_window) {
    main_window_ = &main_window;
    auto* button = new QPushButton(text::kArchiveButton, &main_window);
    button->setObjectName(QStringLiteral("ArchiveButton"));
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(QStringLiteral("Ctrl+D"));
    place(button, kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
    connect(button, &QPushButton::clicked, this, &ArchiveHookup::show_window);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), &main_window);
    connect(shortcut, &QShortcut::activated, this, &ArchiveHookup::show_window);
}

ArchiveWindow* ArchiveHookup::window() const {
    return window_;
}

ArchiveWindow* ArchiveHookup::show_window() {
    if (!window_) {
        // Its own top-level window, but closed with the main window: it does not keep the
        // program running.
        window_ = new ArchiveWindow(program_, *archive_, *recorder_, main_window_);
        team_->attach(*window_);
    } else {
        window_->refresh();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

}  // namespace eqbond::ui
