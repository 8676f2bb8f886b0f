#pragma once

#include "filter.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

class QSqlError;
class QSqlQuery;

namespace data {

// A cursor on one table of the question bank: the rows that pass its filter,
// in its sort order, with one current row. Writes go to the database at once.
//
// Rows come in a defined order: the sort order when one is set, then the
// columns of the index the table was opened with, then insertion order.
// Column names are matched without regard to case.
//
// The cursor reads its rows when they are next needed, not when its filter or
// sort order changes: switching a filter off and on again costs nothing until
// the rows are read. What needs only the count, the first row or one located
// row asks the database for just that; the list of row ids is read when the
// cursor moves by position.
class Table {
public:
    explicit Table(const QString &tableName = QString());
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    void setConnectionString(const QString &connection);
    const QString &connectionString() const { return m_connection; }
    void setTableName(const QString &name);
    const QString &tableName() const { return m_table; }
    // The index whose columns order the rows (after the sort order).
    void setIndexName(const QString &name);

    void open();
    void close();
    bool isOpen() const { return m_open; }

    // Reads the rows now rather than when they are first needed: for a
    // caller about to move through them by position, which then has their
    // count without asking for it.
    void readRows();
    // Deletes every row that passes the filter, in one statement.
    void clear();

    // Setting a filter expression checks it at once (syntax, and the columns
    // when the table is open); a bad one throws and changes nothing.
    void setFilter(const QString &expression);
    const QString &filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }
    void setSort(const QString &order);
    const QString &sort() const { return m_sortText; }

    void first();
    void last();
    void next();  // past the last row: eof() becomes true, the row stays
    void prior();
    void moveBy(int rows); // stops at the first or last row
    void setRecNo(int recNo); // from 1
    bool eof() const;
    bool bof() const;
    int recordCount() const;
    int recNo() const; // from 1; 0 when there is no row

    // Reads a column of the current row; null stays null.
    QVariant value(const QString &column) const;
    // Typed readers: a null or a value that is not a whole number throws.
    qint64 asInt(const QString &column) const;
    QString asText(const QString &column) const;

    // Makes the first row whose column equals the value current.
    bool locate(const QString &column, qint64 value);

    void append();
    void edit();
    void setValue(const QString &column, const QVariant &value);
    // Writes the row being edited or appended. A row that has gone from the
    // table meanwhile (another program rewrote it) is an error, never a
    // silent success.
    void post();
    void cancel();
    void remove(); // deletes the current row; the next one becomes current

    QStringList columns() const { return m_columns; }
    // The column's name as the table spells it; throws for an unknown name.
    QString column(const QString &name) const;
    // Its position in columns(); throws for an unknown name.
    int position(const QString &name) const;

private:
    enum class State { Browse, Edit, Insert };
    // eof() and bof(): set, clear, or true exactly when there is no row.
    enum class Edge { No, Yes, IfEmpty };
    // Statements of one filter shape and sort order, pointing into
    // m_statements.
    struct ShapeKey {
        // column, ">=", length of an "in" list (when filtered)
        std::vector<std::tuple<int, bool, size_t>> compared;
        int sort = -1;
        bool descending = false;
        bool operator==(const ShapeKey &other) const
        {
            return compared == other.compared && sort == other.sort && descending == other.descending;
        }
    };
    struct Shaped {
        bool shaped = false; // whether the statements are key's
        ShapeKey key;
        QSqlQuery *list = nullptr;   // the row ids in order
        QSqlQuery *count = nullptr;  // how many rows pass
        QSqlQuery *first = nullptr;  // the first row id
        QSqlQuery *passes = nullptr; // whether a row passes the filter
        QHash<int, QSqlQuery *> locate; // by column position
        // Points nowhere, for no shape yet.
        void reset()
        {
            shaped = false;
            key = {};
            list = count = first = passes = nullptr;
            locate.clear();
        }
    };

    void requireOpen() const;
    void requireRow() const;
    void checkBrowseMode();
    // Forget the rows read; the current row becomes the first one, or the
    // row `keepRowId` when it is given.
    void markStale(qint64 keepRowId = -1);
    // Reads the row ids when they are stale.
    void ensureRows() const;
    // Finds the current row's id without reading every row id; false when the
    // set is empty.
    bool resolveCurrent() const;
    bool edge(Edge e) const;
    bool passesFilter(qint64 rowId) const;
    int orderSlot(int column) const; // in m_orderColumns, or -1

    QSqlQuery &prepared(const QString &sql) const;
    // A statement of the current filter and sort order: prepared (or found
    // among those prepared) when first needed after they change.
    template <class MakeSql>
    QSqlQuery &shaped(QSqlQuery *&slot, MakeSql makeSql) const;
    // The statements of the current filter and sort order, after dropping
    // those of another shape (which columns are compared how, the order).
    Shaped &shapedStatements() const;
    void orderChanged();
    void forgetStatements();
    void run(QSqlQuery &query, const QString &what) const;
    QString fromWhere(const QString &extraCondition = QString()) const;
    QString orderBy() const;
    int bindFilter(QSqlQuery &query) const; // returns the next position
    const std::vector<QVariant> &currentRow() const;
    qint64 currentRowId() const;
    QString where() const;
    [[noreturn]] void fail(const QString &what) const;
    // A failed statement: what was done, then the cause in plain words.
    [[noreturn]] void failDb(const QString &what, const QSqlError &error) const;

    QString m_connection;
    QString m_table;
    QString m_indexName;
    bool m_open = false;

    QStringList m_columns;
    QHash<QString, int> m_columnIndex; // lower-case name -> position
    QStringList m_indexColumns;

    QString m_filterText;
    Filter m_filter;
    std::vector<int> m_filterColumns; // positions of m_filter's columns, when open
    bool m_filtered = false;
    QString m_sortText;
    SortOrder m_sort;

    // The rows: the list of row ids with the current position, or, while the
    // list is stale, only the current row (the first, or one by its id).
    mutable bool m_stale = true;
    mutable std::vector<qint64> m_rowIds;
    // The columns that order the rows are read with the row ids, so that
    // reading one of them needs no statement of its own: m_orderValues holds
    // m_orderColumns.size() values per row.
    std::vector<int> m_orderColumns;
    mutable std::vector<QVariant> m_orderValues;
    mutable std::optional<int> m_count; // known before the list is read
    mutable QHash<qint64, int> m_positionOf; // built on the first locate
    mutable int m_pos = -1;                  // in m_rowIds, when it is read
    mutable bool m_atFirst = true;           // stale: the current row is the first
    mutable qint64 m_rowId = -1;             // stale: the current row's id, -1 none
    Edge m_eof = Edge::IfEmpty;
    Edge m_bof = Edge::IfEmpty;

    State m_state = State::Browse;
    QHash<int, QVariant> m_buffer; // column position -> value being written

    mutable qint64 m_cachedRowId = -1;
    mutable std::vector<QVariant> m_cachedRow;
    // Statements prepared once per cursor, by their text, and those of the
    // current filter and sort order (pointing into m_statements).
    mutable QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    mutable Shaped m_shaped;
    mutable QSqlQuery *m_rowQuery = nullptr;    // a row's columns by row id
    mutable QSqlQuery *m_deleteQuery = nullptr;
    mutable QHash<quint64, QSqlQuery *> m_writeQueries; // by columns written, and whether inserted
};

} // namespace data
