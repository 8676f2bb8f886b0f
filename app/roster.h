#pragma once

#include "errorpolicy.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <utility>

class QWidget;
class Tado;

namespace app {

// One slot per window class, named after the window.
enum class Slot {
    main, jtbz, jxjs, xccx, ado, dtjq, xtxx, // built at start-up, in this order
    ycst, lxxc, llst, ksxz, mnks, ksqr, xxts, ckct, // built on demand
};
constexpr int kSlotCount = 15;

// The program-wide window slots. Each holds the current instance of its
// class or nothing; windows find one another through them.
class Roster {
public:
    QObject *object(Slot slot) const;

    template <class T>
    T *get() const
    {
        return qobject_cast<T *>(object(T::kSlot));
    }

    // Puts a new instance into its slot; an instance held before is hidden
    // and discarded, so only the newest can be seen or used.
    void put(Slot slot, QObject *instance);

    // Destroys the instance in the slot and empties it; an empty slot is left
    // as it is.
    void dispose(Slot slot);

    // Disposes of every slot (shutdown, and between tests).
    void clear();

    // How many instances the slot has held so far: tells a fresh build from
    // a shown old one.
    int builds(Slot slot) const;
    // When the slot's instance was put there, counted over all slots: tells
    // the order windows were built in.
    int builtAt(Slot slot) const;

private:
    std::array<QPointer<QObject>, kSlotCount> m_slots;
    std::array<int, kSlotCount> m_builds{};
    std::array<int, kSlotCount> m_builtAt{};
    int m_puts = 0;
};

Roster &roster();

// The data module; throws when it was never built.
Tado &ado();

// Builds a window into its slot and runs its creation step under the error
// policy. A window whose creation step failed is still built and in its slot.
template <class T, class... Args>
T *build(Args &&...args)
{
    auto *instance = new T;
    roster().put(T::kSlot, instance);
    guarded([&] { instance->FormCreate(std::forward<Args>(args)...); });
    return instance;
}

// Shows a window centred on the screen, above the others, and activates it.
void showWindow(QWidget *window);

// Hides the window in a slot; the instance stays as it is.
void closeSlot(Slot slot);

// Shows the instance held in a slot (a start-up window keeps its state).
void showSlot(Slot slot);

// Ends the program; tests replace what it does.
void quitProgram();
void setQuitHandler(void (*handler)());

} // namespace app
