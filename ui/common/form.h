#pragma once

#include "application.h"
#include "errorpolicy.h"
#include "keys.h"

#include <QObject>
#include <QSize>
#include <QWidget>

// Base of every window: the integer Tag, key preview, and the frame, size
// and stacking the window's layout asks for.
class Form : public QWidget, public app::KeyPreview {
    Q_OBJECT
public:
    enum class Frame {
        None,     // no border, no title bar
        Single,   // fixed-size border with a title bar
        Sizeable, // resizable border with a title bar
    };
    enum class TitleButtons { None, CloseOnly, Standard };

    explicit Form(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    bool keyPreview() const override { return m_keyPreview; }
    void FormKeyDown(int key) override;

protected:
    // The client area's size in pixels.
    void setupWindow(Frame frame, TitleButtons buttons, QSize clientSize, bool stayOnTop,
                     const QString &caption = QString());
    // Same, from the outer size the window has with its frame.
    void setupWindowOuter(Frame frame, TitleButtons buttons, QSize outerSize, bool stayOnTop,
                          const QString &caption = QString());
    void setKeyPreview(bool on) { m_keyPreview = on; }

private:
    int m_tag = 0;
    bool m_keyPreview = false;
};

// Connects a signal to a handler of a window under the error policy.
template <class Sender, class Signal, class Window>
void onEvent(Sender *sender, Signal signal, Window *window, void (Window::*handler)())
{
    QObject::connect(sender, signal, window, [window, handler] {
        app::guarded([window, handler] { (window->*handler)(); });
    });
}
