#include "table.h"

#include "apperror.h"
#include "connection.h"
#include "dbmessages.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace data {
namespace {

QString quoted(const QString &name)
{
    QString text = name;
    text.replace(u'"', u"\"\""_s);
    return u'"' + text + u'"';
}

bool isWholeNumber(const QVariant &value, qint64 *out)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        *out = value.toLongLong();
        return true;
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (d != static_cast<double>(static_cast<qint64>(d)))
            return false;
        *out = static_cast<qint64>(d);
        return true;
    }
    default: {
        bool ok = false;
        *out = value.toString().trimmed().toLongLong(&ok);
        return ok;
    }
    }
}

// The current row of a stale cursor: not looked up yet, or no row at all.
constexpr qint64 kUnknown = -1;
constexpr qint64 kNone = -2;

} // namespace

Table::Table(const QString &tableName) : m_table(tableName) {}

Table::~Table()
{
    // Nothing may escape a destructor: what was not posted is dropped.
    m_state = State::Browse;
    m_buffer.clear();
    forgetStatements();
    m_open = false;
}

void Table::setConnectionString(const QString &connection)
{
    if (m_open)
        fail(u"打开时不能更换连接"_s);
    m_connection = connection;
}

void Table::setTableName(const QString &name)
{
    if (m_open)
        fail(u"打开时不能更换表名"_s);
    m_table = name;
}

void Table::setIndexName(const QString &name)
{
    if (m_open)
        fail(u"打开时不能更换索引"_s);
    m_indexName = name;
}

void Table::open()
{
    if (m_open)
        return;
    if (m_table.isEmpty())
        throw AppError(u"没有指定要打开的表"_s);
    QSqlDatabase db = database(m_connection);

    QStringList columns;
    {
        QSqlQuery query(db);
        if (!query.exec(u"PRAGMA table_info(%1)"_s.arg(quoted(m_table))))
            failDb(u"无法读取表结构"_s, query.lastError());
        while (query.next())
            columns << query.value(1).toString();
    }
    if (columns.isEmpty())
        throw AppError(u"题库中没有表 %1"_s.arg(m_table));

    QStringList indexColumns;
    if (!m_indexName.isEmpty()) {
        QSqlQuery query(db);
        query.prepare(u"SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE "
                      "AND tbl_name = ? COLLATE NOCASE"_s);
        query.addBindValue(m_indexName);
        query.addBindValue(m_table);
        if (!query.exec() || !query.next())
            throw AppError(u"表 %1 没有索引 %2"_s.arg(m_table, m_indexName));
        query.finish();
        if (!query.exec(u"PRAGMA index_info(%1)"_s.arg(quoted(m_indexName))))
            failDb(u"无法读取索引 %1"_s.arg(m_indexName), query.lastError());
        while (query.next())
            indexColumns << query.value(2).toString();
    }

    QHash<QString, int> index;
    for (int i = 0; i < columns.size(); ++i)
        index.insert(columns[i].toLower(), i);

    m_columns = columns;
    m_columnIndex = index;
    m_indexColumns = indexColumns;
    std::vector<int> filterColumns;
    try {
        for (const Comparison &c : m_filter.comparisons)
            filterColumns.push_back(position(c.column));
        if (!m_sort.column.isEmpty())
            column(m_sort.column);
    } catch (...) {
        m_columns.clear();
        m_columnIndex.clear();
        throw;
    }
    m_filterColumns = std::move(filterColumns);
    m_open = true;
    forgetStatements();
    markStale();
}

void Table::close()
{
    if (!m_open)
        return;
    checkBrowseMode();
    m_open = false;
    markStale();
    forgetStatements();
}

int Table::position(const QString &name) const
{
    const auto found = m_columnIndex.constFind(name.toLower());
    if (found == m_columnIndex.constEnd())
        throw AppError(u"表 %1 中没有列 %2"_s.arg(m_table, name));
    return found.value();
}

QString Table::column(const QString &name) const
{
    const auto found = m_columnIndex.constFind(name.toLower());
    if (found == m_columnIndex.constEnd())
        throw AppError(u"表 %1 中没有列 %2"_s.arg(m_table, name));
    return m_columns.at(found.value());
}

