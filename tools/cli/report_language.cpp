#include "cli/report_language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace eqbond::cli {

bool install_report_language(Language language) {
    // Chinese is the texts' own language.
    if (language == Language::Chinese) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());  // the application owns it
    return translator->load(QStringLiteral(":/i18n/eqbond_en.qm")) &&
           QCoreApplication::installTranslator(translator);
}

}  // namespace eqbond::cli
