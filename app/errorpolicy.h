#pragma once

#include "apperror.h"

#include <QString>
#include <exception>
#include <memory>

namespace app {

// The application title: task bar entry and caption of every message box.
QString title();

// The program's modal message boxes, behind one small interface so that tests
// can answer them without a modal loop.
class Messages {
public:
    virtual ~Messages() = default;
    // Error box: the text, the title as caption, OK, stop icon.
    virtual void error(const QString &text) = 0;
    // Yes/No question with the question icon; true for Yes.
    virtual bool confirm(const QString &text, const QString &caption) = 0;
    // Plain box: the text, the title as caption, OK, no icon.
    virtual void notice(const QString &text) = 0;
};

Messages &messages();
// Replaces the message boxes (tests); nullptr restores the real ones.
void setMessages(std::unique_ptr<Messages> messages);

// Shows an error in the error box; never throws.
void reportError(const QString &text) noexcept;

// The one guard of the program: runs a creation step, handler or timer tick
// and turns whatever it throws into the error box. The rest of the step is
// abandoned; the program goes on.
template <class Step>
void guarded(Step &&step) noexcept
{
    try {
        step();
    } catch (const std::exception &e) {
        reportError(errorText(e));
    } catch (...) {
        reportError(QStringLiteral("发生了未知错误"));
    }
}

} // namespace app
