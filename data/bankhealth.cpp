#include "bankhealth.h"

#include "logging.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace data {
namespace {

quint32 bigEndian(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

BankHealth damaged(const QString &detail)
{
    return {BankHealth::State::Damaged, detail};
}

// What the header tells: an SQLite file, and as long as it says.
BankHealth inspectHeader(const QString &file, qint64 size)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return damaged(u"无法读取（%1）"_s.arg(in.errorString()));
    const QByteArray header = in.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return damaged(u"不是 SQLite 数据库"_s);
    const quint32 pageSize = bigEndian(header, 16, 2) == 1 ? 65536 : bigEndian(header, 16, 2);
    const quint32 pages = bigEndian(header, 28, 4);
    // The page count is valid while the number beside it matches the
    // change counter (SQLite 3.7.0 and later).
    const bool countValid = bigEndian(header, 92, 4) == bigEndian(header, 24, 4);
    const qint64 expected = static_cast<qint64>(pageSize) * pages;
    if (countValid && pages > 0 && size < expected)
        return damaged(u"文件不完整（只有 %1 字节，应有 %2 字节）"_s.arg(size).arg(expected));
    return {};
}

BankHealth inspectContent(const QString &file, bool writable, bool thorough)
{
    const QString name = u"inspect-"_s + QUuid::createUuid().toString(QUuid::Id128);
    BankHealth health;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(file);
        if (!writable)
            db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (!db.open()) {
            health = damaged(db.lastError().text());
        } else {
            QSqlQuery query(db);
            if (thorough && !query.exec(u"PRAGMA quick_check"_s)) {
                health = damaged(query.lastError().text());
            } else if (thorough) {
                QStringList problems;
                while (query.next() && problems.size() < 3)
                    problems << query.value(0).toString();
                if (problems != QStringList{u"ok"_s})
                    health = damaged(u"SQLite 检查出错：%1"_s.arg(problems.join(u"；"_s)));
            }
            if (health.sound()) {
                QStringList missing{u"subject"_s, u"options"_s, u"sort"_s, u"note"_s};
                if (!query.exec(u"SELECT lower(name) FROM sqlite_master WHERE type = 'table'"_s))
                    health = damaged(query.lastError().text());
                while (query.next())
                    missing.removeAll(query.value(0).toString());
                if (health.sound() && !missing.isEmpty())
                    health = damaged(u"不是题库（没有表 %1）"_s.arg(missing.join(u"、"_s)));
            }
            query = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return health;
}

} // namespace

BankHealth inspectBank(const QString &file, bool thorough)
{
    const QFileInfo info(file);
    if (!info.exists())
        return {BankHealth::State::Missing, u"文件不存在"_s};
    if (!info.isFile())
        return damaged(u"不是文件"_s);
    if (info.size() == 0)
        return {BankHealth::State::Empty, u"文件是空的（0 字节）"_s};
    BankHealth health = inspectHeader(file, info.size());
    if (health.sound())
        health = inspectContent(file, info.isWritable(), thorough);
    if (!health.sound())
        qCInfo(lcData).noquote() << u"题库 %1 不能使用：%2"_s.arg(file, health.detail);
    return health;
}

} // namespace data
