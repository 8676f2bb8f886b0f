#include "rawbank.h"

#include "apperror.h"
#include "dbmessages.h"
#include "jsontext.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QUuid>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

// Whole numbers a JSON number (a double) carries exactly.
constexpr double kLargestExact = 9.0e15;

const QByteArray kSqliteHeader("SQLite format 3\0", 16);

QString quoted(const QString &name)
{
    QString text = name;
    text.replace(u'"', u"\"\""_s);
    return u'"' + text + u'"';
}

// ---- JSON ----------------------------------------------------------------

// A fault met inside an entry, told once the entry's name is known.
struct Pending {
    QString suffix; // after the entry's name
    QString what;
    QString position;
};

void tell(RawSink &sink, const QString &name, const std::vector<Pending> &pending)
{
    for (const Pending &p : pending)
        sink.structure({QString(), name + p.suffix, p.what, true, p.position});
}

QString notAnObject(JsonText &json)
{
    return u"应为对象，却是%1"_s.arg(json.value().describe());
}

RawSort readJsonSort(JsonText &json, qsizetype index, RawSink &sink)
{
    RawSort sort;
    sort.where = u"sorts[%1]"_s.arg(index);
    if (json.next() != '{') {
        sink.structure({QString(), sort.where, notAnObject(json)});
        sort.readable = false;
        return sort;
    }
    std::optional<QString> scaleFault = u"缺少字段“scale”"_s;
    json.members([&](const QString &key) {
        if (key == u"sortId"_s) {
            sort.sortId = json.value();
        } else if (key == u"sortname"_s) {
            sort.sortname = json.value();
        } else if (key == u"subject"_s) {
            sort.subject = json.value();
        } else if (key == u"scale"_s) {
            sort.scale = {};
            scaleFault.reset();
            if (json.next() != '[') {
                scaleFault = u"字段“scale”应为 5 个整数的数组，却是%1"_s.arg(json.value().describe());
                return;
            }
            qsizetype count = 0;
            json.elements([&](qsizetype k) {
                // Shares the list lacks stay Missing; the fault names them.
                const Value share = json.value();
                if (k < 5)
                    sort.scale[static_cast<size_t>(k)] = share;
                count = k + 1;
            });
            if (count != 5)
                scaleFault = u"字段“scale”应有 5 个数（每个车型一个），却有 %1 个"_s.arg(count);
        } else {
            json.skip();
        }
    });
    if (scaleFault)
        sink.structure({QString(), sort.name(), *scaleFault, true, sort.where});
    return sort;
}

RawQuestion readJsonQuestion(JsonText &json, qsizetype index, RawSink &sink)
{
    RawQuestion q;
    q.where = u"questions[%1]"_s.arg(index);
    if (json.next() != '{') {
        sink.structure({QString(), q.where, notAnObject(json)});
        q.readable = false;
        return q;
    }
    std::vector<Pending> pending{{QString(), u"缺少字段“options”"_s, q.where}};
    q.optionsListed = false;
    json.members([&](const QString &key) {
        if (key == u"subid"_s) {
            q.subid = json.value();
        } else if (key == u"typeId"_s) {
            q.typeId = json.value();
        } else if (key == u"sortId"_s) {
            q.sortId = json.value();
        } else if (key == u"stid"_s) {
            q.stid = json.value();
        } else if (key == u"subtitle"_s) {
            q.subtitle = json.value();
        } else if (key == u"subpic"_s) {
            q.subpic = json.value();
        } else if (key == u"info"_s) {
            q.info = json.value();
        } else if (key == u"errorTimes"_s) {
            q.errorTimes = json.value();
        } else if (key == u"subject"_s) {
            q.subject = json.value();
        } else if (key == u"options"_s) {
            pending.clear();
            q.options.clear();
            q.optionCount = 0;
            if (json.next() != '[') {
                pending.push_back(
                    {QString(), u"字段“options”应为数组，却是%1"_s.arg(json.value().describe()), q.where});
                q.optionsListed = false;
                return;
            }
            q.optionsListed = true;
            json.elements([&](qsizetype i) {
                const QString at = u"%1.options[%2]"_s.arg(q.where).arg(i);
                if (json.next() != '{') {
                    pending.push_back({u" 的 options[%1]"_s.arg(i), notAnObject(json), at});
                    return;
                }
                RawOption option;
                option.where = at;
                json.members([&](const QString &field) {
                    if (field == u"optid"_s)
                        option.optid = json.value();
                    else if (field == u"optcontent"_s)
                        option.optcontent = json.value();
                    else if (field == u"iskey"_s)
                        option.iskey = json.value();
                    else
                        json.skip();
                });
                if (++q.optionCount <= kKeptOptions)
                    q.options.push_back(std::move(option));
            });
        } else {
            json.skip();
        }
    });
    for (RawOption &option : q.options)
        option.subid = q.subid;
    tell(sink, q.name(), pending);
    return q;
}

