#pragma once

class QSqlDatabase;
class QString;

namespace data {

// Creates the four tables of the question bank, with the index subId on
// subject, in an empty database. Throws AppError on failure.
void createSchema(QSqlDatabase &db);

// Adds to a bank made before them the columns that came later: the exam of
// each question type (sort.subject, 1 for every type, since such a bank knows
// only 科目一) and the chosen options of a multi-answer question
// (note.optionids). Returns false, changing nothing, when they cannot be added.
bool addMissingColumns(QSqlDatabase &db);

// Whether a table of the bank has a column (names matched without regard to case).
bool hasColumn(QSqlDatabase &db, const QString &table, const QString &column);

} // namespace data
