#pragma once
// The application object a benchmark runs under: on the offscreen platform unless another is
// chosen, so no display is needed, and with the program's own fonts where it paints the
// program's windows as the program does.
#include <QApplication>

#include "ui/fonts.h"

namespace eqbond::bench {

// A base, so that the platform is chosen before the application object is built.
struct OffscreenUnlessChosen {
    OffscreenUnlessChosen() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

enum class Fonts { Qt, Program };

class BenchApplication : private OffscreenUnlessChosen, public QApplication {
  public:
    BenchApplication(int& argc, char** argv, Fonts fonts) : QApplication(argc, argv) {
        if (fonts == Fonts::Qt) return;
        eqbond::ui::install_font_substitutes();
        QApplication::setFont(eqbond::ui::song_font(9));
    }
};

}  // namespace eqbond::bench
