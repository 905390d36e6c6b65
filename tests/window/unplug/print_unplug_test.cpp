// The instrument unplugged while the print options dialog is open (the main window unloaded, its
// port closed) and plugged in again: the print goes ahead from the groups kept, the reloaded
// main window finds the instrument again, and a fresh read ends with every group exact.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "integration/support/linked_instrument.h"
#include "integration/support/store_check.h"
#include "integration/support/wait.h"
#include "program/window_views.h"
#include "sim/stored_groups.h"
#include "support/report_fakes.h"
#include "ui/app_controller.h"
#include "ui/main_window.h"
#include "ui/print_options_dialog.h"

namespace eqbond {
namespace {

constexpr int kGroups = 60;
constexpr int kInstrumentPort = 8;  // found by the search, not opened by the start-up itself
constexpr int kFindDeadlineMs = 5000;
constexpr int kReadDeadlineMs = 20000;
// A stale link is dropped after seven silent ticks of 300 ms, then the search passes the other
// fifteen ports before it opens the instrument's port again.
constexpr int kFoundAgainDeadlineMs = 15000;

struct PrintCase {
    const char* name;
    const char* dialog_button;  // "Command1" print (all groups), "Command2" cancel
    bool back_before_answer;    // otherwise plugged in again 2 s after the answer
    int pages;
};

// Names the case in test listings, instead of its bytes.
void PrintTo(const PrintCase& c, std::ostream* out) {
    *out << c.name;
}

class UnplugWhilePrinting : public ::testing::TestWithParam<PrintCase> {
  protected:
    void SetUp() override {
        config_.groups = sim::generate_groups(kGroups, 17);
        config_.measuring = true;
        instrument_ = std::make_unique<test::LinkedInstrument>(config_);
        ASSERT_TRUE(instrument_->start());
        ui::LaunchOptions options;
        options.ports = QStringList(kInstrumentPort, QString());
        options.ports[kInstrumentPort - 1] = instrument_->path();
        options.splash = false;
        controller_ = std::make_unique<ui::AppController>(options);
        QString error;
        ASSERT_TRUE(controller_->start(&error)) << error.toStdString();
        controller_->program().ports.printer = &printer_;
        controller_->program().ports.message_box = &messages_;
    }
    void TearDown() override {
        controller_.reset();
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }

    ProgramState& state() { return controller_->program().state; }
    ui::MainWindow* main() { return controller_->main_window(); }
    template <typename W>
    W* main_control(const char* name) {
        return main()->findChild<W*>(QString::fromLatin1(name));
    }
    // Linked as the window shows it, with a reply since the last load of the main window (its
    // start-up sets the group count to 0).
    bool linked_with_reply() {
        return main_control<QLabel>("Label17")->text() == text::kLinked &&
               state().link.instrument_group_count == kGroups;
    }
    void read_with_the_button() {
        main_control<QPushButton>("Command5")->click();
        ASSERT_EQ(main_window_view(state()).read_button, text::kPause);
        ASSERT_TRUE(
            test::wait_until([&] { return state().link.reading() == false; }, kReadDeadlineMs))
            << "stopped at group " << state().link.next_group;
        EXPECT_EQ(state().records.last_stored_group, kGroups);
        EXPECT_TRUE(test::store_holds(state().records, config_.groups));
    }

    sim::SimulatorConfig config_;
    std::unique_ptr<test::LinkedInstrument> instrument_;
    std::unique_ptr<ui::AppController> controller_;
    test::FakePrinter printer_;
    test::FakeMessageBox messages_;
};

ui::PrintOptionsDialog* open_dialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form2") && w->isVisible())
            return qobject_cast<ui::PrintOptionsDialog*>(w);
    return nullptr;
}

TEST_P(UnplugWhilePrinting, TheReloadedWindowFindsTheInstrumentAgain) {
    const PrintCase& c = GetParam();
    sim::InstrumentSimulator& instrument = **instrument_;
    ASSERT_TRUE(test::wait_until([&] { return linked_with_reply(); }, kFindDeadlineMs));
    read_with_the_button();

    bool port_closed_meanwhile = false;
    bool answered = false;
    QTimer::singleShot(0, [&] {
        ui::PrintOptionsDialog* dialog = open_dialog();
        ASSERT_NE(dialog, nullptr);
        port_closed_meanwhile = !controller_->program().ports.line->is_open();
        instrument.unplug();
        if (c.back_before_answer) QTimer::singleShot(300, [&] { instrument.plug_in(); });
        QTimer::singleShot(600, dialog, [&, dialog] {
            EXPECT_EQ(instrument.plugged_in(), c.back_before_answer);
            dialog->findChild<QPushButton*>(QString::fromLatin1(c.dialog_button))->click();
            answered = true;
        });
    });
    main_control<QPushButton>("Command7")->click();
    ASSERT_TRUE(answered);
    EXPECT_TRUE(port_closed_meanwhile) << "the unloaded window let go of the port";
    if (!c.back_before_answer) QTimer::singleShot(2000, [&] { instrument.plug_in(); });

    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(int(printer_.pages().size()), c.pages);
    EXPECT_EQ(state().print_options.dialog_answer, DialogAnswer::Open);
    EXPECT_TRUE(test::store_holds(state().records, config_.groups)) << "the groups are kept";

    ASSERT_TRUE(test::wait_until([&] { return linked_with_reply(); }, kFoundAgainDeadlineMs));
    EXPECT_EQ(main_control<QLabel>("Label15")->text(),
              QStringLiteral("COM%1").arg(kInstrumentPort));
    read_with_the_button();
    EXPECT_TRUE(messages_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnplugWhilePrinting,
    ::testing::Values(PrintCase{"PrintBackBeforeTheAnswer", "Command1", true, 1},
                      PrintCase{"CancelBackBeforeTheAnswer", "Command2", true, 0},
                      PrintCase{"PrintBackAfterTheAnswer", "Command1", false, 1}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace eqbond
