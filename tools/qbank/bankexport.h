#pragma once

#include "bank.h"
#include "rawbank.h"

#include <QByteArray>
#include <QString>

namespace qbank {

// The bank as import reads it. Throws AppError, naming the question or type
// and the field, at the first value import would refuse (a null or
// non-integer where an integer belongs, a duplicate subid or sortId, a
// picture path out of upload/, an option of no question, a missing table
// or column). `qbank check` lists all of them at once.
Bank toBank(const RawBank &raw);

// The bank written in the import format, so that importing it gives the same
// database content again: questions and types in the order they were stored,
// options in the order the program delivers them, info null as null and
// subpic as stored. The same bank always gives the same bytes. Throws
// AppError like toBank().
QByteArray exportJson(const RawBank &raw);

// Writes a file completely or not at all (a new file moved into place).
void writeFileAtomically(const QString &path, const QByteArray &content);

} // namespace qbank
