#include "connection.h"

#include "apperror.h"
#include "dbmessages.h"
#include "logging.h"
#include "schema.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace data {
namespace {

QString g_connectionString;

// connection string -> name of the QSqlDatabase connection
QHash<QString, QString> &openConnections()
{
    static QHash<QString, QString> connections;
    return connections;
}

// Names of the connections whose bank may switch to the write-ahead journal
// at their first write, and of those that did; closing them switches it back.
QSet<QString> &writable()
{
    static QSet<QString> names;
    return names;
}
QSet<QString> &journalled()
{
    static QSet<QString> names;
    return names;
}

QHash<QString, QString> parseConnectionString(const QString &text)
{
    QHash<QString, QString> keys;
    const QStringList parts = text.split(u';', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq <= 0)
            throw AppError(u"连接字符串有误：“%1”不是“名称=值”的形式"_s.arg(part));
        keys.insert(part.left(eq).trimmed().toLower(), part.mid(eq + 1));
    }
    return keys;
}

} // namespace

QString buildConnectionString(const QString &programFolder)
{
    return u"Provider=SQLite;Data Source="_s + programFolder + u"data.db;Mode=ReadWrite;"_s;
}

const QString &connectionString()
{
    return g_connectionString;
}

void setConnectionString(const QString &text)
{
    g_connectionString = text;
}

QString databaseFile(const QString &connection)
{
    const auto keys = parseConnectionString(connection);
    const QString provider = keys.value(u"provider"_s);
    if (provider.compare(u"SQLite"_s, Qt::CaseInsensitive) != 0)
        throw AppError(u"连接字符串有误：不支持的数据提供程序“%1”"_s.arg(provider));
    const QString file = keys.value(u"data source"_s);
    if (file.isEmpty())
        throw AppError(u"连接字符串有误：没有指定题库文件（Data Source）"_s);
    return file;
}

QSqlDatabase database(const QString &connection)
{
    auto &connections = openConnections();
    const auto found = connections.constFind(connection);
    if (found != connections.constEnd())
        return QSqlDatabase::database(found.value(), false);

    const QString file = databaseFile(connection);
    const auto keys = parseConnectionString(connection);
    const bool readOnly = keys.value(u"mode"_s).compare(u"Read"_s, Qt::CaseInsensitive) == 0;

    // SQLite would silently create an empty database for a missing file.
    const QFileInfo info(file);
    if (!info.exists())
        throw AppError(u"找不到题库文件：%1。请学校管理员把题库放回原处，或者重新安装程序。"_s.arg(file));
    if (!info.isFile() || !info.isReadable())
        throw AppError(u"无法读取题库文件：%1（它不是文件，或者本账户没有读取权限）。请学校管理员检查文件的权限。"_s.arg(file));
    qCDebug(lcData).noquote() << u"opening"_s << file;

    const QString name = u"bank-%1"_s.arg(connections.size() + 1);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(file);
        if (readOnly)
            db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (!db.open()) {
            const QString why = dbMessage(u"无法打开题库"_s, file, db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw AppError(why);
        }
        // A damaged file or one that is not SQLite opens without complaint;
        // the first read tells.
        QSqlQuery probe(db);
        if (!probe.exec(u"SELECT count(*) FROM sqlite_master"_s)) {
            const QString why = dbMessage(u"无法读取题库"_s, file, probe.lastError());
            probe = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw AppError(why);
        }
        probe.finish();
        if (!readOnly && info.isWritable()) {
            // Every write is on disk when it returns: an answer survives the
            // program being killed or the power failing.
            QSqlQuery pragma(db);
            pragma.exec(u"PRAGMA synchronous=FULL"_s);
            // A bank made before the columns that came later gets them here.
            if (!addMissingColumns(db))
                qCWarning(lcData).noquote() << u"could not add the newer columns to"_s << file;
            writable().insert(name);
            // A run that was killed leaves the bank in that journal: it is
            // switched back when this run closes it.
            if (pragma.exec(u"PRAGMA journal_mode"_s) && pragma.next()
                && pragma.value(0).toString().compare(u"wal"_s, Qt::CaseInsensitive) == 0)
                journalled().insert(name);
        }
    }
    connections.insert(connection, name);
    return QSqlDatabase::database(name, false);
}

void closeAllConnections()
{
    auto &connections = openConnections();
    for (const QString &name : std::as_const(connections)) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            // Back to the plain journal: while the program is not running the
            // bank is the one file data.db, which a copy, qbank or a reader
            // that may not write takes as it is.
            if (journalled().contains(name)) {
                QSqlQuery pragma(db);
                pragma.exec(u"PRAGMA journal_mode=DELETE"_s);
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    connections.clear();
    writable().clear();
    journalled().clear();
}

void prepareForWriting(const QString &connection)
{
    QSqlDatabase db = database(connection);
    const QString name = db.connectionName();
    if (!writable().contains(name) || journalled().contains(name))
        return;
    // The write-ahead journal: one sync per write instead of four, and no
    // journal file made and deleted each time. Switched at the first write,
    // not at opening: a run that only reads leaves the file as it is. Inside
    // a transaction the switch cannot happen; the next write outside one
    // tries again.
    QSqlQuery pragma(db);
    if (pragma.exec(u"PRAGMA journal_mode=WAL"_s) && pragma.next()
        && pragma.value(0).toString().compare(u"wal"_s, Qt::CaseInsensitive) == 0)
        journalled().insert(name);
}

Transaction::Transaction(const QString &connection)
    : m_connection(connection)
{
    prepareForWriting(connection);
    QSqlDatabase db = database(connection);
    if (!db.transaction())
        throw AppError(dbMessage(u"无法开始写入题库"_s, databaseFile(connection), db.lastError()));
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        QSqlDatabase db = database(m_connection);
        db.rollback();
    } catch (...) {
        // The connection is gone: nothing is left to roll back.
    }
}

void Transaction::commit()
{
    QSqlDatabase db = database(m_connection);
    if (!db.commit())
        throw AppError(dbMessage(u"写入题库失败"_s, databaseFile(m_connection), db.lastError()));
    m_done = true;
}

} // namespace data
