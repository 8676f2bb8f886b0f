#pragma once

#include <QFont>

namespace fonts {

// Maps the faces the windows are designed with to installed ones: 宋体 to a
// Song face with a real bold, the sans faces to a CJK sans face. Run once at
// start-up, before the first window is built.
void install();

QFont song(int pixels, bool bold = false);
QFont sans(int pixels, bool bold = false);
// The heavy face of the answer letters A to D.
QFont arialBlack(int pixels);

} // namespace fonts
