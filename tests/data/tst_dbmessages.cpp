#include "apperror.h"
#include "connection.h"
#include "dbmessages.h"
#include "banksupport.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(data::DbCause)

class DbMessagesTest : public QObject {
    Q_OBJECT
private slots:
    void causeInPlainWords_data();
    void causeInPlainWords();
    void damagedFileIsNamed();
};

void DbMessagesTest::causeInPlainWords_data()
{
    QTest::addColumn<QString>("databaseText");
    QTest::addColumn<QString>("code");
    QTest::addColumn<data::DbCause>("cause");
    QTest::addColumn<QString>("words");
    using C = data::DbCause;
    QTest::newRow("read-only") << u"attempt to write a readonly database"_s << u"8"_s << C::NoWritePermission
                               << u"没有写入权限"_s;
    QTest::newRow("read-only, extended code") << u"attempt to write a readonly database"_s << u"1032"_s
                                              << C::NoWritePermission << u"没有写入权限"_s;
    QTest::newRow("disk full") << u"database or disk is full"_s << u"13"_s << C::DiskFull << u"磁盘已满"_s;
    QTest::newRow("damaged") << u"database disk image is malformed"_s << u"11"_s << C::Damaged << u"已损坏"_s;
    QTest::newRow("not a bank") << u"file is not a database"_s << u"26"_s << C::Damaged << u"已损坏"_s;
    QTest::newRow("locked") << u"database is locked"_s << u"5"_s << C::Locked << u"另一个程序"_s;
    QTest::newRow("no code: told by the text") << u"attempt to write a readonly database"_s << QString()
                                               << C::NoWritePermission << u"没有写入权限"_s;
    QTest::newRow("anything else") << u"out of memory"_s << u"7"_s << C::Other << u"出错"_s;
}

void DbMessagesTest::causeInPlainWords()
{
    QFETCH(QString, databaseText);
    QFETCH(QString, code);
    QFETCH(data::DbCause, cause);
    QFETCH(QString, words);
    const QSqlError error(u"Unable to fetch row"_s, databaseText, QSqlError::StatementError, code);
    QCOMPARE(data::dbCause(error), cause);
    const QString text = data::dbMessage(u"无法保存答案"_s, u"/home/pupil/data.db"_s, error);
    // What failed, why, which file, what to do; the driver's own text only
    // in parentheses at the end.
    QVERIFY2(text.startsWith(u"无法保存答案："_s), qPrintable(text));
    QVERIFY2(text.contains(words) && text.contains(u"/home/pupil/data.db"_s) && text.contains(u"请"_s),
             qPrintable(text));
    QVERIFY2(text.endsWith(u"（"_s + error.text().trimmed() + u"）"_s), qPrintable(text));
    QCOMPARE(text.count(databaseText), 1);
}

void DbMessagesTest::damagedFileIsNamed()
{
    testing::ProgramFolder folder;
    folder.writeFile(u"data.db"_s, QByteArray(4096, 'x'));
    try {
        data::database(data::buildConnectionString(folder.path()));
        QFAIL("a damaged bank opened");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(folder.file(u"data.db"_s)) && e.text().contains(u"已损坏"_s),
                 qPrintable(e.text()));
    }
}

EXAM_TEST(DbMessagesTest)
#include "tst_dbmessages.moc"
