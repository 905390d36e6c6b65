#include "ui/language_button.h"

#include <QActionGroup>
#include <QMenu>
#include <QPushButton>

#include "base/program.h"
#include "base/texts.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
// In the free band below the bottom row of frames, right of the hidden banner and left of the
// archive button.
constexpr int kButtonLeft = 9945, kButtonTop = 9030, kButtonWidth = 1095, kButtonHeight = 495;

void choose(Program& program, Language chosen, Language running) {
    if (chosen == saved_language()) return;
    save_language(chosen);
    if (chosen == running) return;
    program.ports.message_box->notify(text::kLanguageTitle, chosen == Language::English
                                                                ? text::kEnglishAtNextStart
                                                                : text::kChineseAtNextStart);
}
}  // namespace

void attach_language_button(MainWindow& main_window, Program& program, Language running) {
    auto* button = new QPushButton(text::kLanguageButton, &main_window);
    button->setObjectName(QStringLiteral("LanguageButton"));
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(text::kLanguageTitle);
    place(button, kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);

    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    // The choice is for the next start: the captions are set as the windows are built.
    menu->addAction(text::kFromNextStart)->setEnabled(false);
    auto* choices = new QActionGroup(menu);
    const Language saved = saved_language();
    const struct {
        Language language;
        const QString& name;
    } languages[] = {{Language::Chinese, text::kChineseName},
                     {Language::English, text::kEnglishName}};
    for (const auto& l : languages) {
        QAction* action = menu->addAction(l.name);
        action->setObjectName(language_code(l.language));
        action->setCheckable(true);
        action->setChecked(l.language == saved);
        choices->addAction(action);
        const Language language = l.language;
        QObject::connect(action, &QAction::triggered, button,
                         [&program, language, running] { choose(program, language, running); });
    }
    button->setMenu(menu);
}

}  // namespace eqbond::ui
