#pragma once

#include "bank.h"
#include "examrules.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace bench {

// Runs `step` `repeats` times (after one warm-up run) and returns the median
// time of one run in microseconds. `setup`, when given, runs untimed before
// every run of the step.
double medianMicros(int repeats, const std::function<void()> &step);
double medianMicros(int repeats, const std::function<void()> &setup, const std::function<void()> &step);

// Prints one figure beside its floor: name, time, floor time, ratio; the
// figure is kept for the growth table.
void report(const QString &what, double micros, double floorMicros);
// A line of detail under a figure.
void note(const QString &text);

// A generated bank: `questions` questions spread over 16 types with shares
// adding up to 100 for class 0, 40 % true/false, errorTimes spread widely.
// A 科目四 bank (exam 4) spreads them over 8 types with shares adding up to
// 50, 40 % true/false, 40 % one-answer and 20 % multi-answer questions.
qbank::Bank generatedBank(int questions, quint32 seed = 1, int exam = exam::kSubject1);

// A folder in a temporary directory holding a data.db, written from a bank
// or copied from an existing file.
class BankFolder {
public:
    explicit BankFolder(const qbank::Bank &bank);
    explicit BankFolder(const QString &databaseFile);
    QString path() const; // ends in a separator

private:
    QTemporaryDir m_dir;
};

// The exams a benchmark measures: generated banks of each.
inline const std::vector<int> kBothExams = {exam::kSubject1, exam::kSubject4};

// One benchmark's set of banks, each in a folder of its own and handed to
// `run` with its name: the bundled bank, generated banks of 1,000, 10,000 and
// 100,000 questions, and the real public bank when ../shared is there, then
// (with 科目四 among `exams`) generated 科目四 banks of the same sizes and the
// real public 科目四 bank; or, given sizes on the command line, generated
// banks of those sizes only.
// Every connection to a bank is closed after its run. At the end, when two
// or more generated banks were run, prints how each figure grew with the
// bank. Returns the exit status.
using BankRun = std::function<void(const QString &bankName, const BankFolder &folder)>;
int forEachBank(int argc, char **argv, const BankRun &run, const std::vector<int> &exams = kBothExams);

} // namespace bench
