// A fixed scripted session through the real windows over a fake line: every frame written and
// what each window looks like at fixed points must stay byte for byte what the program produced
// when the references were recorded. Guards behaviour through restructuring of the code.
// EQBOND_UPDATE_REFERENCES=1 records the references anew (then look at them before committing).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "base/protocol.h"
#include "link/receive_dispatcher.h"
#include "program/startup.h"
#include "support/fake_ports.h"
#include "support/instrument_replies.h"
#include "ui/main_window.h"
#include "ui/print_options_dialog.h"
#include "ui/splash_window.h"

namespace eqbond {
namespace {

QString reference_path(const QString& name) {
    return QStringLiteral(EQBOND_SOURCE_DIR "/tests/fixtures/reference/") + name;
}

bool updating() {
    return qEnvironmentVariableIntValue("EQBOND_UPDATE_REFERENCES") == 1;
}

void expect_image(const QImage& shown, const char* name) {
    const QString path = reference_path(QString::fromLatin1(name) + QStringLiteral(".png"));
    const QImage image = shown.convertToFormat(QImage::Format_RGB32);
    if (updating()) {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(image.save(path));
        return;
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << path.toStdString();
    EXPECT_TRUE(image == reference) << name << " differs from " << path.toStdString();
}

// The session's replies: dated 24/05/17 09:mm, the battery low with every seventh group.
Reply reply(int kind, int value, int group, int minute = 0) {
    return test::reply_of(value, group, group % 7 == 3 ? 1 : 0, kind, {24, 5, 17, 9, minute});
}

struct Session : ::testing::Test {
    test::FakeProgram fake;
    std::unique_ptr<ui::MainWindow> window;
    QStringList frames;  // step name, then the frames it wrote, in hex

    void SetUp() override {
        fake.line.outcomes[2] = OpenOutcome::Opened;
        window = std::make_unique<ui::MainWindow>(fake.program);
        window->run([](Program& p) { load_main_window(p); });
        window->show();
    }

    void note(const char* step) {
        frames << QString::fromLatin1(step);
        for (const QByteArray& frame : fake.line.written) frames << "  " + frame.toHex(' ');
        fake.line.written.clear();
    }
    void tick(const char* timer) {
        QTimer* t = window->findChild<QTimer*>(QString::fromLatin1(timer));
        ASSERT_NE(t, nullptr) << timer;
        QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
    }
    void click(const char* button) {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    void type(const char* field, const QString& text) {
        auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->selectAll();
        edit->insert(text);
    }
    void receive(const Reply& r) {
        fake.line.incoming += encode_reply(r);
        window->run([](Program& p) { on_receive(p, PortEvent::DataReceived); });
    }
};

TEST_F(Session, FramesAndWindowsStayAsRecorded) {
    tick("Timer10");
    note("start-up");
    expect_image(window->grab().toImage(), "main_after_startup");

    tick("Timer2");
    receive(reply(kind::kStatus, 0, 30));
    tick("Timer2");
    tick("Timer7");
    for (int value : {1234, 1234, 5678, 60000, 45000, 900}) {
        receive(reply(kind::kMeasurement, value, 30));
        tick("Timer7");
    }
    receive(reply(kind::kLeadResistance, 321, 30));
    tick("Timer10");
    note("linked, live readings");

    click("Command5");
    for (int group = 1; group <= 12; ++group) receive(reply(kind::kStatus, 100 * group, group));
    click("Command5");  // pause
    tick("Timer1");
    tick("Timer1");
    click("Command5");  // continue
    for (int group = 13; group <= 30; ++group) receive(reply(kind::kStatus, 100 * group, group));
    for (const char* t : {"Timer9", "Timer6", "Timer2", "Timer7", "Timer10"}) tick(t);
    note("read of 30 groups");
    expect_image(window->grab().toImage(), "main_after_read_of_30");

    click("Command13");
    click("Command12");
    type("Text1", QStringLiteral("1"));
    click("Command14");
    note("paging");

    click("Command1");  // test
    type("Text2", QStringLiteral("5.0000"));
    click("Command15");
    receive(reply(kind::kMeasurement, 7000, 30));
    tick("Timer4");
    tick("Timer10");
    tick("Timer9");
    note("alarm locked");
    expect_image(window->grab().toImage(), "main_alarm_locked");

    for (const char* b : {"Command8", "Command8", "Command3", "Command10", "Command6"}) click(b);
    note("instrument buttons");

    ui::PrintOptionsDialog dialog(fake.program);
    dialog.load();
    dialog.show();
    expect_image(dialog.grab().toImage(), "print_options");

    ui::SplashWindow splash;
    splash.show();
    expect_image(splash.grab().toImage(), "splash");

    const QString path = reference_path(QStringLiteral("session_frames.txt"));
    QFile file(path);
    if (updating()) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(frames.join(QLatin1Char('\n')).toUtf8() + '\n');
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(frames.join(QLatin1Char('\n')).toStdString() + "\n", file.readAll().toStdString());
}

}  // namespace
}  // namespace eqbond
