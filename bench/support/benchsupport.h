#pragma once

#include "benchcore.h"

#include "errorpolicy.h"

namespace bench {

// Message boxes for benchmarks: errors are printed, never shown in a modal
// box; questions are answered No.
class PrintedMessages : public app::Messages {
public:
    void error(const QString &text) override;
    bool confirm(const QString &, const QString &) override { return false; }
    void notice(const QString &) override {}
};

// forEachBank for the benchmarks that build windows: the program's
// application object (offscreen unless QT_QPA_PLATFORM says otherwise), its
// fonts, errors printed instead of shown; the program folder points at each
// bank's folder while it runs, and every window is disposed of after it.
int runOnBanks(int argc, char **argv, const BankRun &run, const std::vector<int> &exams = kBothExams);

} // namespace bench
