#include "language/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace eqbond {

namespace {
// Built from translations/eqbond_en.ts into the program's resources.
const QString kEnglishTexts = QStringLiteral(":/i18n/eqbond_en.qm");

bool install(std::unique_ptr<QTranslator> translator) {
    // The application owns it and consults it for as long as it runs.
    translator->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(translator.release());
}
}  // namespace

QLocale interface_locale(Language language) {
    if (language == Language::English) return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
}

bool install_qt_translations(const QLocale& language) {
    auto translator = std::make_unique<QTranslator>();
    // qtbase holds the texts of every Qt module whose dialogs this program shows.
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return install(std::move(translator));
}

bool install_translations(Language language, QString* missing) {
    if (language == Language::Chinese) {
        const QLocale locale = interface_locale(language);
        if (install_qt_translations(locale)) return true;
        if (missing) *missing = QStringLiteral("Qt's %1 translations").arg(locale.name());
        return false;
    }
    // Qt's texts are English already; its English file adds only the plural forms.
    install_qt_translations(interface_locale(language));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kEnglishTexts) || !install(std::move(translator))) {
        if (missing) *missing = kEnglishTexts;
        return false;
    }
    return true;
}

QString english_text(const text::ScreenText& words) {
    static const std::unique_ptr<QTranslator> english = [] {
        auto translator = std::make_unique<QTranslator>();
        (void)translator->load(kEnglishTexts);
        return translator;
    }();
    const QString translated =
        english->translate(words.context(), words.source(), words.disambiguation());
    return translated.isEmpty() ? words.shown() : translated;
}

}  // namespace eqbond
