#include "roster.h"

#include "tado.h"

#include <QApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace app {
namespace {

int index(Slot slot)
{
    return static_cast<int>(slot);
}

void (*g_quitHandler)() = nullptr;

// What the window manager's frame adds around a window's client area, as
// last seen; nothing until a framed window has been shown.
QMargins g_frame;

// Moves a window so that its outer frame (the client area grown by `frame`)
// stands in the middle of the screen's available area; a window larger than
// that area keeps its top and left edges on it (its title and heading), and
// what does not fit goes off at the right and the bottom.
void centreByFrame(QWidget *window, const QMargins &frame)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect outer(QPoint(0, 0), window->size().grownBy(frame));
    outer.moveCenter(available.center());
    outer.moveTopLeft(QPoint(std::max(outer.left(), available.left()), std::max(outer.top(), available.top())));
    // The position of a top-level window is that of its frame.
    window->move(outer.topLeft());
}

// Centres a framed window by its frame when the window first shows on
// screen, the frame known by then, then goes.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget *window) : QObject(window->windowHandle()), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->windowHandle()->isExposed()) {
            const QMargins frame = m_window->windowHandle()->frameMargins();
            if (!frame.isNull() && frame != g_frame) {
                g_frame = frame;
                centreByFrame(m_window, frame);
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

void discard(QObject *instance)
{
    if (!instance)
        return;
    if (instance->isWidgetType())
        static_cast<QWidget *>(instance)->hide();
    // Later, not now: the instance may be the one whose handler is running.
    instance->deleteLater();
}

} // namespace

QObject *Roster::object(Slot slot) const
{
    return m_slots[static_cast<size_t>(index(slot))].data();
}

void Roster::put(Slot slot, QObject *instance)
{
    auto &held = m_slots[static_cast<size_t>(index(slot))];
    QObject *old = held.data();
    held = instance;
    ++m_builds[static_cast<size_t>(index(slot))];
    m_builtAt[static_cast<size_t>(index(slot))] = ++m_puts;
    if (old != instance)
        discard(old);
}

void Roster::dispose(Slot slot)
{
    auto &held = m_slots[static_cast<size_t>(index(slot))];
    QObject *old = held.data();
    held = nullptr;
    discard(old);
}

void Roster::clear()
{
    // Windows first, the data module last: windows may hold cursors.
    for (int i = kSlotCount - 1; i >= 0; --i) {
        if (static_cast<Slot>(i) == Slot::ado)
            continue;
        auto &held = m_slots[static_cast<size_t>(i)];
        delete held.data();
        held = nullptr;
    }
    auto &ado = m_slots[static_cast<size_t>(index(Slot::ado))];
    delete ado.data();
    ado = nullptr;
    m_builds.fill(0);
    m_builtAt.fill(0);
    m_puts = 0;
}

int Roster::builds(Slot slot) const
{
    return m_builds[static_cast<size_t>(index(slot))];
}

int Roster::builtAt(Slot slot) const
{
    return m_builtAt[static_cast<size_t>(index(slot))];
}

Roster &roster()
{
    static Roster instance;
    return instance;
}

Tado &ado()
{
    auto *module = qobject_cast<Tado *>(roster().object(Slot::ado));
    if (!module)
        throw AppError(QStringLiteral("数据模块没有建立"));
    return *module;
}

void showWindow(QWidget *window)
{
    if (!window)
        return;
    if (!window->property("centred").toBool()) {
        window->setProperty("centred", true);
        if (!(window->windowFlags() & Qt::FramelessWindowHint)) {
            // The window manager draws the frame once the window is up; the
            // outer frame is centred with the frame seen last, and again when
            // this window's own frame is known.
            centreByFrame(window, g_frame);
            window->winId();
            if (QWindow *handle = window->windowHandle())
                handle->installEventFilter(new FrameCentring(window));
        } else {
            centreByFrame(window, QMargins());
        }
    }
    window->show();
    // Off screen (tests) there is no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

void closeSlot(Slot slot)
{
    if (auto *window = qobject_cast<QWidget *>(roster().object(slot)))
        window->hide();
}

void showSlot(Slot slot)
{
    showWindow(qobject_cast<QWidget *>(roster().object(slot)));
}

void quitProgram()
{
    if (g_quitHandler)
        g_quitHandler();
    else
        QCoreApplication::quit();
}

void setQuitHandler(void (*handler)())
{
    g_quitHandler = handler;
}

} // namespace app
