#include "errorpolicy.h"

#include "logging.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace app {
namespace {

class MessageBoxes final : public Messages {
public:
    void error(const QString &text) override
    {
        QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    }

    bool confirm(const QString &text, const QString &caption) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        return box.exec() == QMessageBox::Yes;
    }

    void notice(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    }
};

std::unique_ptr<Messages> &current()
{
    static std::unique_ptr<Messages> messages;
    return messages;
}

} // namespace

QString title()
{
    return u"澄原市青岚驾校驾驶员理论模拟考试系统"_s;
}

Messages &messages()
{
    auto &m = current();
    if (!m)
        m = std::make_unique<MessageBoxes>();
    return *m;
}

void setMessages(std::unique_ptr<Messages> messages)
{
    current() = std::move(messages);
}

void reportError(const QString &text) noexcept
{
    try {
        // The box goes away; the log stays for whoever looks afterwards.
        qCWarning(lcUi).noquote() << text;
        messages().error(text);
    } catch (...) {
        // The error box itself failed: there is nowhere left to report to.
    }
}

} // namespace app