// The whole text is checked, and the two lists found, before the first
// entry is handed on; then types come first, whatever the order in the file.
void readJson(const QByteArray &bytes, const QString &source, RawSink &sink)
{
    JsonText json(bytes, source);
    if (json.next() != '{') {
        json.skip();
        json.end();
        throw AppError(u"%1：顶层：应为对象"_s.arg(source));
    }
    qsizetype lists[2] = {-1, -1};
    json.members([&](const QString &key) {
        const int list = key == u"sorts"_s ? 0 : key == u"questions"_s ? 1 : -1;
        if (list >= 0)
            lists[list] = json.pos();
        json.skip();
    });
    json.end();
    const QString names[2] = {u"sorts"_s, u"questions"_s};
    for (int list = 0; list < 2; ++list) {
        if (lists[list] < 0)
            throw AppError(u"%1：顶层：字段“%2”应为数组，却是缺少"_s.arg(source, names[list]));
        json.seek(lists[list]);
        if (json.next() != '[')
            throw AppError(u"%1：顶层：字段“%2”应为数组，却是%3"_s.arg(source, names[list], json.value().describe()));
    }
    sink.begin(Format::Json, source);
    json.seek(lists[0]);
    json.elements([&](qsizetype i) { sink.sort(readJsonSort(json, i, sink)); });
    json.seek(lists[1]);
    json.elements([&](qsizetype i) { sink.question(readJsonQuestion(json, i, sink)); });
    sink.end();
}

// ---- SQLite --------------------------------------------------------------

// A read-only connection that is removed again however the reading ends.
class ReadConnection {
public:
    explicit ReadConnection(const QString &path, const QString &name)
        : m_name(u"qbank-read-"_s + QUuid::createUuid().toString(QUuid::Id128))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (!db.open())
            throw AppError(data::dbMessage(u"无法打开题库"_s, name, db.lastError()));
    }
    ~ReadConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    ReadConnection(const ReadConnection &) = delete;
    ReadConnection &operator=(const ReadConnection &) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

struct ColumnInfo {
    QString name;
    QString type;
    QString defaultValue;
    bool primaryKey = false;
};

// One table of a bank: which of the columns the program reads it has
// (reported once when missing), and its rows read in insertion order,
// each column by its lower-case name.
class DbTable {
public:
    // `optional` columns may be missing without a fault.
    DbTable(const QSqlDatabase &db, const QString &table, const QStringList &needed, const QString &file,
            RawSink &sink, const QStringList &optional = {})
        : m_db(db), m_table(table), m_file(file)
    {
        QSqlQuery query(db);
        if (!query.exec(u"PRAGMA table_info(%1)"_s.arg(quoted(table))))
            fail(query);
        while (query.next()) {
            ColumnInfo c;
            c.name = query.value(1).toString();
            c.type = query.value(2).toString();
            c.defaultValue = query.value(4).isNull() ? QString() : query.value(4).toString();
            c.primaryKey = query.value(5).toInt() != 0;
            m_columns.insert(c.name.toLower(), c);
        }
        if (m_columns.isEmpty()) {
            sink.structure({table, u"表 %1"_s.arg(table), u"题库中没有这张表"_s});
            return;
        }
        for (const QString &c : needed + optional) {
            const auto found = m_columns.constFind(c.toLower());
            if (found == m_columns.constEnd()) {
                if (!optional.contains(c))
                    sink.structure({table, u"表 %1"_s.arg(table), u"缺少列 %1"_s.arg(c)});
            } else {
                m_positions.insert(c.toLower(), static_cast<int>(m_selected.size()) + 1);
                m_selected << quoted(found->name);
            }
        }
    }

    bool exists() const { return !m_columns.isEmpty(); }
    bool has(const QString &column) const { return m_positions.contains(column.toLower()); }
    const QHash<QString, ColumnInfo> &columns() const { return m_columns; }
    QString column(const QString &name) const { return quoted(m_columns.value(name.toLower()).name); }

