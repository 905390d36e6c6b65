// One scripted session through the real main window and print options dialog, once in Chinese
// and once in English: the same frames go to the instrument, the same state follows and the same
// text report and printout come out; the captions read in their language (Chinese byte for byte
// as laid out), and every English caption fits its laid-out control.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <map>

#include "base/protocol.h"
#include "link/receive_dispatcher.h"
#include "program/startup.h"
#include "report/print_options.h"
#include "report/save_button.h"
#include "support/instrument_replies.h"
#include "support/report_fakes.h"
#include "ui/main_window.h"
#include "ui/print_options_dialog.h"
#include "window/translated/interface_language.h"

namespace eqbond {
namespace {

// The session's replies, all dated 24/05/17 00:00 with the battery good.
Reply reply(int kind, int value, int group) {
    return test::reply_of(value, group, 0, kind, {24, 5, 17, 0, 0});
}

QString caption(const QWidget& root, const char* name) {
    const QString object_name = QString::fromLatin1(name);
    const QWidget* w =
        root.objectName() == object_name ? &root : root.findChild<const QWidget*>(object_name);
    if (!w) return QStringLiteral("<no %1>").arg(object_name);
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    return w->windowTitle();
}

// What a session did (frames written, typed state, files) and what its windows showed.
struct SessionRecord {
    QStringList trace;
    std::map<QString, QString> captions;  // "step/control" -> caption
    QStringList english_faults;
};

// The print button's dialog, shown for real; the main window stays as it is meanwhile.
class DialogHost : public WindowHost {
  public:
    std::function<void(ui::PrintOptionsDialog&)> in_dialog;
    ui::MainWindow* window = nullptr;

    void unload_main_window() override {}
    void show_main_window() override { window->run(load_main_window); }
    void run_print_options_dialog(Program& p) override {
        ui::PrintOptionsDialog dialog(p);
        dialog.load();
        dialog.show();
        in_dialog(dialog);
    }
};

class Session {
  public:
    explicit Session(Language language) : language_(language) {
        fake_.line.outcomes[2] = OpenOutcome::Opened;
        fake_.program.ports.file_dialogs = &dialogs_;
        fake_.program.ports.printer = &printer_;
        fake_.program.ports.window = &host_;
        window_ = std::make_unique<ui::MainWindow>(fake_.program);
        host_.window = window_.get();
        window_->on_save = [this] { window_->run(on_save_clicked); };
        window_->on_print = [this] { window_->run(on_print_clicked); };
        window_->run(load_main_window);
        window_->show();
    }

    SessionRecord run() {
        for (const char* t : {"Timer9", "Timer10"}) tick(t);
        note("start");
        tick("Timer2");
        receive(reply(kind::kStatus, 0, 30));
        for (const char* t : {"Timer2", "Timer7"}) tick(t);
        for (int value : {1234, 5678, 45000}) receive(reply(kind::kMeasurement, value, 30));
        note("linked");
        click("Command5");
        for (int group = 1; group <= 12; ++group) receive(reply(kind::kStatus, 100 * group, group));
        tick("Timer9");
        note("reading");
        click("Command5");
        note("paused");
        click("Command5");
        for (int group = 13; group <= 30; ++group)
            receive(reply(kind::kStatus, 100 * group, group));
        for (const char* t : {"Timer9", "Timer6", "Timer2", "Timer7"}) tick(t);
        click("Command13");
        click("Command12");
        save_report();
        note("read");
        print();
        click("Command1");  // test: the chart again
        type("Text2", QStringLiteral("5.0000"));
        click("Command15");
        receive(reply(kind::kMeasurement, 7000, 30));
        tick("Timer4");
        click("Command8");
        note("locked");
        return record_;
    }

