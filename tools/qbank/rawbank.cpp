#include "rawbank.h"

#include "apperror.h"
#include "dbmessages.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

// Whole numbers a JSON number (a double) carries exactly.
constexpr double kLargestExact = 9.0e15;

QString quoted(const QString &name)
{
    QString text = name;
    text.replace(u'"', u"\"\""_s);
    return u'"' + text + u'"';
}

std::pair<int, int> lineAndColumn(const QByteArray &json, qsizetype offset)
{
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset && i < json.size(); ++i) {
        if (json.at(i) == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(json.at(i)) & 0xC0) != 0x80) {
            ++column; // count characters, not UTF-8 continuation bytes
        }
    }
    return {line, column};
}

// ---- JSON ----------------------------------------------------------------

Value field(const QJsonObject &object, const QString &name)
{
    const auto found = object.constFind(name);
    return found == object.constEnd() ? Value{} : Value::fromJson(found.value());
}

RawSort readJsonSort(const QJsonValue &value, const QString &where, std::vector<StructureFault> &faults)
{
    RawSort sort;
    sort.where = where;
    if (!value.isObject()) {
        faults.push_back({QString(), where, u"应为对象，却是%1"_s.arg(Value::fromJson(value).describe())});
        sort.readable = false;
        return sort;
    }
    const QJsonObject o = value.toObject();
    sort.sortId = field(o, u"sortId"_s);
    sort.sortname = field(o, u"sortname"_s);
    const auto scale = o.constFind(u"scale"_s);
    if (scale == o.constEnd()) {
        faults.push_back({QString(), sort.name(), u"缺少字段“scale”"_s});
    } else if (!scale.value().isArray()) {
        faults.push_back(
            {QString(), sort.name(),
             u"字段“scale”应为 5 个整数的数组，却是%1"_s.arg(Value::fromJson(scale.value()).describe())});
    } else {
        const QJsonArray shares = scale.value().toArray();
        if (shares.size() != 5)
            faults.push_back({QString(), sort.name(),
                              u"字段“scale”应有 5 个数（每个车型一个），却有 %1 个"_s.arg(shares.size())});
        // Shares the list lacks stay Missing; the fault above names them.
        for (qsizetype k = 0; k < shares.size() && k < 5; ++k)
            sort.scale[static_cast<size_t>(k)] = Value::fromJson(shares.at(k));
    }
    return sort;
}

RawQuestion readJsonQuestion(const QJsonValue &value, const QString &where,
                             std::vector<StructureFault> &faults)
{
    RawQuestion q;
    q.where = where;
    if (!value.isObject()) {
        faults.push_back({QString(), where, u"应为对象，却是%1"_s.arg(Value::fromJson(value).describe())});
        q.readable = false;
        return q;
    }
    const QJsonObject o = value.toObject();
    q.subid = field(o, u"subid"_s);
    q.typeId = field(o, u"typeId"_s);
    q.sortId = field(o, u"sortId"_s);
    q.stid = field(o, u"stid"_s);
    q.subtitle = field(o, u"subtitle"_s);
    q.subpic = field(o, u"subpic"_s);
    q.info = field(o, u"info"_s);
    q.errorTimes = field(o, u"errorTimes"_s);
    const auto options = o.constFind(u"options"_s);
    if (options == o.constEnd()) {
        faults.push_back({QString(), q.name(), u"缺少字段“options”"_s});
        q.optionsListed = false;
        return q;
    }
    if (!options.value().isArray()) {
        faults.push_back(
            {QString(), q.name(),
             u"字段“options”应为数组，却是%1"_s.arg(Value::fromJson(options.value()).describe())});
        q.optionsListed = false;
        return q;
    }
    const QJsonArray list = options.value().toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = u"%1.options[%2]"_s.arg(where).arg(i);
        if (!list.at(i).isObject()) {
            faults.push_back({QString(), q.name() + u" 的 options[%1]"_s.arg(i),
                              u"应为对象，却是%1"_s.arg(Value::fromJson(list.at(i)).describe())});
            continue;
        }
        const QJsonObject option = list.at(i).toObject();
        RawOption raw;
        raw.where = at;
        raw.subid = q.subid;
        raw.optid = field(option, u"optid"_s);
        raw.optcontent = field(option, u"optcontent"_s);
        raw.iskey = field(option, u"iskey"_s);
        q.options.push_back(std::move(raw));
    }
    return q;
}

