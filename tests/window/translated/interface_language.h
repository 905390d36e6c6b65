#pragma once
// The interface's language for the span of one test, and what an English window must not show.
#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

#include "language/translations.h"

namespace eqbond::test {

// Installs the translations of a language, as start-up does, and takes them away again.
class InterfaceLanguage {
  public:
    explicit InterfaceLanguage(Language language)
        : installed_(install_translations(language, nullptr)) {}
    ~InterfaceLanguage() {
        for (auto* t :
             QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    bool installed() const { return installed_; }

  private:
    bool installed_;
};

// Captions of `window` and its controls that still hold Chinese, or that do not fit the
// control's laid-out width; empty when every caption reads in English within its control.
QStringList english_caption_faults(const QWidget& window);

}  // namespace eqbond::test
