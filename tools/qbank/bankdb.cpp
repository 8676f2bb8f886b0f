#include "bank.h"

#include "apperror.h"
#include "bankcheck.h"
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
#include <optional>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

// What import refuses: every finding about the bank's questions and types
// and a paper a vehicle class cannot get. Whether the pictures are there is
// not known to it.
constexpr Finding::Level kImportRefuses = Finding::Level::Paper;

// A new question bank, built in a file beside its place and moved there
// only by commit(); dropped otherwise.
class BankWriter : public BankUser {
public:
    explicit BankWriter(const QString &path) : m_target(path)
    {
        if (!m_target.absoluteDir().exists())
            throw AppError(u"文件夹不存在：%1"_s.arg(m_target.absolutePath()));
        if (!QFileInfo(m_target.absolutePath()).isWritable())
            throw AppError(u"无法在文件夹 %1 中写入题库（没有写入权限）。请用能写入这个文件夹的账户（例如 root）运行。"_s.arg(
                m_target.absolutePath()));
        m_temporary = m_target.absoluteDir().filePath(
            u".%1.%2.tmp"_s.arg(m_target.fileName(), QUuid::createUuid().toString(QUuid::Id128)));
        m_connection = u"qbank-write-"_s + QUuid::createUuid().toString(QUuid::Id128);
        try {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
            db.setDatabaseName(m_temporary);
            if (!db.open())
                throw AppError(data::dbMessage(u"无法建立新题库"_s, m_temporary, db.lastError()));
            if (!db.transaction())
                throw AppError(data::dbMessage(u"无法写入新题库"_s, m_temporary, db.lastError()));
            data::createSchema(db);
            m_sort.emplace(db);
            m_sort->prepare(u"INSERT INTO sort (sortId, sortname, scale0, scale1, scale2, scale3, scale4, "
                            "subject) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s);
            m_subject.emplace(db);
            m_subject->prepare(u"INSERT INTO subject (subid, subtitle, subpic, info, typeId, sortId, stid, "
                               "errorTimes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s);
            m_option.emplace(db);
            m_option->prepare(u"INSERT INTO options (subid, optid, optcontent, iskey) VALUES (?, ?, ?, ?)"_s);
        } catch (...) {
            drop();
            throw;
        }
    }
    ~BankWriter() override { drop(); }
    BankWriter(const BankWriter &) = delete;
    BankWriter &operator=(const BankWriter &) = delete;

    void sort(const Sort &s) override
    {
        if (m_failed)
            return;
        m_sort->addBindValue(s.sortId);
        m_sort->addBindValue(s.sortname);
        for (const qint64 share : s.scale)
            m_sort->addBindValue(share);
        m_sort->addBindValue(s.subject);
        exec(*m_sort, u"题型 %1 "_s.arg(s.sortId));
    }

    void question(const Question &q, const RawQuestion &) override { add(q); }

    void add(const Question &q)
    {
        if (m_failed)
            return;
        m_subject->addBindValue(q.subid);
        m_subject->addBindValue(q.subtitle);
        m_subject->addBindValue(q.subpic);
        m_subject->addBindValue(q.info ? QVariant(*q.info) : QVariant(QMetaType(QMetaType::QString)));
        m_subject->addBindValue(q.typeId);
        m_subject->addBindValue(q.sortId);
        m_subject->addBindValue(q.stid);
        m_subject->addBindValue(q.errorTimes);
        exec(*m_subject, u"试题 %1 "_s.arg(q.subid));
        for (const Option &o : q.options) {
            m_option->addBindValue(q.subid);
            m_option->addBindValue(o.optid);
            m_option->addBindValue(o.optcontent);
            m_option->addBindValue(o.iskey);
            exec(*m_option, u"试题 %1 的选项 "_s.arg(q.subid));
        }
    }

    // Completes the new bank and puts it in place of the old.
    void commit()
    {
        if (m_failed)
            throw *m_failed;
        m_sort.reset();
        m_subject.reset();
        m_option.reset();
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            if (!db.commit())
                throw AppError(data::dbMessage(u"无法写入新题库"_s, m_temporary, db.lastError()));
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
        const QString target = m_target.absoluteFilePath();
        // What SQLite left beside the old bank would be applied to the new one.
        if (!data::removeJournals(target))
            throw AppError(u"无法删除旧题库旁边的 %1-wal / -shm / -journal 文件，请检查文件夹的权限"_s.arg(target));
        // rename() replaces the old file in one step.
        if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(target).constData()) != 0)
            throw AppError(u"无法把新题库移到 %1。请检查文件夹的权限。（%2）"_s.arg(
                target, QString::fromLocal8Bit(std::strerror(errno))));
        m_temporary.clear();
    }

private:
    // A failed write stops the writing; it is told at commit(), unless
    // the bank's findings (a duplicate subid, say) refuse it first.
    void exec(QSqlQuery &query, const QString &what)
    {
        if (!m_failed && !query.exec())
            m_failed = AppError(data::dbMessage(u"写入%1失败"_s.arg(what), m_temporary, query.lastError()));
    }

    void drop()
    {
        m_sort.reset();
        m_subject.reset();
        m_option.reset();
        if (!m_connection.isEmpty()) {
            {
                QSqlDatabase db = QSqlDatabase::database(m_connection, false);
                if (db.isOpen()) {
                    db.rollback();
                    db.close();
                }
            }
            QSqlDatabase::removeDatabase(m_connection);
            m_connection.clear();
        }
        if (!m_temporary.isEmpty())
            QFile::remove(m_temporary);
        m_temporary.clear();
    }

    QFileInfo m_target;
    QString m_temporary;
    QString m_connection;
    std::optional<QSqlQuery> m_sort;
    std::optional<QSqlQuery> m_subject;
    std::optional<QSqlQuery> m_option;
    std::optional<AppError> m_failed;
};

Bank collect(const BankSource &source, Finding::Level upTo, const QString &refused)
{
    CheckOptions options;
    options.upTo = upTo;
    BankCollector collector;
    const CheckReport report = readBank(source, options, &collector);
    if (report.count > 0)
        report.refuse(refused);
    return std::move(collector.bank);
}

} // namespace

Bank parseBank(const QByteArray &json, const QString &source)
{
    return collect(BankSource::data(json, source), Finding::Level::Value, u"未读入"_s);
}

Bank readBankFile(const QString &path)
{
    return collect(BankSource::path(path), kImportRefuses, u"未导入"_s);
}

Bank loadBank(const QString &path)
{
    return collect(BankSource::path(path), Finding::Level::Value, u"未读入"_s);
}

void writeBankDatabase(const Bank &bank, const QString &path)
{
    BankWriter writer(path);
    for (const Sort &sort : bank.sorts)
        writer.sort(sort);
    for (const Question &question : bank.questions)
        writer.add(question);
    writer.commit();
}

std::pair<size_t, size_t> importBank(const BankSource &source, const QString &path)
{
    BankWriter writer(path);
    CheckOptions options;
    options.upTo = kImportRefuses;
    const CheckReport report = readBank(source, options, &writer);
    if (report.count > 0)
        report.refuse(u"未导入"_s);
    writer.commit();
    return {report.sorts, report.questions};
}

} // namespace qbank
