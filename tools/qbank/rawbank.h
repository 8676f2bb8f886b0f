#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>
#include <vector>

class QJsonObject;
class QJsonValue;

namespace qbank {

// One value of a bank as it stands in the file, before anything is assumed
// about it: a JSON value or a database cell. `check` judges these; `export`
// and `stats` convert them and stop at the first that does not fit.
struct Value {
    enum class Kind {
        Missing, // a JSON key that is not there, or a column the table lacks
        Null,
        Integer, // a whole number of 64 bits (a database REAL such as 3.0 counts)
        Number,  // any other number
        Text,
        Other, // a JSON array, object or truth value, or a database BLOB
    };
    Kind kind = Kind::Missing;
    qint64 integer = 0;
    double number = 0;
    QString text; // the text, or for Other what it is

    static Value fromJson(const QJsonValue &value);
    static Value fromDouble(double d);
    static Value fromSql(const QVariant &value);

    bool isInteger() const { return kind == Kind::Integer; }
    bool isText() const { return kind == Kind::Text; }
    // What the value is, for messages: "null", "文本“abc”", "数字 1.5", ...
    QString describe() const;
};

// Where a row stands in its file, for messages: "questions[3]" or
// "subject 表第 4 行".
struct RawOption {
    QString where;
    Value subid; // a database's column; in JSON the question's subid
    Value optid;
    Value optcontent;
    Value iskey;
};

struct RawQuestion {
    QString where;
    bool readable = true; // false: not even an object (reported as a structure fault)
    Value subid;
    Value typeId;
    Value sortId;
    Value stid;
    Value subtitle;
    Value subpic;
    Value info;
    Value errorTimes;
    std::vector<RawOption> options; // in the order the program delivers them
    bool optionsListed = true;      // false: a JSON question without an options array

    // "试题 subid 17" when the subid is a number, else where it stands.
    QString name() const;
};

struct RawSort {
    QString where;
    bool readable = true;
    Value sortId;
    Value sortname;
    std::array<Value, 5> scale;

    // "题型 sortId 3（文明驾驶常识）" when it can, else where it stands.
    QString name() const;
};

// Something about the file's make-up that the program needs and does not
// find: a missing table, column or index, a scale list of the wrong length.
struct StructureFault {
    QString table; // the table it is about, lower case; empty in JSON
    QString where;
    QString what;
    // The bank's values cannot all be read (a missing table or column, a
    // JSON entry of the wrong shape), as opposed to a missing index or a
    // note table that does not number its rows.
    bool hidesValues = true;
};

struct RawBank {
    enum class Source { Json, Database };
    Source source = Source::Json;
    QString file;
    std::vector<RawSort> sorts;         // in file order (database: insertion order)
    std::vector<RawQuestion> questions; // in file order (database: insertion order)
    // Database rows of options whose subid is no question's subid.
    std::vector<RawOption> strayOptions;
    // False when a database's options cannot be matched with its questions
    // at all (no options table, or no subid column on either side).
    bool optionsMatched = true;
    std::vector<StructureFault> structure;
};

// A number for messages, in as few digits as give it back exactly
// (12345678.5, 1e+20), never rounded to six.
QString numberText(double number);

// Is the file an SQLite database? Tells by its first 16 bytes.
bool isSqliteFile(const QString &path);

// Reads a bank from a data.db or from a JSON file in the import format,
// telling the two apart by content. Throws AppError when the file cannot be
// read or is not a bank at all (broken JSON, not an object, no question
// list, not an SQLite database). Everything else is read as it stands.
RawBank readRawBank(const QString &path);
RawBank readRawDatabase(const QString &path);
RawBank parseRawJson(const QByteArray &json, const QString &source);

// A picture name the program can use: a file inside upload/, given by a
// relative name that never climbs out of the folder.
bool isPictureName(const QString &subpic);

// Parses a JSON document whose top level must be an object. Throws AppError
// naming `source` and, for bad JSON, the line and column.
QJsonObject parseJsonObject(const QByteArray &json, const QString &source);
// Does the question name a picture? "NULL", blank or null mean none.
bool namesPicture(const Value &subpic);

} // namespace qbank