void Table::setFilter(const QString &expression)
{
    Filter parsed = parseFilter(expression);
    std::vector<int> positions;
    if (m_open) {
        for (const Comparison &c : parsed.comparisons)
            positions.push_back(position(c.column));
        checkBrowseMode();
    }
    m_filterText = expression;
    m_filter = std::move(parsed);
    m_filterColumns = std::move(positions);
    if (m_open && m_filtered)
        markStale();
}

void Table::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    if (m_open)
        checkBrowseMode();
    m_filtered = on;
    if (m_open)
        markStale();
}

void Table::setSort(const QString &order)
{
    SortOrder parsed = parseSortOrder(order);
    if (m_open) {
        if (!parsed.column.isEmpty())
            column(parsed.column);
        checkBrowseMode();
    }
    const bool sameOrder = parsed.column.compare(m_sort.column, Qt::CaseInsensitive) == 0
                           && parsed.descending == m_sort.descending;
    // The current row stays current in the new order. A stale cursor on its
    // first row under the same order stays there without looking it up.
    qint64 keep = -1;
    if (m_open && !(m_stale && m_atFirst && sameOrder)) {
        if (m_stale)
            keep = resolveCurrent() ? m_rowId : -1;
        else
            keep = m_pos >= 0 ? m_rowIds[static_cast<size_t>(m_pos)] : -1;
    }
    m_sortText = order;
    m_sort = parsed;
    orderChanged();
    if (m_open)
        markStale(keep);
}

QString Table::where() const
{
    if (!m_filtered || m_filter.comparisons.empty())
        return QString();
    QStringList parts;
    for (const Comparison &c : m_filter.comparisons) {
        if (!c.among.empty()) {
            QStringList marks(static_cast<qsizetype>(c.among.size()), u"?"_s);
            parts << quoted(column(c.column)) + u" IN ("_s + marks.join(u", "_s) + u')';
        } else {
            parts << quoted(column(c.column)) + (c.atLeast ? u" >= ?"_s : u" = ?"_s);
        }
    }
    return parts.join(u" AND "_s);
}

int Table::bindFilter(QSqlQuery &query) const
{
    int position = 0;
    if (!m_filtered)
        return position;
    for (const Comparison &c : m_filter.comparisons) {
        if (c.among.empty())
            query.bindValue(position++, c.value);
        for (const qint64 value : c.among)
            query.bindValue(position++, value);
    }
    return position;
}

QString Table::orderBy() const
{
    QStringList order;
    if (!m_sort.column.isEmpty())
        order << quoted(column(m_sort.column)) + (m_sort.descending ? u" DESC"_s : QString());
    for (const QString &c : m_indexColumns)
        order << quoted(c);
    order << u"rowid"_s;
    return u" ORDER BY "_s + order.join(u", "_s);
}

QString Table::fromWhere(const QString &extraCondition) const
{
    QStringList conditions;
    const QString filterCondition = where();
    if (!filterCondition.isEmpty())
        conditions << filterCondition;
    if (!extraCondition.isEmpty())
        conditions << extraCondition;
    return u" FROM %1%2"_s.arg(quoted(m_table),
                               conditions.isEmpty() ? QString() : u" WHERE "_s + conditions.join(u" AND "_s));
}

QSqlQuery &Table::prepared(const QString &sql) const
{
    // Held by pointer: a reference handed out stays valid while other
    // statements are added.
    std::shared_ptr<QSqlQuery> &held = m_statements[sql];
    if (!held) {
        auto query = std::make_shared<QSqlQuery>(database(m_connection));
        query->setForwardOnly(true);
        if (!query->prepare(sql)) {
            const QSqlError why = query->lastError();
            m_statements.remove(sql);
            failDb(u"无法读取"_s, why);
        }
        held = std::move(query);
    }
    return *held;
}

template <class MakeSql>
QSqlQuery &Table::shaped(QSqlQuery *&slot, MakeSql makeSql) const
{
    if (!slot)
        slot = &prepared(makeSql());
    return *slot;
}

Table::Shaped &Table::shapedStatements() const
{
    ShapeKey key;
    if (m_filtered) {
        for (size_t i = 0; i < m_filter.comparisons.size(); ++i)
            key.compared.emplace_back(m_filterColumns.at(i), m_filter.comparisons[i].atLeast,
                                      m_filter.comparisons[i].among.size());
    }
    if (!m_sort.column.isEmpty()) {
        key.sort = m_orderColumns.empty() ? -1 : m_orderColumns.front();
        key.descending = m_sort.descending;
    }
    if (!m_shaped.shaped || !(m_shaped.key == key)) {
        m_shaped.reset();
        m_shaped.shaped = true;
        m_shaped.key = std::move(key);
    }
    return m_shaped;
}

