#pragma once
#include "language/interface_language.h"

namespace eqbond::cli {

// Makes the screen texts read in `language` for the rest of the run, as the inspection report
// is written in it. False when its texts are missing.
bool install_report_language(Language language);

}  // namespace eqbond::cli
