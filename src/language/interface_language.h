#pragma once
// The language the interface speaks: Chinese unless the user chose English, with --lang for one
// run or in the main window for every later start. The system's locale never decides it.
#include <QString>
#include <optional>

namespace eqbond {

enum class Language { Chinese, English };

// "zh" and "en", as --lang and the settings file write them; nothing for any other text.
std::optional<Language> language_named(const QString& code);
QString language_code(Language language);

// The choice kept in the program's settings: Chinese when none is kept.
Language saved_language();
void save_language(Language language);

// --lang for this run wins over the saved choice.
Language interface_language(std::optional<Language> from_command_line);

}  // namespace eqbond
