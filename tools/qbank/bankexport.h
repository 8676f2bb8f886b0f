#pragma once

#include <QByteArray>
#include <QString>

namespace qbank {

// The bank of a data.db written in the import format, so that importing it
// gives the same database content again: questions and types in the order
// they were stored, options in the order the program delivers them, info
// null as null and subpic as stored, "subject": 4 on the types of 科目四 and
// their questions (no key for 科目一). The same bank always gives the same
// bytes. Throws AppError naming every value the format cannot hold (a null
// or non-integer where an integer belongs, a duplicate subid or sortId, a
// picture path out of upload/, an option of no question, a missing table or
// column), or when the file is no database.
QByteArray exportJson(const QString &database);

// Writes a file completely or not at all (a new file moved into place).
void writeFileAtomically(const QString &path, const QByteArray &content);

} // namespace qbank