    // Its rows in insertion order: the row's number first, then the
    // columns the program reads that the table has.
    QSqlQuery rows() const
    {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.exec(u"SELECT %1 FROM %2 ORDER BY rowid"_s.arg((QStringList{u"rowid"_s} + m_selected).join(u", "_s),
                                                                  quoted(m_table))))
            fail(query);
        return query;
    }

    // The list the program reads, for a statement of its own.
    QString selected() const { return m_selected.join(u", "_s); }

    Value value(const QSqlQuery &row, const QString &column) const
    {
        const auto found = m_positions.constFind(column.toLower());
        return found == m_positions.constEnd() ? Value{} : Value::fromSql(row.value(found.value()));
    }

    QString where(qint64 row) const { return u"%1 表第 %2 行"_s.arg(m_table).arg(row); }

    [[noreturn]] void fail(const QSqlQuery &query) const
    {
        throw AppError(data::dbMessage(u"无法读取表 %1"_s.arg(m_table), m_file, query.lastError()));
    }

private:
    QSqlDatabase m_db;
    QString m_table;
    QString m_file;
    QHash<QString, ColumnInfo> m_columns;
    QHash<QString, int> m_positions; // column -> its place in rows()
    QStringList m_selected;
};

bool isZeroDefault(const QString &defaultValue)
{
    QString text = defaultValue.trimmed();
    while (text.size() >= 2 && ((text.startsWith(u'(') && text.endsWith(u')')) ||
                                (text.startsWith(u'\'') && text.endsWith(u'\''))))
        text = text.mid(1, text.size() - 2).trimmed();
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok && number == 0;
}

void checkStructure(const QSqlDatabase &db, const DbTable &subject, const DbTable &note, const QString &file,
                    RawSink &sink)
{
    if (subject.exists()) {
        // The program opens subject by its index subId: one of that name
        // (any case) whose first column is subid.
        QSqlQuery query(db);
        query.prepare(
            u"SELECT name FROM sqlite_master WHERE type = 'index' AND name = 'subId' COLLATE NOCASE "
            "AND tbl_name = 'subject' COLLATE NOCASE"_s);
        if (!query.exec())
            throw AppError(data::dbMessage(u"无法读取索引"_s, file, query.lastError()));
        if (!query.next()) {
            sink.structure({u"subject"_s, u"表 subject"_s, u"没有索引 subId"_s, false});
        } else {
            const QString index = query.value(0).toString();
            query.finish();
            QSqlQuery info(db);
            if (!info.exec(u"PRAGMA index_info(%1)"_s.arg(quoted(index))) || !info.next() ||
                info.value(2).toString().compare(u"subid"_s, Qt::CaseInsensitive) != 0)
                sink.structure({u"subject"_s, u"表 subject"_s, u"索引 subId 不是按 subid 排序的"_s, false});
        }
    }
    if (note.exists()) {
        const auto &columns = note.columns();
        const auto noteId = columns.constFind(u"noteid"_s);
        if (noteId != columns.constEnd()) {
            int keys = 0;
            for (const ColumnInfo &c : columns)
                keys += c.primaryKey ? 1 : 0;
            if (!noteId->primaryKey || keys != 1 ||
                noteId->type.compare(u"INTEGER"_s, Qt::CaseInsensitive) != 0)
                sink.structure({u"note"_s, u"表 note"_s,
                                u"列 noteId 应为 INTEGER PRIMARY KEY，由数据库在添加行时编号"_s, false});
        }
        for (const QString &name : {u"optionid"_s, u"isright"_s}) {
            const auto c = columns.constFind(name);
            if (c != columns.constEnd() && !isZeroDefault(c->defaultValue))
                sink.structure({u"note"_s, u"表 note"_s, u"列 %1 的默认值应为 0"_s.arg(c->name), false});
        }
    }
}

// A whole number as the program compares it: stored as one, or as a real
// without a fraction.
QString integral(const QString &column)
{
    return u"(typeof(%1) = 'integer' OR (typeof(%1) = 'real' AND %1 = CAST(%1 AS INTEGER)))"_s.arg(column);
}

