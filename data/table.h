#pragma once

#include "filter.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class QSqlQuery;

namespace data {

// A cursor on one table of the question bank: the rows that pass its filter,
// in its sort order, with one current row. Writes go to the database at once.
//
// Rows come in a defined order: the sort order when one is set, then the
// columns of the index the table was opened with, then insertion order.
// Column names are matched without regard to case.
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
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
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
    void post();
    void cancel();
    void remove(); // deletes the current row; the next one becomes current

    QStringList columns() const { return m_columns; }
    // The column's name as the table spells it; throws for an unknown name.
    QString column(const QString &name) const;

private:
    enum class State { Browse, Edit, Insert };

    void requireOpen() const;
    void requireRow() const;
    void checkBrowseMode();
    void reload(qint64 keepRowId = -1);
    QString selectRowsSql(const QString &extraCondition = QString()) const;
    QString orderBy() const;
    void bindFilter(QSqlQuery &query) const;
    const std::vector<QVariant> &currentRow() const;
    qint64 currentRowId() const;
    QString where() const;
    [[noreturn]] void fail(const QString &what) const;

    QString m_connection;
    QString m_table;
    QString m_indexName;
    bool m_open = false;

    QStringList m_columns;
    QHash<QString, int> m_columnIndex; // lower-case name -> position
    QStringList m_indexColumns;

    QString m_filterText;
    Filter m_filter;
    bool m_filtered = false;
    QString m_sortText;
    SortOrder m_sort;

    std::vector<qint64> m_rowIds;
    mutable QHash<qint64, int> m_positionOf; // built on the first locate
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;

    State m_state = State::Browse;
    QHash<int, QVariant> m_buffer; // column position -> value being written

    mutable qint64 m_cachedRowId = -1;
    mutable std::vector<QVariant> m_cachedRow;
};

} // namespace data
