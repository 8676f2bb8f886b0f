#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <array>
#include <vector>

namespace qbank {

// One value of a bank as it stands in the file, before anything is assumed
// about it: a JSON value or a database cell. The validator judges these; the
// bank is made of them only once it has passed.
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
    // The text; for Other what it is; for a JSON Number the number as written.
    QString text;

    static Value fromDouble(double d);
    static Value fromSql(const QVariant &value);

    bool isInteger() const { return kind == Kind::Integer; }
    bool isText() const { return kind == Kind::Text; }
    // What the value is, for messages: "null", "文本“abc”", "数字 1.5", ...
    QString describe() const;
};

// The options of a question that are kept: far more than any question
// has, few enough that a question of a million options takes no memory.
constexpr qsizetype kKeptOptions = 64;

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
    Value subject; // JSON only, and optional: the exam, as its type says
    std::vector<RawOption> options; // in the order the program delivers them, the first kKeptOptions
    qsizetype optionCount = 0;      // how many the question has
    // false: the options cannot be known (a JSON question without an options
    // array, or a database whose options cannot be matched with questions)
    bool optionsListed = true;

    // "试题 subid 17" when the subid is a number, else where it stands.
    QString name() const;
};

struct RawSort {
    QString where;
    bool readable = true;
    Value sortId;
    Value sortname;
    std::array<Value, 5> scale;
    Value subject; // optional: 1 科目一 (when missing), 4 科目四

    // "题型 sortId 3（文明驾驶常识）" when it can, else where it stands.
    QString name() const;
};

// Something about the file's make-up that the program needs and does not
// find: a missing table, column or index, a scale list of the wrong length.
struct StructureFault {
    StructureFault(const QString &table_, const QString &where_, const QString &what_, bool hidesValues_ = true,
                   const QString &position_ = QString())
        : table(table_), where(where_), what(what_), hidesValues(hidesValues_), position(position_)
    {
    }

    QString table; // the table it is about, lower case; empty in JSON
    QString where;
    QString what;
    // The bank's values cannot all be read (a missing table or column, a
    // JSON entry of the wrong shape), as opposed to a missing index or a
    // note table that does not number its rows.
    bool hidesValues = true;
    QString position; // the entry of a JSON file it is in, when `where` names it otherwise
};

enum class Format { Json, Database };

// Where a bank is read from: a file, or the bytes of one (standard input).
struct BankSource {
    QString file;     // the file; empty when `bytes` holds the bank
    QByteArray bytes; // JSON or an SQLite database
    QString name;     // the bank in messages

    static BankSource path(const QString &file) { return {file, {}, file}; }
    static BankSource data(const QByteArray &bytes, const QString &name) { return {{}, bytes, name}; }
};

// Receives a bank as the reader meets it: its format, then every question
// type, then each question with its options, then the options of no
// question (databases). A fault of the file's make-up arrives when it is
// met; a database's come first.
class RawSink {
public:
    virtual ~RawSink() = default;
    virtual void begin(Format format, const QString &file) = 0;
    virtual void structure(const StructureFault &fault) = 0;
    virtual void sort(const RawSort &sort) = 0;
    virtual void question(const RawQuestion &question) = 0;
    virtual void strayOption(const RawOption &option) = 0;
    virtual void end() = 0;
};

// The one reader of banks: a data.db or a JSON file in the import format,
// told apart by content, handed to `sink` piece by piece. Throws AppError
// when the source cannot be read or is not a bank at all (broken JSON, not
// an object, no question list, not an SQLite database, or not a database
// when `databaseOnly`). Everything else is handed on as it stands.
void readRawBank(const BankSource &source, RawSink &sink, bool databaseOnly = false);

// A number for messages, in as few digits as give it back exactly
// (12345678.5, 1e+20), never rounded to six.
QString numberText(double number);

// A picture name the program can use: a file inside upload/, given by a
// relative name that never climbs out of the folder.
bool isPictureName(const QString &subpic);

// Does the question name a picture? "NULL", blank or null mean none.
bool namesPicture(const Value &subpic);
bool namesPicture(const QString &subpic);

} // namespace qbank
