#pragma once
#include <QLocale>

#include "base/screen_text.h"
#include "language/interface_language.h"

namespace eqbond {

// The locale of Qt's own texts when the interface speaks `language`.
QLocale interface_locale(Language language);

// Makes Qt's own texts (file, print and message dialogs, button boxes, edit menus) speak
// `language`, from the translations installed with Qt. False when they are not installed; Qt's
// texts then stay English.
bool install_qt_translations(const QLocale& language);

// Makes the interface speak `language`: the program's own texts from the translation built into
// it (Chinese, their source, needs none), Qt's own from those installed with Qt (English, theirs,
// needs none). Call it once, after the application object is made and before any window is
// built. False when a translation is missing; `missing` then names it.
bool install_translations(Language language, QString* missing);

// A text of the interface in English, whatever language is installed: eqbond-cli speaks English.
QString english_text(const text::ScreenText& words);

}  // namespace eqbond
