#pragma once

#include "fonts.h"
#include "widgets.h"

#include <QColor>
#include <QPushButton>

// What the hand-in confirmation and the result window share: the colours of
// their bands, and their buttons.
namespace dialogcolours {
inline const QColor teal(0, 128, 128);
inline const QColor green(60, 179, 113);
inline const QColor purple(147, 112, 219);

// A button of the two windows: 宋体, and the keyboard focus stays with the
// window, whose keys they answer to.
inline QPushButton *dialogButton(QWidget *parent, const QString &name, const QString &text,
                                 const QRect &bounds)
{
    return makeButton(parent, name, text, bounds, fonts::song(16), Qt::ClickFocus);
}
} // namespace dialogcolours
