#pragma once

#include "benchcore.h"

namespace bench {

// forEachBank for the benchmarks that build windows: the program's
// application object (offscreen unless QT_QPA_PLATFORM says otherwise), its
// fonts, errors printed instead of shown; the program folder points at each
// bank's folder while it runs, and every window is disposed of after it.
int runOnBanks(int argc, char **argv, const BankRun &run);

} // namespace bench
