#pragma once

#include "bank.h"

#include <QObject>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace testing {

// A program folder in a temporary directory: data.db written from a bank the
// test states, system.ini and pictures as the test writes them. Tearing it
// down closes the question bank (and, in the window tests, disposes of every
// window first).
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    QString path() const; // ends in a separator
    QString file(const QString &relative) const;
    void writeBank(const qbank::Bank &bank);
    void writeFile(const QString &relative, const QByteArray &content);
    // A small picture file Qt can read, in upload/.
    void writePicture(const QString &name);

private:
    QTemporaryDir m_dir;
};

// What a program folder does besides its files when it is made and torn
// down: the window tests point the program at it and dispose of the windows.
void setProgramFolderHooks(std::function<void(const QString &folder)> made, std::function<void()> tornDown);

// Closes every connection to a question bank and forgets the connection
// string.
void closeBank();

// Replaces the paper in the bank of `connection` (the program's by default)
// with one of these questions, unanswered.
void writePaperOf(const QList<qint64> &subids, const QString &connection = QString());

// Bank builders. Options get optid 1, 2, ... in order.
qbank::Question trueFalse(qint64 subid, qint64 sortId, qint64 stid, bool isTrue,
                          const QString &text = QString());
qbank::Question choice(qint64 subid, qint64 sortId, qint64 stid, int correct, int optionCount = 4,
                       const QString &text = QString());
// A multi-answer question of four options; `correct` names the right ones ("AC").
qbank::Question multiAnswer(qint64 subid, qint64 sortId, qint64 stid, const QString &correct);
qbank::Sort sortOf(qint64 sortId, std::array<qint64, 5> scale, const QString &name = QString());

// Test programs register their test classes; main() runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, TestFactory factory);
int runTests(int argc, char **argv);

} // namespace testing

#define EXAM_TEST(Class)                                                                            \
    static const bool Class##_registered =                                                         \
        testing::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
