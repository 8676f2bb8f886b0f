#include "ranking.h"

#include "apperror.h"
#include "connection.h"
#include "dbmessages.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace data {

std::optional<qint64> errorTimesAtRank(const QString &connection, int rank, const std::vector<qint64> &sortIds)
{
    QSqlQuery query(database(connection));
    query.setForwardOnly(true);
    QString where;
    if (!sortIds.empty())
        where = u" WHERE sortId IN (%1)"_s.arg(QStringList(static_cast<qsizetype>(sortIds.size()), u"?"_s).join(u','));
    const auto read = [&](const QString &sql, const QVariant &bound) -> std::optional<QVariant> {
        query.prepare(sql);
        for (const qint64 sortId : sortIds)
            query.addBindValue(sortId);
        if (bound.isValid())
            query.addBindValue(bound);
        if (!query.exec())
            throw AppError(u"表 subject："_s + dbMessage(u"无法读取"_s, databaseFile(connection), query.lastError()));
        if (!query.next())
            return std::nullopt;
        const QVariant value = query.value(0);
        query.finish();
        return value;
    };
    std::optional<QVariant> value =
        read(u"SELECT errorTimes FROM subject%1 ORDER BY errorTimes DESC LIMIT 1 OFFSET ?"_s.arg(where),
             std::max(rank, 1) - 1);
    // Fewer questions than the rank: the last one, the lowest count (a null
    // one, when there is one, comes last too).
    if (!value)
        value = read(u"SELECT errorTimes FROM subject%1 ORDER BY errorTimes ASC LIMIT 1"_s.arg(where), QVariant());
    if (!value)
        return std::nullopt;
    bool ok = false;
    const qint64 count = value->toLongLong(&ok);
    if (value->isNull() || !ok)
        throw AppError(u"表 subject：列 errorTimes 的值“%1”不是整数"_s.arg(value->toString()));
    return count;
}

} // namespace data
