// Form2 under the offscreen platform: its layout, what its load shows, and its two buttons,
// Escape and the title bar reaching the core handlers.
#include "ui/print_options_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "support/report_fakes.h"

namespace eqbond {
namespace {

struct DialogFixture : ::testing::Test {
    test::ReportProgram f;
    std::unique_ptr<ui::PrintOptionsDialog> dialog;

    void SetUp() override {
        test::put_groups(f.records(), 250);
        dialog = std::make_unique<ui::PrintOptionsDialog>(f.program);
        dialog->load();
        dialog->show();
    }

    template <typename W = QWidget>
    W* control(const char* name) const {
        auto* w = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void type(const char* field, const QString& text) {
        QLineEdit* edit = control<QLineEdit>(field);
        edit->selectAll();
        edit->insert(text);  // as typed: textEdited follows
    }
    PrintOptionsState& print_options() { return f.state().print_options; }
};

TEST_F(DialogFixture, ControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("打印选项"));
    EXPECT_EQ(dialog->size(), QSize(7335 / 15, 3540 / 15));
    const struct {
        const char* name;
        const char* container;
        int left, top, width, height;  // twips
        const char* caption;
    } layout[] = {
        {"Frame1", "Form2", 240, 480, 2295, 1455, "打印信息"},
        {"Label1", "Frame1", 120, 240, 1935, 255, "共有: 250组"},
        {"Label3", "Frame1", 120, 600, 1575, 255, "共有: 2页"},
        {"Label2", "Frame1", 120, 960, 1815, 255, "每页可打印:168组"},
        {"Frame2", "Form2", 2880, 480, 3975, 1455, "自定义"},
        {"Option1", "Frame2", 240, 360, 255, 255, ""},
        {"Label4", "Frame2", 720, 360, 255, 495, "从"},
        {"Text1", "Frame2", 960, 240, 975, 375, "1"},
        {"Label5", "Frame2", 2040, 360, 375, 375, "到"},
        {"Text2", "Frame2", 2400, 240, 855, 375, "168"},
        {"Label6", "Frame2", 3360, 360, 375, 255, "组"},
        {"Option2", "Frame2", 240, 840, 255, 375, ""},
        {"Label7", "Frame2", 720, 960, 1695, 375, "全部"},
        {"Command1", "Form2", 1680, 2520, 975, 495, "打印"},
        {"Command2", "Form2", 4560, 2520, 975, 495, "取消"},
    };
    for (const auto& c : layout) {
        SCOPED_TRACE(c.name);
        QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.container));
        EXPECT_EQ(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
        QString caption;
        if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) caption = e->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) caption = g->title();
        EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    }
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(control<QPushButton>("Command1")->isDefault());
}

TEST_F(DialogFixture, PrintWithARangeHandsBackToTheMainWindow) {
    type("Text1", QStringLiteral("3"));
    type("Text2", QStringLiteral("150.7"));
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(print_options().dialog_answer, DialogAnswer::Print);
    EXPECT_EQ(print_options().first_group, 3);
    EXPECT_EQ(print_options().last_group, 151);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(f.host.shows, 1);
}

TEST_F(DialogFixture, AllIgnoresTheRangeFields) {
    type("Text1", QStringLiteral("abc"));
    control<QRadioButton>("Option2")->click();
    EXPECT_FALSE(print_options().controls.range_chosen);
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(print_options().first_group, 1);
    EXPECT_EQ(print_options().last_group, 250);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DialogFixture, AWrongFieldStaysSelectedWithTheDialogOpen) {
    for (const char* field : {"Text1", "Text2"}) {
        SCOPED_TRACE(field);
        f.messages.shown.clear();
        type("Text1", QStringLiteral("1"));
        type("Text2", QStringLiteral("2"));
        type(field, QStringLiteral("12x"));
        control<QPushButton>("Command1")->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(print_options().dialog_answer, DialogAnswer::Open);
        QLineEdit* edit = control<QLineEdit>(field);
        EXPECT_EQ(edit->selectedText(), QStringLiteral("12x"));
        EXPECT_EQ(dialog->focusWidget(), edit);
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0].first, QStringLiteral("系统提示!"));
        EXPECT_EQ(f.host.shows, 0);
    }
}

TEST_F(DialogFixture, CancelEscapeAndTheTitleBarAllCancel) {
    const struct {
        const char* how;
        std::function<void(ui::PrintOptionsDialog&)> act;
    } ways[] = {
        {"cancel button",
         [](ui::PrintOptionsDialog& d) {
             d.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
         }},
        {"Escape",
         [](ui::PrintOptionsDialog& d) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&d, &escape);
         }},
        {"title bar", [](ui::PrintOptionsDialog& d) { d.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        f.host.shows = 0;
        dialog->load();
        dialog->show();
        way.act(*dialog);
        EXPECT_EQ(print_options().dialog_answer, DialogAnswer::Cancelled);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(f.host.shows, 1) << "the main window comes back once";
        EXPECT_EQ(f.records().at(250).number, 250);
    }
}

TEST_F(DialogFixture, EachLoadStartsFromTheDesignValues) {
    type("Text1", QStringLiteral("7"));
    control<QRadioButton>("Option2")->click();
    control<QPushButton>("Command2")->click();
    f.records().last_stored_group = 169;
    dialog->load();
    dialog->show();
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), QStringLiteral("168"));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(control<QLabel>("Label3")->text(), QStringLiteral("共有: 2页"));
    EXPECT_EQ(print_options().dialog_answer, DialogAnswer::Open);
}

}  // namespace
}  // namespace eqbond
