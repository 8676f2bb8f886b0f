#pragma once

#include "banksupport.h"
#include "errorpolicy.h"

#include <QList>
#include <QStringList>
#include <functional>

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

// Disposes of every window and the data module and closes all connections.
void tearDownProgram();

} // namespace testing