void Table::orderChanged()
{
    m_orderColumns.clear();
    if (!m_open)
        return;
    const auto add = [this](const QString &name) {
        const int c = position(name);
        if (std::find(m_orderColumns.begin(), m_orderColumns.end(), c) == m_orderColumns.end())
            m_orderColumns.push_back(c);
    };
    if (!m_sort.column.isEmpty())
        add(m_sort.column);
    for (const QString &c : std::as_const(m_indexColumns))
        add(c);
}

int Table::orderSlot(int column) const
{
    for (size_t j = 0; j < m_orderColumns.size(); ++j) {
        if (m_orderColumns[j] == column)
            return static_cast<int>(j);
    }
    return -1;
}

void Table::forgetStatements()
{
    m_shaped.reset();
    orderChanged();
    m_rowQuery = nullptr;
    m_deleteQuery = nullptr;
    m_writeQueries.clear();
    m_statements.clear();
}

void Table::run(QSqlQuery &query, const QString &what) const
{
    if (!query.exec()) {
        const QSqlError why = query.lastError();
        query.finish();
        failDb(what, why);
    }
}

void Table::markStale(qint64 keepRowId)
{
    m_stale = true;
    m_rowIds.clear();
    m_orderValues.clear();
    m_count.reset();
    m_positionOf.clear();
    m_pos = -1;
    m_atFirst = keepRowId < 0;
    m_rowId = keepRowId < 0 ? kUnknown : keepRowId;
    m_eof = m_bof = Edge::IfEmpty;
    m_cachedRowId = -1;
}

void Table::ensureRows() const
{
    if (!m_stale)
        return;
    QSqlQuery &query = shaped(shapedStatements().list, [this] {
        QString columns = u"rowid"_s;
        for (const int c : m_orderColumns)
            columns += u", "_s + quoted(m_columns.at(c));
        return u"SELECT "_s + columns + fromWhere() + orderBy();
    });
    bindFilter(query);
    run(query, u"无法读取"_s);
    const int k = static_cast<int>(m_orderColumns.size());
    std::vector<qint64> rows;
    std::vector<QVariant> values;
    if (m_count) {
        rows.reserve(static_cast<size_t>(*m_count));
        values.reserve(static_cast<size_t>(*m_count) * static_cast<size_t>(k));
    }
    while (query.next()) {
        rows.push_back(query.value(0).toLongLong());
        for (int j = 1; j <= k; ++j)
            values.push_back(query.value(j));
    }
    query.finish();

    m_rowIds = std::move(rows);
    m_orderValues = std::move(values);
    m_stale = false;
    m_count.reset();
    m_positionOf.clear();
    m_pos = m_rowIds.empty() ? -1 : 0;
    if (!m_atFirst) {
        const auto found = std::find(m_rowIds.begin(), m_rowIds.end(), m_rowId);
        if (found != m_rowIds.end())
            m_pos = static_cast<int>(found - m_rowIds.begin());
    }
}

bool Table::resolveCurrent() const
{
    if (!m_stale)
        return m_pos >= 0 && !m_rowIds.empty();
    if (m_rowId == kUnknown) {
        QSqlQuery &query =
            shaped(shapedStatements().first, [this] { return u"SELECT rowid"_s + fromWhere() + orderBy() + u" LIMIT 1"_s; });
        bindFilter(query);
        run(query, u"无法读取"_s);
        m_rowId = query.next() ? query.value(0).toLongLong() : kNone;
        query.finish();
    }
    return m_rowId >= 0;
}

bool Table::edge(Edge e) const
{
    if (!m_open)
        return true;
    switch (e) {
    case Edge::No: return false;
    case Edge::Yes: return true;
    case Edge::IfEmpty: return !resolveCurrent();
    }
    return true;
}

bool Table::eof() const
{
    return edge(m_eof);
}

bool Table::bof() const
{
    return edge(m_bof);
}

bool Table::passesFilter(qint64 rowId) const
{
    if (where().isEmpty())
        return true;
    QSqlQuery &query = shaped(shapedStatements().passes, [this] { return u"SELECT 1"_s + fromWhere(u"rowid = ?"_s); });
    query.bindValue(bindFilter(query), rowId);
    run(query, u"无法读取"_s);
    const bool passes = query.next();
    query.finish();
    return passes;
}

