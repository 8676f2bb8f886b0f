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
//
// Its name is the title, as the window system shows it (X11 task bars
// label a program's windows with the class Qt takes from it); its desktop
// file name "qinglan-exam" lets the desktop find the menu entry and icon.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// The program's version, from the build.
QString version();

// Loads Qt's own Chinese translation from the system's Qt translations
// folder, so that the standard dialogs' buttons read 是, 否 and 确定. Without
// it the program goes on with Qt's English texts; returns whether it loaded.
bool installQtTranslation();

} // namespace app
