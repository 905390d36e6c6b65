// The Windows build's main window under Wine: it walks COM1.. to the port where tests/wine put a
// simulated instrument (EQBOND_TEST_COM_PORT) and shows it linked, and it reads every group of
// the built-in simulated instrument.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "demo/demo_instrument.h"
#include "program/event_wait.h"
#include "ui/app_controller.h"

namespace eqbond {
namespace {

struct WindowsMainWindow : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<ui::AppController> controller;

    void start(bool demo) {
        ui::LaunchOptions options;
        options.demo = demo;
        options.splash = false;
        options.archive_file = dir.filePath(QStringLiteral("archive.sqlite"));
        controller = std::make_unique<ui::AppController>(options);
        QString error;
        ASSERT_TRUE(controller->start(&error)) << error.toStdString();
    }
    ProgramState& state() { return controller->program().state; }
    QString shown(const char* label) const {
        return controller->main_window()->findChild<QLabel*>(QString::fromLatin1(label))->text();
    }
};

TEST_F(WindowsMainWindow, WalksTheComPortsToTheInstrument) {
    const QString port = qEnvironmentVariable("EQBOND_TEST_COM_PORT");
    ASSERT_FALSE(port.isEmpty()) << "EQBOND_TEST_COM_PORT names the instrument's port";
    start(false);
    // Seven silent probes a port, COM1 to the instrument's.
    ASSERT_TRUE(wait_until([&] { return shown("Label17") == QStringLiteral("连接成功"); }, 60000))
        << "shown: " << shown("Label17").toStdString() << " at " << shown("Label15").toStdString();
    EXPECT_EQ(shown("Label15"), port);
    EXPECT_EQ(shown("Label16"), QStringLiteral("串口已打开"));
}

TEST_F(WindowsMainWindow, ReadsEveryGroupOfTheDemoInstrument) {
    start(true);
    ASSERT_TRUE(wait_until(
        [&] { return state().link.linked && state().link.instrument_group_count > 0; }, 30000));
    const int groups = state().link.instrument_group_count;
    controller->main_window()->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    ASSERT_TRUE(wait_until(
        [&] { return !state().link.reading() && state().records.last_stored_group == groups; },
        120000))
        << "the read stopped at group " << state().link.next_group;
    EXPECT_EQ(groups, int(sim::demo_config().groups.size()));
}

}  // namespace
}  // namespace eqbond