void Table::readRows()
{
    requireOpen();
    checkBrowseMode();
    ensureRows();
}

void Table::clear()
{
    requireOpen();
    checkBrowseMode();
    prepareForWriting(m_connection);
    QSqlQuery &query = prepared(u"DELETE"_s + fromWhere());
    bindFilter(query);
    run(query, u"无法删除"_s);
    query.finish();
    markStale();
}

void Table::first()
{
    requireOpen();
    checkBrowseMode();
    if (m_stale) {
        if (!m_atFirst) {
            m_atFirst = true;
            m_rowId = kUnknown;
        }
        m_eof = Edge::IfEmpty;
    } else {
        m_pos = m_rowIds.empty() ? -1 : 0;
        m_eof = m_rowIds.empty() ? Edge::Yes : Edge::No;
    }
    m_bof = Edge::Yes;
}

void Table::last()
{
    requireOpen();
    checkBrowseMode();
    ensureRows();
    m_pos = static_cast<int>(m_rowIds.size()) - 1;
    m_eof = m_bof = m_rowIds.empty() ? Edge::Yes : Edge::No;
}

void Table::next()
{
    requireOpen();
    checkBrowseMode();
    ensureRows();
    if (m_pos + 1 < static_cast<int>(m_rowIds.size())) {
        ++m_pos;
        m_eof = m_bof = Edge::No;
    } else {
        m_eof = Edge::Yes;
    }
}

void Table::prior()
{
    requireOpen();
    checkBrowseMode();
    ensureRows();
    if (m_pos > 0) {
        --m_pos;
        m_eof = m_bof = Edge::No;
    } else {
        m_bof = Edge::Yes;
    }
}

void Table::moveBy(int rows)
{
    requireOpen();
    checkBrowseMode();
    if (rows == 0)
        return;
    ensureRows();
    if (m_rowIds.empty())
        return;
    const qint64 target = static_cast<qint64>(m_pos) + rows;
    const qint64 lastPos = static_cast<qint64>(m_rowIds.size()) - 1;
    if (target > lastPos) {
        m_pos = static_cast<int>(lastPos);
        m_eof = Edge::Yes;
        m_bof = Edge::No;
    } else if (target < 0) {
        m_pos = 0;
        m_bof = Edge::Yes;
        m_eof = Edge::No;
    } else {
        m_pos = static_cast<int>(target);
        m_eof = m_bof = Edge::No;
    }
}

void Table::setRecNo(int recNo)
{
    requireOpen();
    checkBrowseMode();
    ensureRows();
    if (recNo < 1 || recNo > static_cast<int>(m_rowIds.size()))
        fail(u"没有第 %1 行（共 %2 行）"_s.arg(recNo).arg(m_rowIds.size()));
    m_pos = recNo - 1;
    m_eof = m_bof = Edge::No;
}

int Table::recordCount() const
{
    requireOpen();
    if (!m_stale)
        return static_cast<int>(m_rowIds.size());
    if (!m_count) {
        QSqlQuery &query = shaped(shapedStatements().count, [this] { return u"SELECT count(*)"_s + fromWhere(); });
        bindFilter(query);
        run(query, u"无法读取"_s);
        m_count = query.next() ? query.value(0).toInt() : 0;
        query.finish();
    }
    return *m_count;
}

int Table::recNo() const
{
    requireOpen();
    if (m_stale) {
        if (m_atFirst)
            return resolveCurrent() ? 1 : 0;
        ensureRows();
    }
    return m_pos + 1;
}

qint64 Table::currentRowId() const
{
    requireRow();
    return m_stale ? m_rowId : m_rowIds[static_cast<size_t>(m_pos)];
}

const std::vector<QVariant> &Table::currentRow() const
{
    const qint64 rowId = currentRowId();
    if (rowId == m_cachedRowId)
        return m_cachedRow;
    QSqlQuery &query = shaped(m_rowQuery, [this] {
        QStringList names;
        for (const QString &c : m_columns)
            names << quoted(c);
        return u"SELECT %1 FROM %2 WHERE rowid = ?"_s.arg(names.join(u", "_s), quoted(m_table));
    });
    query.bindValue(0, rowId);
    run(query, u"无法读取"_s);
    if (!query.next()) {
        query.finish();
        fail(u"当前行已不存在"_s);
    }
    std::vector<QVariant> row;
    row.reserve(static_cast<size_t>(m_columns.size()));
    for (int i = 0; i < m_columns.size(); ++i)
        row.push_back(query.value(i));
    query.finish();
    m_cachedRow = std::move(row);
    m_cachedRowId = rowId;
    return m_cachedRow;
}

