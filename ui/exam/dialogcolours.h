#pragma once

#include <QColor>

// The bands of the hand-in confirmation and of the result window.
namespace dialogcolours {
inline const QColor teal(0, 128, 128);
inline const QColor green(60, 179, 113);
inline const QColor purple(147, 112, 219);
} // namespace dialogcolours
