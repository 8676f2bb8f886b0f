#pragma once

#include "bank.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace bench {

// Runs `step` `repeats` times (after one warm-up run) and returns the median
// time of one run in microseconds.
double medianMicros(int repeats, const std::function<void()> &step);

// Prints one figure beside its floor: name, time, floor time, ratio.
void report(const QString &what, double micros, double floorMicros);

// A generated bank: `questions` questions spread over 16 types with shares
// adding up to 100 for class 0, 40 % true/false, errorTimes spread widely.
qbank::Bank generatedBank(int questions, quint32 seed = 1);

// A program folder in a temporary directory holding data.db written from
// `bank`; the program folder of the app points at it while it lives.
class BenchFolder {
public:
    explicit BenchFolder(const qbank::Bank &bank);
    // A folder holding a copy of an existing data.db.
    explicit BenchFolder(const QString &databaseFile);
    ~BenchFolder();
    QString path() const;

private:
    QTemporaryDir m_dir;
};

// One benchmark's set of banks, each in a folder of its own and handed to
// `run` with its name: the bundled bank, generated banks of 1,000, 10,000 and
// 100,000 questions, and the real public bank when ../shared is there; or,
// given sizes on the command line, generated banks of those sizes only.
// Builds the application (offscreen unless QT_QPA_PLATFORM says otherwise),
// prints errors instead of showing them, and returns the exit status.
using BankRun = std::function<void(const QString &bankName, BenchFolder &folder)>;
int runOnBanks(int argc, char **argv, const BankRun &run);

} // namespace bench