QVariant Table::value(const QString &name) const
{
    requireOpen();
    const int index = position(name);
    if (m_state != State::Browse) {
        const auto found = m_buffer.constFind(index);
        if (found != m_buffer.constEnd())
            return found.value();
        if (m_state == State::Insert)
            return QVariant();
    }
    if (!m_stale && m_pos >= 0) {
        const int j = orderSlot(index);
        if (j >= 0)
            return m_orderValues[static_cast<size_t>(m_pos) * m_orderColumns.size() + static_cast<size_t>(j)];
    }
    return currentRow().at(static_cast<size_t>(index));
}

qint64 Table::asInt(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        fail(u"第 %1 行的列 %2 为空，应为整数"_s.arg(recNo()).arg(column(name)));
    qint64 number = 0;
    if (!isWholeNumber(v, &number))
        fail(u"第 %1 行的列 %2 的值“%3”不是整数"_s.arg(recNo()).arg(column(name), v.toString()));
    return number;
}

QString Table::asText(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        fail(u"第 %1 行的列 %2 为空"_s.arg(recNo()).arg(column(name)));
    return v.toString();
}

bool Table::locate(const QString &name, qint64 value)
{
    requireOpen();
    checkBrowseMode();
    // In the order of the rows, so that the first match is the first row.
    const int c = position(name);
    QSqlQuery &query = shaped(shapedStatements().locate[c], [this, c] {
        return u"SELECT rowid"_s + fromWhere(quoted(m_columns.at(c)) + u" = ?"_s) + orderBy() + u" LIMIT 1"_s;
    });
    query.bindValue(bindFilter(query), value);
    run(query, u"无法查找"_s);
    if (!query.next()) {
        query.finish();
        return false;
    }
    const qint64 rowId = query.value(0).toLongLong();
    query.finish();

    if (m_stale) {
        // Its position is looked up only when the cursor moves from it.
        m_atFirst = false;
        m_rowId = rowId;
    } else {
        if (m_positionOf.isEmpty()) {
            m_positionOf.reserve(static_cast<qsizetype>(m_rowIds.size()));
            for (size_t i = 0; i < m_rowIds.size(); ++i)
                m_positionOf.insert(m_rowIds[i], static_cast<int>(i));
        }
        const auto found = m_positionOf.constFind(rowId);
        if (found == m_positionOf.constEnd())
            return false; // written after this cursor read its rows
        m_pos = found.value();
    }
    m_eof = m_bof = Edge::No;
    return true;
}

void Table::append()
{
    requireOpen();
    checkBrowseMode();
    m_state = State::Insert;
    m_buffer.clear();
}

void Table::edit()
{
    requireOpen();
    if (m_state != State::Browse)
        return;
    requireRow();
    m_state = State::Edit;
    m_buffer.clear();
}

void Table::setValue(const QString &name, const QVariant &value)
{
    requireOpen();
    if (m_state == State::Browse)
        fail(u"不在编辑状态，不能写入列 %1"_s.arg(name));
    m_buffer.insert(position(name), value);
}

