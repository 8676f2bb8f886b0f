#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <vector>

namespace data {

// A row filter in the small language the windows use:
//   filter     := term { "and" term }
//   term       := comparison | "(" comparison ")"
//   comparison := column ( "=" | ">=" ) whole-number
//               | column "in" "(" whole-number { "," whole-number } ")"
// Keywords and column names are matched without regard to case.
struct Comparison {
    QString column;     // as written in the expression
    bool atLeast = false; // ">=" instead of "="
    qint64 value = 0;
    std::vector<qint64> among; // "in (...)": the column equals one of these
};

struct Filter {
    std::vector<Comparison> comparisons; // joined by "and"; empty = every row
};

// Parses a filter expression; throws AppError naming the expression, the
// position and what was expected.
Filter parseFilter(const QString &expression);

// Two filter expressions joined by "and"; either may be empty.
QString andFilter(const QString &first, const QString &second);

// A sort order: one column, ascending unless "DESC" follows.
struct SortOrder {
    QString column; // empty = no sort order
    bool descending = false;
};

SortOrder parseSortOrder(const QString &text);

} // namespace data
