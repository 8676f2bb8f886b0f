#pragma once

#include <QString>

namespace app {

// The folder the program reads and writes in, ending in a separator: the
// executable's folder unless set otherwise (tests point it elsewhere).
QString programFolder();
void setProgramFolder(const QString &folder);

// A file inside the program folder; "\" in the relative name counts as a
// separator.
QString programFile(const QString &relative);

} // namespace app
