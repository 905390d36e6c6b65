#include "language/interface_language.h"

#include "base/program_settings.h"

namespace eqbond {

namespace {
const QString kLanguageKey = QStringLiteral("interface/language");
const QString kChineseCode = QStringLiteral("zh");
const QString kEnglishCode = QStringLiteral("en");
}  // namespace

std::optional<Language> language_named(const QString& code) {
    if (code == kChineseCode) return Language::Chinese;
    if (code == kEnglishCode) return Language::English;
    return std::nullopt;
}

QString language_code(Language language) {
    return language == Language::English ? kEnglishCode : kChineseCode;
}

Language saved_language() {
    const QString code = ProgramSettings().value(kLanguageKey).toString();
    return language_named(code).value_or(Language::Chinese);
}

void save_language(Language language) {
    ProgramSettings().setValue(kLanguageKey, language_code(language));
}

Language interface_language(std::optional<Language> from_command_line) {
    return from_command_line.value_or(saved_language());
}

}  // namespace eqbond