// The options of a database, in a copy of its own numbered in insertion
// order and indexed by question, so that each question's options are found
// at once whatever indexes the bank has (the temporary copy lives as long
// as the connection; the bank itself is only read).
class OptionFinder {
public:
    OptionFinder(const QSqlDatabase &db, const DbTable &options, const DbTable &subject)
        : m_options(options), m_byQuestion(db), m_stray(db)
    {
        QSqlQuery query(db);
        if (!query.exec(u"CREATE TEMP TABLE qbank_options AS SELECT row_number() OVER (ORDER BY rowid) "
                        "AS qbank_row, %1 FROM main.options"_s.arg(options.selected())) ||
            !query.exec(u"CREATE INDEX temp.qbank_options_subid ON qbank_options (subid, qbank_row)"_s))
            options.fail(query);
        const QString columns = u"qbank_row, "_s + options.selected();
        m_byQuestion.setForwardOnly(true);
        if (!m_byQuestion.prepare(u"SELECT %1 FROM temp.qbank_options WHERE subid = ? AND %2 ORDER BY qbank_row"_s
                                      .arg(columns, integral(u"subid"_s))))
            options.fail(m_byQuestion);
        // An option whose subid is no question's, as the program's filter
        // subid=<n> would never deliver it.
        m_stray.setForwardOnly(true);
        const QString subid = subject.column(u"subid"_s);
        if (!m_stray.exec(u"SELECT %1 FROM temp.qbank_options WHERE NOT (%2 AND subid IN "
                          "(SELECT %3 FROM main.subject WHERE %4)) ORDER BY qbank_row"_s
                              .arg(columns, integral(u"subid"_s), subid, integral(subid))))
            options.fail(m_stray);
    }

    void addTo(RawQuestion &q)
    {
        if (!q.subid.isInteger())
            return;
        m_byQuestion.addBindValue(q.subid.integer);
        if (!m_byQuestion.exec())
            m_options.fail(m_byQuestion);
        while (m_byQuestion.next()) {
            if (++q.optionCount <= kKeptOptions)
                q.options.push_back(option(m_byQuestion));
        }
        m_byQuestion.finish();
    }

    bool nextStray(RawOption &o)
    {
        if (!m_stray.next())
            return false;
        o = option(m_stray);
        return true;
    }

private:
    RawOption option(const QSqlQuery &row) const
    {
        RawOption o;
        o.where = m_options.where(row.value(0).toLongLong());
        o.subid = m_options.value(row, u"subid"_s);
        o.optid = m_options.value(row, u"optid"_s);
        o.optcontent = m_options.value(row, u"optcontent"_s);
        o.iskey = m_options.value(row, u"iskey"_s);
        return o;
    }

    const DbTable &m_options;
    QSqlQuery m_byQuestion;
    QSqlQuery m_stray;
};

void readDatabase(const QString &path, const QString &name, RawSink &sink)
{
    const ReadConnection connection(path, name);
    const QSqlDatabase db = connection.db();
    sink.begin(Format::Database, name);

    // sort.subject is optional: a bank made before it holds 科目一 only.
    const DbTable sort(db, u"sort"_s,
                       {u"sortId"_s, u"sortname"_s, u"scale0"_s, u"scale1"_s, u"scale2"_s, u"scale3"_s, u"scale4"_s},
                       name, sink, {u"subject"_s});
    const DbTable subject(db, u"subject"_s,
                          {u"subid"_s, u"subtitle"_s, u"subpic"_s, u"info"_s, u"typeId"_s, u"sortId"_s, u"stid"_s,
                           u"errorTimes"_s},
                          name, sink);
    const DbTable options(db, u"options"_s, {u"subid"_s, u"optcontent"_s, u"optid"_s, u"iskey"_s}, name, sink);
    const DbTable note(db, u"note"_s, {u"noteId"_s, u"subid"_s, u"optionid"_s, u"isright"_s}, name, sink);
    checkStructure(db, subject, note, name, sink);

    if (sort.exists()) {
        QSqlQuery rows = sort.rows();
        for (qint64 row = 1; rows.next(); ++row) {
            RawSort s;
            s.where = sort.where(row);
            s.sortId = sort.value(rows, u"sortId"_s);
            s.sortname = sort.value(rows, u"sortname"_s);
            for (size_t k = 0; k < 5; ++k)
                s.scale[k] = sort.value(rows, u"scale%1"_s.arg(k));
            s.subject = sort.value(rows, u"subject"_s);
            sink.sort(s);
        }
    }

    // Without a subid column on both sides no option can be matched; the
    // missing column is the one fault to report then.
    const bool matched = subject.has(u"subid"_s) && options.has(u"subid"_s);
    std::optional<OptionFinder> finder;
    if (matched)
        finder.emplace(db, options, subject);
    if (subject.exists()) {
        QSqlQuery rows = subject.rows();
        for (qint64 row = 1; rows.next(); ++row) {
            RawQuestion q;
            q.where = subject.where(row);
            q.subid = subject.value(rows, u"subid"_s);
            q.typeId = subject.value(rows, u"typeId"_s);
            q.sortId = subject.value(rows, u"sortId"_s);
            q.stid = subject.value(rows, u"stid"_s);
            q.subtitle = subject.value(rows, u"subtitle"_s);
            q.subpic = subject.value(rows, u"subpic"_s);
            q.info = subject.value(rows, u"info"_s);
            q.errorTimes = subject.value(rows, u"errorTimes"_s);
            q.optionsListed = matched;
            if (finder)
                finder->addTo(q);
            sink.question(q);
        }
    }
    RawOption stray;
    while (finder && finder->nextStray(stray))
        sink.strayOption(stray);
    sink.end();
}

} // namespace

