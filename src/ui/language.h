#pragma once
#include <QLocale>

namespace eqbond::ui {

// The language of the interface: Simplified Chinese, whatever the system's locale.
QLocale interface_language();

// Makes Qt's own texts (file, print and message dialogs, button boxes, edit menus) speak
// `language`, from the translations installed with Qt. Call it once, after the application
// object is made and before any window is built. False when they are not installed; Qt's texts
// then stay English.
bool install_qt_translations(const QLocale& language);

}  // namespace eqbond::ui
