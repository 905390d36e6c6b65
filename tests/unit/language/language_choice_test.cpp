// The interface's language: Chinese unless chosen otherwise, --lang for one run winning over the
// choice kept in the settings, which lasts from one run to the next.
#include <gtest/gtest.h>

#include <QSettings>

#include "base/program_settings.h"
#include "language/interface_language.h"

namespace eqbond {
namespace {

TEST(InterfaceLanguage, TheCommandLineWinsOverTheSavedChoiceWhichOutlivesTheRun) {
    const struct {
        const char* saved;         // in the settings file; nullptr: none
        const char* command_line;  // --lang; nullptr: not given
        Language expected;
    } cases[] = {
        {nullptr, nullptr, Language::Chinese},
        {"en", nullptr, Language::English},
        {"zh", nullptr, Language::Chinese},
        {"fr", nullptr, Language::Chinese},  // a file edited by hand
        {nullptr, "en", Language::English},
        {"en", "zh", Language::Chinese},
        {"zh", "en", Language::English},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.saved ? c.saved : "-") + " " +
                     (c.command_line ? c.command_line : "-"));
        {
            ProgramSettings settings;
            settings.clear();
            if (c.saved) settings.setValue(QStringLiteral("interface/language"), c.saved);
        }
        const std::optional<Language> asked =
            c.command_line ? language_named(QString::fromLatin1(c.command_line)) : std::nullopt;
        EXPECT_EQ(interface_language(asked), c.expected);
    }
}

TEST(InterfaceLanguage, AChoiceSavedIsTheNextRunsLanguage) {
    for (Language chosen : {Language::English, Language::Chinese}) {
        save_language(chosen);
        ProgramSettings().sync();
        EXPECT_EQ(interface_language(std::nullopt), chosen);
    }
}

}  // namespace
}  // namespace eqbond
