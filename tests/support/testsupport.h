#pragma once

#include "bank.h"
#include "errorpolicy.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace testing {

// Message boxes that answer from a queue instead of a modal loop, and keep
// what they were asked.
class TestMessages : public app::Messages {
public:
    void error(const QString &text) override { errors << text; }
    bool confirm(const QString &text, const QString &caption) override;
    void notice(const QString &text) override;

    QStringList errors;
    QStringList notices;
    QStringList confirmations; // "caption|text"
    QList<bool> answers;       // replies to confirm(); No when empty
    std::function<void()> onNotice; // runs while a notice is "open"
};

// Installs fresh test message boxes for the program and returns them.
TestMessages &installMessages();

// A program folder in a temporary directory: data.db written from a bank the
// test states, system.ini and pictures as the test writes them. Tearing it
// down disposes of every window and closes the question bank.
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

// Disposes of every window and the data module and closes all connections.
void tearDownProgram();

// Bank builders. Options get optid 1, 2, ... in order.
qbank::Question trueFalse(qint64 subid, qint64 sortId, qint64 stid, bool isTrue,
                          const QString &text = QString());
qbank::Question choice(qint64 subid, qint64 sortId, qint64 stid, int correct, int optionCount = 4,
                       const QString &text = QString());
qbank::Sort sortOf(qint64 sortId, std::array<qint64, 5> scale, const QString &name = QString());

// Test programs register their test classes; the shared main() runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, TestFactory factory);

} // namespace testing

#define EXAM_TEST(Class)                                                                            \
    static const bool Class##_registered =                                                         \
        testing::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
