#pragma once

#include <QString>

namespace data {

// The lock file that keeps a second copy of the program (and qbank import)
// off a question bank while one copy works on it: the bank's name + ".lock".
QString lockFileName(const QString &bankFile);

// Removes what SQLite may have left beside a bank (the write-ahead log, its
// index, a rollback journal). Only for a bank that is being replaced while
// nobody has it open: such files left beside a new bank would be applied to
// it. Returns false when one of them could not be removed.
bool removeJournals(const QString &bankFile);

} // namespace data