void Table::post()
{
    requireOpen();
    if (m_state == State::Browse)
        return;
    prepareForWriting(m_connection);
    const State state = m_state;
    const QHash<int, QVariant> buffer = m_buffer;
    m_state = State::Browse;
    m_buffer.clear();

    // The columns in table order, so that the same columns always make the
    // same statement.
    std::vector<int> written;
    quint64 key = state == State::Insert ? 1 : 0;
    for (auto it = buffer.constBegin(); it != buffer.constEnd(); ++it)
        written.push_back(it.key());
    std::sort(written.begin(), written.end());
    for (const int c : written)
        key |= c < 63 ? quint64(2) << c : 0;
    const bool cached = written.empty() || written.back() < 63;
    const auto statement = [&](const auto &makeSql) -> QSqlQuery & {
        if (!cached)
            return prepared(makeSql());
        return shaped(m_writeQueries[key], makeSql);
    };
    const auto names = [&] {
        QStringList list;
        for (const int c : written)
            list << quoted(m_columns.at(c));
        return list;
    };

    if (state == State::Insert) {
        QSqlQuery &query = statement([&] {
            const QStringList columns = names();
            if (columns.isEmpty())
                return u"INSERT INTO %1 DEFAULT VALUES"_s.arg(quoted(m_table));
            QStringList marks;
            for (qsizetype i = 0; i < columns.size(); ++i)
                marks << u"?"_s;
            return u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(quoted(m_table), columns.join(u", "_s),
                                                            marks.join(u", "_s));
        });
        for (size_t i = 0; i < written.size(); ++i)
            query.bindValue(static_cast<int>(i), buffer.value(written[i]));
        run(query, u"无法添加行"_s);
        const qint64 rowId = query.lastInsertId().toLongLong();
        query.finish();
        // The new row is current when it passes the filter, else the first.
        markStale(passesFilter(rowId) ? rowId : -1);
        return;
    }
    if (written.empty())
        return;
    const qint64 rowId = currentRowId();
    QSqlQuery &query = statement([&] {
        QStringList sets;
        for (const QString &n : names())
            sets << n + u" = ?"_s;
        return u"UPDATE %1 SET %2 WHERE rowid = ?"_s.arg(quoted(m_table), sets.join(u", "_s));
    });
    int position = 0;
    for (const int c : written)
        query.bindValue(position++, buffer.value(c));
    query.bindValue(position, rowId);
    run(query, u"无法保存第 %1 行"_s.arg(recNo()));
    const int changed = query.numRowsAffected();
    query.finish();
    m_cachedRowId = -1;
    if (changed > 0 && !m_stale && m_pos >= 0) {
        for (const int c : written) {
            const int j = orderSlot(c);
            if (j >= 0)
                m_orderValues[static_cast<size_t>(m_pos) * m_orderColumns.size() + static_cast<size_t>(j)] =
                    buffer.value(c);
        }
    }
    if (changed == 0)
        fail(u"无法保存第 %1 行：这一行已不在题库中（题库可能被另一个正在运行的程序改写了），什么也没有保存"_s
                 .arg(recNo()));
}

void Table::cancel()
{
    m_state = State::Browse;
    m_buffer.clear();
}

void Table::remove()
{
    requireOpen();
    if (m_state != State::Browse) {
        const bool inserting = m_state == State::Insert;
        cancel();
        if (inserting)
            return;
    }
    ensureRows();
    const qint64 rowId = currentRowId();
    prepareForWriting(m_connection);
    QSqlQuery &query = shaped(m_deleteQuery, [this] { return u"DELETE FROM %1 WHERE rowid = ?"_s.arg(quoted(m_table)); });
    query.bindValue(0, rowId);
    run(query, u"无法删除第 %1 行"_s.arg(recNo()));
    const int changed = query.numRowsAffected();
    query.finish();
    if (changed == 0) {
        const int row = recNo();
        markStale();
        fail(u"无法删除第 %1 行：这一行已不在题库中（题库可能被另一个正在运行的程序改写了）"_s.arg(row));
    }
    m_rowIds.erase(m_rowIds.begin() + m_pos);
    const auto k = static_cast<qsizetype>(m_orderColumns.size());
    m_orderValues.erase(m_orderValues.begin() + m_pos * k, m_orderValues.begin() + (m_pos + 1) * k);
    m_positionOf.clear();
    m_cachedRowId = -1;
    if (m_pos >= static_cast<int>(m_rowIds.size()))
        m_pos = static_cast<int>(m_rowIds.size()) - 1;
    m_eof = m_bof = m_rowIds.empty() ? Edge::Yes : Edge::No;
}

void Table::checkBrowseMode()
{
    if (m_state != State::Browse)
        post();
}

void Table::requireOpen() const
{
    if (!m_open)
        throw AppError(u"表 %1 没有打开"_s.arg(m_table.isEmpty() ? u"（未命名）"_s : m_table));
}

void Table::requireRow() const
{
    requireOpen();
    if (!resolveCurrent())
        fail(u"没有当前行（没有符合条件的行）"_s);
}

void Table::fail(const QString &what) const
{
    throw AppError(u"表 %1：%2"_s.arg(m_table, what));
}

void Table::failDb(const QString &what, const QSqlError &error) const
{
    throw AppError(u"表 %1："_s.arg(m_table) + dbMessage(what, databaseFile(m_connection), error));
}

} // namespace data
