#include "schema.h"

#include "apperror.h"
#include "dbmessages.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace data {

void createSchema(QSqlDatabase &db)
{
    // subpic and info may be null ("no picture", "no explanation"); every
    // other column the program reads must hold a value.
    static const char *const statements[] = {
        "CREATE TABLE sort ("
        " sortId INTEGER NOT NULL,"
        " sortname TEXT NOT NULL,"
        " scale0 INTEGER NOT NULL DEFAULT 0,"
        " scale1 INTEGER NOT NULL DEFAULT 0,"
        " scale2 INTEGER NOT NULL DEFAULT 0,"
        " scale3 INTEGER NOT NULL DEFAULT 0,"
        " scale4 INTEGER NOT NULL DEFAULT 0)",
        "CREATE UNIQUE INDEX sort_sortId ON sort (sortId)",
        "CREATE TABLE subject ("
        " subid INTEGER NOT NULL,"
        " subtitle TEXT NOT NULL,"
        " subpic TEXT,"
        " info TEXT,"
        " typeId INTEGER NOT NULL,"
        " sortId INTEGER NOT NULL,"
        " stid INTEGER NOT NULL,"
        " errorTimes INTEGER NOT NULL DEFAULT 0)",
        "CREATE UNIQUE INDEX subId ON subject (subid)",
        // Covers the questions of one type and kind in the order of their
        // numbers: drawing a paper reads them from the index alone.
        "CREATE INDEX subject_sortId_typeId_subid ON subject (sortId, typeId, subid)",
        "CREATE INDEX subject_stid ON subject (stid)",
        // The error-prone questions in the order they are browsed, most
        // missed first (ties by number): their threshold and the first of
        // them come from the index alone.
        "CREATE INDEX subject_errorTimes ON subject (errorTimes DESC, subid)",
        "CREATE TABLE options ("
        " subid INTEGER NOT NULL,"
        " optid INTEGER NOT NULL,"
        " optcontent TEXT NOT NULL,"
        " iskey INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX options_subid ON options (subid)",
        // AUTOINCREMENT: a number is never used twice, not even after the
        // table has been emptied, so a paper's order is its order of writing.
        "CREATE TABLE note ("
        " noteId INTEGER PRIMARY KEY AUTOINCREMENT,"
        " subid INTEGER NOT NULL,"
        " optionid INTEGER NOT NULL DEFAULT 0,"
        " isright INTEGER NOT NULL DEFAULT 0)",
    };
    QSqlQuery query(db);
    for (const char *statement : statements) {
        if (!query.exec(QString::fromLatin1(statement)))
            throw AppError(data::dbMessage(u"无法建立题库结构"_s, db.databaseName(), query.lastError()));
    }
}

} // namespace data