// ---- SQLite --------------------------------------------------------------

// A read-only connection that is removed again however the reading ends.
class ReadConnection {
public:
    explicit ReadConnection(const QString &path)
        : m_name(u"qbank-read-"_s + QUuid::createUuid().toString(QUuid::Id128))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (!db.open())
            throw AppError(data::dbMessage(u"无法打开题库"_s, path, db.lastError()));
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

// The columns of a table by lower-case name; empty when there is no table.
QHash<QString, ColumnInfo> columnsOf(const QSqlDatabase &db, const QString &table, const QString &file)
{
    QSqlQuery query(db);
    if (!query.exec(u"PRAGMA table_info(%1)"_s.arg(quoted(table))))
        throw AppError(data::dbMessage(u"无法读取表 %1"_s.arg(table), file, query.lastError()));
    QHash<QString, ColumnInfo> columns;
    while (query.next()) {
        ColumnInfo c;
        c.name = query.value(1).toString();
        c.type = query.value(2).toString();
        c.defaultValue = query.value(4).isNull() ? QString() : query.value(4).toString();
        c.primaryKey = query.value(5).toInt() != 0;
        columns.insert(c.name.toLower(), c);
    }
    return columns;
}

// Reads every row of a table in insertion order; each row by lower-case
// column name. Columns the table lacks are reported once and read Missing.
class TableReader {
public:
    TableReader(const QSqlDatabase &db, const QString &table, const QStringList &needed, const QString &file,
                std::vector<StructureFault> &faults)
        : m_table(table)
    {
        m_columns = columnsOf(db, table, file);
        if (m_columns.isEmpty()) {
            faults.push_back({table, u"表 %1"_s.arg(table), u"题库中没有这张表"_s});
            return;
        }
        for (const QString &c : needed) {
            if (!m_columns.contains(c.toLower()))
                faults.push_back({table, u"表 %1"_s.arg(table), u"缺少列 %1"_s.arg(c)});
        }
        m_exists = true;
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(u"SELECT * FROM %1 ORDER BY rowid"_s.arg(quoted(table))))
            throw AppError(data::dbMessage(u"无法读取表 %1"_s.arg(table), file, query.lastError()));
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            m_positions.insert(record.fieldName(i).toLower(), i);
        while (query.next()) {
            std::vector<QVariant> row;
            row.reserve(static_cast<size_t>(record.count()));
            for (int i = 0; i < record.count(); ++i)
                row.push_back(query.value(i));
            m_rows.push_back(std::move(row));
        }
    }

    bool exists() const { return m_exists; }
    size_t rowCount() const { return m_rows.size(); }
    const QHash<QString, ColumnInfo> &columns() const { return m_columns; }

    Value value(size_t row, const QString &column) const
    {
        const auto found = m_positions.constFind(column.toLower());
        if (found == m_positions.constEnd())
            return Value{};
        return Value::fromSql(m_rows[row][static_cast<size_t>(found.value())]);
    }

