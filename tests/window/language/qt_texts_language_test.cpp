// Qt's own dialogs speak the interface's language after start-up, even on a system whose locale
// is C, as on a machine set up in English or with no locale at all.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "language/translations.h"

namespace eqbond {
namespace {

// Runs before main(), so the application object reads this locale, not the caller's.
const bool c_locale = [] {
    setenv("LC_ALL", "C", 1);
    setenv("LANG", "C", 1);
    unsetenv("LANGUAGE");
    return true;
}();

bool has_han(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Han; });
}

TEST(QtTexts, TheSaveFileDialogSpeaksChineseUnderTheCLocale) {
    ASSERT_TRUE(c_locale);
    ASSERT_EQ(QLocale::system().name(), QStringLiteral("C"));
    ASSERT_TRUE(install_qt_translations(interface_locale(Language::Chinese)));

    // Qt's own save dialog, the one shown where no platform theme offers a native one.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    const auto label = [&](const char* name) {
        const auto* shown = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        return shown ? shown->text() : QString();
    };
    const auto button = [&](QDialogButtonBox::ButtonRole role) {
        for (QAbstractButton* shown : buttons->buttons()) {
            if (buttons->buttonRole(shown) == role) {
                return shown->text();
            }
        }
        return QString();
    };
    const struct {
        QString shown;
        const char* english;  // what it reads untranslated
    } texts[] = {
        {label("lookInLabel"), "Look in:"},
        {label("fileNameLabel"), "File &name:"},
        {button(QDialogButtonBox::AcceptRole), "&Save"},
        {button(QDialogButtonBox::RejectRole), "Cancel"},
    };
    for (const auto& t : texts) {
        EXPECT_TRUE(has_han(t.shown)) << t.shown.toStdString() << " in place of " << t.english;
    }
}

}  // namespace
}  // namespace eqbond
