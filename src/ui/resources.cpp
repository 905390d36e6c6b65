#include "ui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a global function: it cannot stand inside a namespace.
static void init_eqbond_resources() {
    Q_INIT_RESOURCE(eqbond);
}

namespace eqbond::ui {

void load_resources() {
    static const bool loaded = (init_eqbond_resources(), true);
    (void)loaded;
}

}  // namespace eqbond::ui