    QString where(size_t row) const { return u"%1 表第 %2 行"_s.arg(m_table).arg(row + 1); }

private:
    QString m_table;
    bool m_exists = false;
    QHash<QString, ColumnInfo> m_columns;
    QHash<QString, int> m_positions;
    std::vector<std::vector<QVariant>> m_rows;
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

void checkStructure(const QSqlDatabase &db, const TableReader &subject, const TableReader &note,
                    const QString &file, std::vector<StructureFault> &faults)
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
            faults.push_back({u"subject"_s, u"表 subject"_s, u"没有索引 subId"_s, false});
        } else {
            const QString index = query.value(0).toString();
            query.finish();
            QSqlQuery info(db);
            if (!info.exec(u"PRAGMA index_info(%1)"_s.arg(quoted(index))) || !info.next() ||
                info.value(2).toString().compare(u"subid"_s, Qt::CaseInsensitive) != 0)
                faults.push_back({u"subject"_s, u"表 subject"_s, u"索引 subId 不是按 subid 排序的"_s, false});
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
                faults.push_back({u"note"_s, u"表 note"_s,
                                  u"列 noteId 应为 INTEGER PRIMARY KEY，由数据库在添加行时编号"_s, false});
        }
        for (const QString &name : {u"optionid"_s, u"isright"_s}) {
            const auto c = columns.constFind(name);
            if (c != columns.constEnd() && !isZeroDefault(c->defaultValue))
                faults.push_back({u"note"_s, u"表 note"_s, u"列 %1 的默认值应为 0"_s.arg(c->name), false});
        }
    }
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

Value Value::fromJson(const QJsonValue &value)
{
    Value v;
    switch (value.type()) {
    case QJsonValue::Null: v.kind = Kind::Null; break;
    case QJsonValue::Double: {
        // A whole number that fits 64 bits is kept exactly as written, the
        // largest ones included.
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong) {
            v.kind = Kind::Integer;
            v.integer = number.toLongLong();
            v.number = value.toDouble();
        } else {
            v = fromDouble(value.toDouble());
        }
        break;
    }
    case QJsonValue::String:
        v.kind = Kind::Text;
        v.text = value.toString();
        break;
    case QJsonValue::Bool:
        v.kind = Kind::Other;
        v.text = value.toBool() ? u"布尔值 true"_s : u"布尔值 false"_s;
        break;
    case QJsonValue::Array:
        v.kind = Kind::Other;
        v.text = u"数组"_s;
        break;
    case QJsonValue::Object:
        v.kind = Kind::Other;
        v.text = u"对象"_s;
        break;
    default: v.kind = Kind::Missing; break;
    }
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
    case Kind::Number: return u"数字 %1"_s.arg(numberText(number));
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

bool isSqliteFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

RawBank readRawBank(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(u"无法读取 %1：%2"_s.arg(path, file.errorString()));
    const QByteArray head = file.peek(16);
    if (head == QByteArray("SQLite format 3\0", 16)) {
        file.close();
        return readRawDatabase(path);
    }
    return parseRawJson(file.readAll(), path);
}

QJsonObject parseJsonObject(const QByteArray &json, const QString &source)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(json, error.offset);
        throw AppError(u"%1：第 %2 行第 %3 列：JSON 格式错误：%4"_s.arg(source).arg(line).arg(column).arg(
            error.errorString()));
    }
    if (!document.isObject())
        throw AppError(u"%1：顶层：应为对象"_s.arg(source));
    return document.object();
}

RawBank parseRawJson(const QByteArray &json, const QString &source)
{
    const QJsonObject root = parseJsonObject(json, source);
    for (const QString &list : {u"sorts"_s, u"questions"_s}) {
        if (!root.value(list).isArray())
            throw AppError(u"%1：顶层：字段“%2”应为数组，却是%3"_s.arg(
                source, list,
                root.contains(list) ? Value::fromJson(root.value(list)).describe() : u"缺少"_s));
    }

    RawBank bank;
    bank.source = RawBank::Source::Json;
    bank.file = source;
    const QJsonArray sorts = root.value(u"sorts"_s).toArray();
    for (qsizetype i = 0; i < sorts.size(); ++i)
        bank.sorts.push_back(readJsonSort(sorts.at(i), u"sorts[%1]"_s.arg(i), bank.structure));
    const QJsonArray questions = root.value(u"questions"_s).toArray();
    bank.questions.reserve(static_cast<size_t>(questions.size()));
    for (qsizetype i = 0; i < questions.size(); ++i)
        bank.questions.push_back(
            readJsonQuestion(questions.at(i), u"questions[%1]"_s.arg(i), bank.structure));
    return bank;
}

