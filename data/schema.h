#pragma once

class QSqlDatabase;

namespace data {

// Creates the four tables of the question bank, with the index subId on
// subject, in an empty database. Throws AppError on failure.
void createSchema(QSqlDatabase &db);

} // namespace data
