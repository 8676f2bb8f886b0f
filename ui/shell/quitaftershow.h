#pragma once

#include <QCoreApplication>
#include <QStringList>

// The start-up benchmark's switch: with "--quit-after-show" among the
// arguments, the program quits as soon as the main menu has been painted for
// the first time, through the program's own way out. Without it, nothing
// happens. Call it after start-up and before the event loop runs.
// Returns whether the switch was given.
bool quitAfterShowIfAsked(const QStringList &arguments = QCoreApplication::arguments());
