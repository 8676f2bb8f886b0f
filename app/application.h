#pragma once

#include <QApplication>

namespace app {

// A window that sees every key before its focused control does.
class KeyPreview {
public:
    virtual ~KeyPreview() = default;
    virtual bool keyPreview() const = 0;
    // Gets the virtual-key code of every key pressed while the window is
    // active; the key goes on to the focused control whatever it does.
    virtual void FormKeyDown(int key) = 0;
};

// The application object: gives each key press to the key preview of the
// window it goes to, once, before the focused control gets it.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace app
