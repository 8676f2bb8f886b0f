#include "quitaftershow.h"

#include "roster.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Sees the window's first paint while it is shown and then quits, once the
// paint has been delivered: a queued call runs after the whole window has
// been drawn and put on the screen.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && static_cast<QWidget *>(watched)->isVisible()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { app::quitProgram(); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

} // namespace

bool quitAfterShowIfAsked(const QStringList &arguments)
{
    if (!arguments.contains(u"--quit-after-show"_s))
        return false;
    if (auto *window = qobject_cast<QWidget *>(app::roster().object(app::Slot::main)))
        new QuitAfterFirstPaint(window);
    return true;
}
