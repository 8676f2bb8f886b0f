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
        " scale4 INTEGER NOT NULL DEFAULT 0,"
        // The exam the type belongs to: 1 = 科目一, 4 = 科目四.
        " subject INTEGER NOT NULL DEFAULT 1)",
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
        " isright INTEGER NOT NULL DEFAULT 0,"
        // The options chosen for a multi-answer question, their optids
        // comma-separated in the order shown; empty for the other kinds.
        " optionids TEXT NOT NULL DEFAULT '')",
    };
    QSqlQuery query(db);
    for (const char *statement : statements) {
        if (!query.exec(QString::fromLatin1(statement)))
            throw AppError(data::dbMessage(u"无法建立题库结构"_s, db.databaseName(), query.lastError()));
    }
}

bool hasColumn(QSqlDatabase &db, const QString &table, const QString &column)
{
    QSqlQuery query(db);
    if (!query.exec(u"PRAGMA table_info(%1)"_s.arg(table)))
        return false;
    while (query.next()) {
        if (query.value(1).toString().compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool addMissingColumns(QSqlDatabase &db)
{
    struct Added {
        const char16_t *table;
        const char16_t *column;
        const char16_t *definition;
    };
    static const Added added[] = {
        {u"sort", u"subject", u"INTEGER NOT NULL DEFAULT 1"},
        {u"note", u"optionids", u"TEXT NOT NULL DEFAULT ''"},
    };
    bool ok = true;
    for (const Added &a : added) {
        const QString table = QString::fromUtf16(a.table);
        const QString column = QString::fromUtf16(a.column);
        if (!hasColumn(db, table, u"sortId"_s) && !hasColumn(db, table, u"subid"_s))
            continue; // not a table of a question bank: nothing to add to
        if (hasColumn(db, table, column))
            continue;
        QSqlQuery query(db);
        ok = query.exec(u"ALTER TABLE %1 ADD COLUMN %2 %3"_s.arg(table, column, QString::fromUtf16(a.definition)))
             && ok;
    }
    return ok;
}

} // namespace data
