// Bad input typed into the real widgets, as a Chinese input method commits it: what the person
// typed reaches the core unchanged, and what the core decides shows in the window (the page
// field shows the page again, a refused print range field stays selected with a message).
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <optional>

#include "program/startup.h"
#include "program/window_views.h"
#include "records/live_reading.h"
#include "support/report_fakes.h"
#include "ui/indicator_widget.h"
#include "ui/main_window.h"
#include "ui/print_options_dialog.h"

namespace eqbond {
namespace {

constexpr int kGroupsRead = 100;  // three pages of the listing
constexpr int16_t kPageShown = 2;

struct Typed {
    const char* what;
    QString text;
    int page_after;                  // page jump from page 2 of 3
    QString text1_after;             // what the page field shows then
    int hit_at_12_ohm;               // alarm threshold against a reading of 12 ohm
    std::optional<int> range_value;  // print range field; nothing: refused
};

std::vector<Typed> typed_inputs() {
    const QString current = QString::number(kPageShown);
    return {
        {"empty", QString(), kPageShown, current, 0, std::nullopt},
        {"letters", QStringLiteral("abc"), kPageShown, current, 0, std::nullopt},
        {"huge number", QStringLiteral("99999999999999999999"), kPageShown, current, 0,
         std::nullopt},
        {"negative", QStringLiteral("-5"), 1, QStringLiteral("1"), 1, -5},
        {"decimal", QStringLiteral("2.6"), 3, QStringLiteral("2.6"), 0, 3},
        {"full-width digits", QStringLiteral("１２"), 3, QStringLiteral("3"), 0, 12},
        {"emoji", QStringLiteral("😀"), kPageShown, current, 0, std::nullopt},
    };
}

// Replaces the field's text: Backspace over the selection, then the input method's commit.
void type_into(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(edit, &backspace);
    if (text.isEmpty()) return;
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(edit, &commit);
}

struct MainWindowFixture : ::testing::Test {
    test::ReportProgram f;
    std::unique_ptr<ui::MainWindow> window;

    void SetUp() override {
        window = std::make_unique<ui::MainWindow>(f.program);
        window->run(load_main_window);
        test::put_groups(f.records(), kGroupsRead);
        f.state().history.page_count = 3;
        window->show();
    }
    template <typename W>
    W* control(const char* name) const {
        auto* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(MainWindowFixture, PageFieldShowsThePageTheJumpLeadsTo) {
    for (const Typed& input : typed_inputs()) {
        SCOPED_TRACE(input.what);
        f.state().history.current_page = kPageShown;
        auto* field = control<QLineEdit>("Text1");
        type_into(field, input.text);
        EXPECT_EQ(main_window_view(f.state()).page_field, input.text)
            << "the core has what was typed";
        control<QPushButton>("Command14")->click();
        EXPECT_EQ(f.state().history.current_page, input.page_after);
        EXPECT_EQ(field->text(), input.text1_after);
        const QString header = QStringLiteral("第(  %1 页)").arg(input.page_after);
        EXPECT_TRUE(control<QPlainTextEdit>("RichTextBox1")->toPlainText().contains(header));
    }
}

TEST_F(MainWindowFixture, AlarmThresholdIsKeptAsTypedAndTheIndicatorFollowsIt) {
    ProgramState& s = f.state();
    control<QPushButton>("Command15")->click();  // lock
    s.link.linked = true;
    for (const Typed& input : typed_inputs()) {
        SCOPED_TRACE(input.what);
        auto* field = control<QLineEdit>("Text2");
        type_into(field, input.text);
        EXPECT_EQ(main_window_view(s).threshold_field, input.text);
        window->run([](Program& p) { update_live_reading(p, 12000); });
        EXPECT_EQ(s.stats.alarm_hit, input.hit_at_12_ohm);
        EXPECT_EQ(field->text(), input.text) << "the window never rewrites the threshold";
        s.main_window.indicator_red = false;
        QMetaObject::invokeMethod(window->timer(TimerId::AlarmIndicator), "timeout",
                                  Qt::DirectConnection);
        const QColor expected = input.hit_at_12_ohm ? Qt::red : Qt::green;
        EXPECT_EQ(control<ui::IndicatorWidget>("Shape1")->fill(), expected);
    }
}

TEST(PrintOptionsWindow, ARefusedRangeFieldStaysSelectedWithAMessage) {
    for (const Typed& input : typed_inputs()) {
        for (const char* field_name : {"Text1", "Text2"}) {
            SCOPED_TRACE(testing::Message() << input.what << " in " << field_name);
            test::ReportProgram f;
            test::put_groups(f.records(), 200);
            ui::PrintOptionsDialog dialog(f.program);
            dialog.load();
            dialog.show();
            auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(field_name));
            ASSERT_NE(field, nullptr);
            type_into(field, input.text);
            dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            const PrintOptionsState& print_options = f.state().print_options;
            if (input.range_value) {
                EXPECT_FALSE(dialog.isVisible());
                EXPECT_TRUE(f.messages.shown.empty());
                EXPECT_EQ(field_name == std::string("Text1") ? print_options.first_group
                                                             : print_options.last_group,
                          *input.range_value);
                continue;
            }
            EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
            EXPECT_EQ(dialog.focusWidget(), field);
            EXPECT_EQ(field->selectedText(), input.text);
            EXPECT_EQ(field->text(), input.text);
            ASSERT_EQ(f.messages.shown.size(), 1u);
            EXPECT_EQ(f.messages.shown[0].first, QStringLiteral("系统提示!"));
            EXPECT_EQ(f.messages.shown[0].second,
                      QStringLiteral("请输入 -32768 到 32767 之间的组号."));
        }
    }
}

}  // namespace
}  // namespace eqbond
