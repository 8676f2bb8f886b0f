#include "application.h"

#include "errorpolicy.h"
#include "keys.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace app {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(title());
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // notify() runs once per key press; the walk from the focused control up
    // to its window happens inside QApplication::notify, so the preview runs
    // exactly once and first.
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        QWidget *window = static_cast<QWidget *>(receiver)->window();
        auto *preview = dynamic_cast<KeyPreview *>(window);
        if (preview && preview->keyPreview() && window->isEnabled()) {
            const auto *keyEvent = static_cast<QKeyEvent *>(event);
            const int key = virtualKey(keyEvent->key(), keyEvent->modifiers());
            QPointer<QObject> alive(receiver);
            if (key != 0)
                guarded([&] { preview->FormKeyDown(key); });
            if (!alive)
                return true;
        }
    }
    return QApplication::notify(receiver, event);
}

} // namespace app