RawBank readRawDatabase(const QString &path)
{
    if (!isSqliteFile(path))
        throw AppError(u"%1 不是 SQLite 数据库"_s.arg(path));
    RawBank bank;
    bank.source = RawBank::Source::Database;
    bank.file = path;
    const ReadConnection connection(path);
    const QSqlDatabase db = connection.db();

    const TableReader sort(
        db, u"sort"_s,
        {u"sortId"_s, u"sortname"_s, u"scale0"_s, u"scale1"_s, u"scale2"_s, u"scale3"_s, u"scale4"_s}, path,
        bank.structure);
    const TableReader subject(db, u"subject"_s,
                              {u"subid"_s, u"subtitle"_s, u"subpic"_s, u"info"_s, u"typeId"_s, u"sortId"_s,
                               u"stid"_s, u"errorTimes"_s},
                              path, bank.structure);
    const TableReader options(db, u"options"_s, {u"subid"_s, u"optcontent"_s, u"optid"_s, u"iskey"_s}, path,
                              bank.structure);
    const TableReader note(db, u"note"_s, {u"noteId"_s, u"subid"_s, u"optionid"_s, u"isright"_s}, path,
                           bank.structure);
    checkStructure(db, subject, note, path, bank.structure);

    for (size_t row = 0; row < sort.rowCount(); ++row) {
        RawSort s;
        s.where = sort.where(row);
        s.sortId = sort.value(row, u"sortId"_s);
        s.sortname = sort.value(row, u"sortname"_s);
        for (size_t k = 0; k < 5; ++k)
            s.scale[k] = sort.value(row, u"scale%1"_s.arg(k));
        bank.sorts.push_back(std::move(s));
    }

    QMultiHash<qint64, size_t> questionsOf; // subid -> the questions with it
    bank.questions.reserve(subject.rowCount());
    for (size_t row = 0; row < subject.rowCount(); ++row) {
        RawQuestion q;
        q.where = subject.where(row);
        q.subid = subject.value(row, u"subid"_s);
        q.typeId = subject.value(row, u"typeId"_s);
        q.sortId = subject.value(row, u"sortId"_s);
        q.stid = subject.value(row, u"stid"_s);
        q.subtitle = subject.value(row, u"subtitle"_s);
        q.subpic = subject.value(row, u"subpic"_s);
        q.info = subject.value(row, u"info"_s);
        q.errorTimes = subject.value(row, u"errorTimes"_s);
        if (q.subid.isInteger())
            questionsOf.insert(q.subid.integer, bank.questions.size());
        bank.questions.push_back(std::move(q));
    }

    // Without a subid column on both sides no option can be matched; the
    // missing column is the one fault to report then.
    bank.optionsMatched = subject.columns().contains(u"subid"_s) && options.columns().contains(u"subid"_s);
    for (size_t row = 0; bank.optionsMatched && row < options.rowCount(); ++row) {
        RawOption o;
        o.where = options.where(row);
        o.subid = options.value(row, u"subid"_s);
        o.optid = options.value(row, u"optid"_s);
        o.optcontent = options.value(row, u"optcontent"_s);
        o.iskey = options.value(row, u"iskey"_s);
        // As the program's filter subid=<n> delivers them: to every
        // question with that subid (there should be one).
        const QList<size_t> owners =
            o.subid.isInteger() ? questionsOf.values(o.subid.integer) : QList<size_t>();
        if (owners.isEmpty())
            bank.strayOptions.push_back(std::move(o));
        for (const size_t owner : owners)
            bank.questions[owner].options.push_back(o);
    }
    return bank;
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

bool namesPicture(const Value &subpic)
{
    // As the program reads it: exactly "NULL", or nothing but blanks.
    return subpic.isText() && subpic.text != u"NULL"_s && !subpic.text.trimmed().isEmpty();
}

} // namespace qbank
