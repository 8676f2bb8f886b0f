#include "bankfiles.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace data {

QString lockFileName(const QString &bankFile)
{
    return bankFile + u".lock"_s;
}

bool removeJournals(const QString &bankFile)
{
    bool removed = true;
    for (const QString &suffix : {u"-wal"_s, u"-shm"_s, u"-journal"_s}) {
        const QString name = bankFile + suffix;
        if (QFile::exists(name) && !QFile::remove(name))
            removed = false;
    }
    return removed;
}

} // namespace data
