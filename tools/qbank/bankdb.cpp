#include "bank.h"

#include "apperror.h"
#include "bankfiles.h"
#include "dbmessages.h"
#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

void exec(QSqlQuery &query, const QString &what, const QString &file)
{
    if (!query.exec())
        throw AppError(data::dbMessage(u"写入%1失败"_s.arg(what), file, query.lastError()));
}

void fill(QSqlDatabase &db, const Bank &bank)
{
    const QString file = db.databaseName();
    data::createSchema(db);
    QSqlQuery sort(db);
    sort.prepare(u"INSERT INTO sort (sortId, sortname, scale0, scale1, scale2, scale3, scale4, subject) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (const Sort &s : bank.sorts) {
        sort.addBindValue(s.sortId);
        sort.addBindValue(s.sortname);
        for (const qint64 share : s.scale)
            sort.addBindValue(share);
        sort.addBindValue(s.subject);
        exec(sort, u"题型 %1 "_s.arg(s.sortId), file);
    }
    QSqlQuery subject(db);
    subject.prepare(u"INSERT INTO subject (subid, subtitle, subpic, info, typeId, sortId, stid, errorTimes) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s);
    QSqlQuery option(db);
    option.prepare(u"INSERT INTO options (subid, optid, optcontent, iskey) VALUES (?, ?, ?, ?)"_s);
    for (const Question &q : bank.questions) {
        subject.addBindValue(q.subid);
        subject.addBindValue(q.subtitle);
        subject.addBindValue(q.subpic);
        subject.addBindValue(q.info ? QVariant(*q.info) : QVariant(QMetaType(QMetaType::QString)));
        subject.addBindValue(q.typeId);
        subject.addBindValue(q.sortId);
        subject.addBindValue(q.stid);
        subject.addBindValue(q.errorTimes);
        exec(subject, u"试题 %1 "_s.arg(q.subid), file);
        for (const Option &o : q.options) {
            option.addBindValue(q.subid);
            option.addBindValue(o.optid);
            option.addBindValue(o.optcontent);
            option.addBindValue(o.iskey);
            exec(option, u"试题 %1 的选项 "_s.arg(q.subid), file);
        }
    }
}

} // namespace

void writeBankDatabase(const Bank &bank, const QString &path)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        throw AppError(u"文件夹不存在：%1"_s.arg(target.absolutePath()));
    if (!QFileInfo(target.absolutePath()).isWritable())
        throw AppError(u"无法在文件夹 %1 中写入题库（没有写入权限）。请用能写入这个文件夹的账户（例如 root）运行。"_s.arg(
            target.absolutePath()));
    const QString temporary =
        target.absoluteDir().filePath(u".%1.%2.tmp"_s.arg(target.fileName(),
                                                          QUuid::createUuid().toString(QUuid::Id128)));
    const QString connection = u"qbank-write-"_s + QUuid::createUuid().toString(QUuid::Id128);
    try {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
            db.setDatabaseName(temporary);
            if (!db.open())
                throw AppError(data::dbMessage(u"无法建立新题库"_s, temporary, db.lastError()));
            if (!db.transaction())
                throw AppError(data::dbMessage(u"无法写入新题库"_s, temporary, db.lastError()));
            fill(db, bank);
            if (!db.commit())
                throw AppError(data::dbMessage(u"无法写入新题库"_s, temporary, db.lastError()));
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    } catch (...) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection, false);
            if (db.isOpen()) {
                db.rollback();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(connection);
        QFile::remove(temporary);
        throw;
    }
    // What SQLite left beside the old bank would be applied to the new one.
    if (!data::removeJournals(target.absoluteFilePath())) {
        QFile::remove(temporary);
        throw AppError(u"无法删除旧题库旁边的 %1-wal / -shm / -journal 文件，请检查文件夹的权限"_s.arg(
            target.absoluteFilePath()));
    }
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        throw AppError(u"无法把新题库移到 %1。请检查文件夹的权限。（%2）"_s.arg(target.absoluteFilePath(), why));
    }
}

} // namespace qbank
