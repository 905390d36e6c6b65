#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace eqbond::ui {

QLocale interface_language() {
    return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
}

bool install_qt_translations(const QLocale& language) {
    auto translator = std::make_unique<QTranslator>();
    // qtbase holds the texts of every Qt module whose dialogs this program shows.
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    // The application owns it and consults it for as long as it runs.
    translator->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(translator.release());
}

}  // namespace eqbond::ui
