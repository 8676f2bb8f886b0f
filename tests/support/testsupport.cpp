#include "testsupport.h"

#include "programfolder.h"
#include "roster.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace testing {
namespace {

TestMessages *g_messages = nullptr;

} // namespace

bool TestMessages::confirm(const QString &text, const QString &caption)
{
    confirmations << caption + u'|' + text;
    return answers.isEmpty() ? false : answers.takeFirst();
}

void TestMessages::notice(const QString &text)
{
    notices << text;
    if (onNotice)
        onNotice();
}

TestMessages &installMessages()
{
    auto messages = std::make_unique<TestMessages>();
    g_messages = messages.get();
    app::setMessages(std::move(messages));
    return *g_messages;
}

void tearDownProgram()
{
    app::roster().clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    closeBank();
}

} // namespace testing
