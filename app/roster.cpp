#include "roster.h"

#include "tado.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace app {
namespace {

int index(Slot slot)
{
    return static_cast<int>(slot);
}

void (*g_quitHandler)() = nullptr;

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
        if (QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            QRect frame = window->frameGeometry();
            frame.moveCenter(area.center());
            window->move(frame.topLeft());
        }
        window->setProperty("centred", true);
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