// ---- Value ---------------------------------------------------------------

Value Value::fromDouble(double d)
{
    Value v;
    if (d == std::floor(d) && std::abs(d) <= kLargestExact) {
        v.kind = Kind::Integer;
        v.integer = static_cast<qint64>(d);
    } else {
        v.kind = Kind::Number;
    }
    v.number = d;
    return v;
}

Value Value::fromSql(const QVariant &value)
{
    Value v;
    if (value.isNull()) {
        v.kind = Kind::Null;
        return v;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        v.kind = Kind::Integer;
        v.integer = value.toLongLong();
        v.number = value.toDouble();
        break;
    case QMetaType::Double: v = fromDouble(value.toDouble()); break;
    case QMetaType::QString:
        v.kind = Kind::Text;
        v.text = value.toString();
        break;
    default:
        v.kind = Kind::Other;
        v.text = u"二进制数据（%1 字节）"_s.arg(value.toByteArray().size());
        break;
    }
    return v;
}

QString Value::describe() const
{
    switch (kind) {
    case Kind::Missing: return u"缺少"_s;
    case Kind::Null: return u" null"_s;
    case Kind::Integer: return u"整数 %1"_s.arg(integer);
    case Kind::Number: return u"数字 %1"_s.arg(text.isEmpty() ? numberText(number) : text);
    case Kind::Text: {
        QString shown = text.left(20);
        if (shown.size() < text.size())
            shown += u"…"_s;
        return u"文本“%1”"_s.arg(shown);
    }
    case Kind::Other: return text;
    }
    return QString();
}

QString RawQuestion::name() const
{
    return subid.isInteger() ? u"试题 subid %1"_s.arg(subid.integer) : u"试题 %1"_s.arg(where);
}

QString RawSort::name() const
{
    if (!sortId.isInteger())
        return u"题型 %1"_s.arg(where);
    if (sortname.isText())
        return u"题型 sortId %1（%2）"_s.arg(sortId.integer).arg(sortname.text);
    return u"题型 sortId %1"_s.arg(sortId.integer);
}

// ---- reading -------------------------------------------------------------

QString numberText(double number)
{
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

void readRawBank(const BankSource &source, RawSink &sink, bool databaseOnly)
{
    QByteArray bytes = source.bytes;
    if (!source.file.isEmpty()) {
        QFile file(source.file);
        if (!file.open(QIODevice::ReadOnly))
            throw AppError(u"无法读取 %1：%2"_s.arg(source.name, file.errorString()));
        if (file.peek(16) == kSqliteHeader) {
            file.close();
            readDatabase(source.file, source.name, sink);
            return;
        }
        if (!databaseOnly)
            bytes = file.readAll();
    } else if (bytes.startsWith(kSqliteHeader)) {
        // SQLite reads files only.
        QTemporaryFile file;
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
            throw AppError(u"无法为%1的题库建立临时文件：%2"_s.arg(source.name, file.errorString()));
        readDatabase(file.fileName(), source.name, sink);
        return;
    }
    if (databaseOnly)
        throw AppError(u"%1 不是 SQLite 数据库"_s.arg(source.name));
    readJson(bytes, source.name, sink);
}

bool isPictureName(const QString &subpic)
{
    QString name = subpic.trimmed();
    name.replace(u'\\', u'/');
    if (name.startsWith(u'/') || (name.size() > 1 && name.at(1) == u':'))
        return false;
    const QStringList parts = name.split(u'/');
    return !parts.contains(u".."_s);
}

bool namesPicture(const QString &subpic)
{
    // As the program reads it: exactly "NULL", or nothing but blanks.
    return subpic != u"NULL"_s && !subpic.trimmed().isEmpty();
}

bool namesPicture(const Value &subpic)
{
    return subpic.isText() && namesPicture(subpic.text);
}

} // namespace qbank