  private:
    void save_report() {
        QTemporaryDir dir;
        dialogs_.answer = dir.filePath(QStringLiteral("report.txt"));
        click("Command4");
        QFile report(*dialogs_.answer);
        record_.trace << QStringLiteral("text report ") +
                             (report.open(QIODevice::ReadOnly)
                                  ? QCryptographicHash::hash(report.readAll(),
                                                             QCryptographicHash::Sha256)
                                        .toHex()
                                  : QByteArray("missing"));
    }
    void print() {
        host_.in_dialog = [this](ui::PrintOptionsDialog& dialog) {
            note("print options", &dialog);
            dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        };
        click("Command7");
        for (const test::FakePrinter::Call& call : printer_.calls) record_.trace << call.text;
        note("printed");
    }
    void tick(const char* timer) {
        QTimer* t = window_->findChild<QTimer*>(QString::fromLatin1(timer));
        if (t) QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
    }
    void click(const char* button) {
        window_->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    void type(const char* field, const QString& text) {
        auto* edit = window_->findChild<QLineEdit*>(QString::fromLatin1(field));
        edit->selectAll();
        edit->insert(text);
    }
    void receive(const Reply& r) {
        fake_.line.incoming += encode_reply(r);
        window_->run([](Program& p) { on_receive(p, PortEvent::DataReceived); });
    }

    void note(const char* step, const QWidget* dialog = nullptr) {
        const ProgramState& s = fake_.state();
        record_.trace << QString::fromLatin1(step);
        for (const QByteArray& frame : fake_.line.written) record_.trace << frame.toHex(' ');
        fake_.line.written.clear();
        record_.trace << QStringLiteral("read %1 locked %2 backlight %3 view %4 groups %5 page %6")
                             .arg(int(s.link.read_state))
                             .arg(s.main_window.alarm_locked)
                             .arg(s.main_window.backlight_on)
                             .arg(int(s.main_window.work_view))
                             .arg(s.records.last_stored_group)
                             .arg(s.history.current_page);
        const QWidget& shown = dialog ? *dialog : *window_;
        for (const char* name :
             {"Form1", "Form2", "Label1", "Label3", "Label16", "Label17", "Label18", "Command5",
              "Command8", "Command15", "Command14", "Frame2", "Label4", "Label6", "Command1"}) {
            record_.captions[QString::fromLatin1(step) + QLatin1Char('/') +
                             QString::fromLatin1(name)] = caption(shown, name);
        }
        if (language_ == Language::English) {
            for (const QString& fault : test::english_caption_faults(shown))
                record_.english_faults << QString::fromLatin1(step) + QStringLiteral(": ") + fault;
        }
    }

    Language language_;
    test::FakeProgram fake_;
    test::FakeFileDialogs dialogs_;
    test::FakePrinter printer_;
    DialogHost host_;
    std::unique_ptr<ui::MainWindow> window_;
    SessionRecord record_;
};

SessionRecord session_in(Language language) {
    test::InterfaceLanguage interface_language(language);
    EXPECT_TRUE(interface_language.installed());
    return Session(language).run();
}

TEST(TranslatedSession, SameFramesAndStateInEitherLanguageWithCaptionsInItsOwn) {
    const SessionRecord chinese = session_in(Language::Chinese);
    const SessionRecord english = session_in(Language::English);
    EXPECT_EQ(english.trace, chinese.trace);
    EXPECT_EQ(english.english_faults, QStringList());

    const struct {
        const char* at;
        const char* chinese;
        const char* english;
    } captions[] = {
        {"start/Form1", "智能型等电位测试仪", "Equipotential Bonding Tester"},
        {"start/Label1", "最大值:0.0000Ω", "Max: 0.0000Ω"},
        {"start/Label16", "串口已打开", "Port open"},
        {"start/Label17", "连接失败", "Not connected"},
        {"start/Label18", "正在查找设备....", "Searching…"},
        {"start/Command5", "读    取", "Read"},
        {"start/Command8", "开背光灯", "Backlight on"},
        {"start/Command15", "锁  定", "Lock"},
        {"start/Command14", "确定", "Go"},
        {"linked/Label17", "连接成功", "Connected"},
        {"reading/Command5", "暂    停", "Pause"},
        {"reading/Label18", "正在读取.....", "Reading…"},
        {"paused/Command5", "继   续", "Continue"},
        {"read/Command5", "读    取", "Read"},
        {"locked/Command15", "解  除", "Release"},
        {"locked/Command8", "关背光灯", "Backlight off"},
        {"print options/Form2", "打印选项", "Print Options"},
        {"print options/Label1", "共有: 30组", "Groups: 30"},
        {"print options/Label3", "共有: 1页", "Pages: 1"},
        {"print options/Frame2", "自定义", "Range of groups"},
        {"print options/Command1", "打印", "Print"},
    };
    const auto shown = [](const SessionRecord& session, const char* at) {
        const auto it = session.captions.find(QString::fromLatin1(at));
        return it == session.captions.end() ? QStringLiteral("<not noted>") : it->second;
    };
    for (const auto& c : captions) {
        EXPECT_EQ(shown(chinese, c.at), QString::fromUtf8(c.chinese)) << c.at;
        EXPECT_EQ(shown(english, c.at), QString::fromUtf8(c.english)) << c.at;
    }
}

}  // namespace
}  // namespace eqbond
