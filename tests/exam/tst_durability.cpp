#include "bankplace.h"
#include "connection.h"
#include "examfixture.h"
#include "paper.h"
#include "table.h"
#include "testsupport.h"

#include <QFile>
#include <cstdio>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

// What a pupil has answered is in the bank the moment it shows on the sheet.
class DurabilityTest : public QObject {
    Q_OBJECT
private slots:
    void answerSurvivesKill_data();
    void answerSurvivesKill();
    void replacedBankNeverReplaysAnOldJournal();
};

namespace {

// A bank with a paper of three questions in the folder, and a run killed
// right after answering the first, which leaves its write-ahead log.
void answerAndDie(testing::ProgramFolder &folder)
{
    folder.writeBank(testing::bankOf({{1, {3, 0, 0, 0, 0}, 4, 4}}));
    testing::writePaperOf({1000, 1001, 1500}, data::buildConnectionString(folder.path()));
    data::closeAllConnections();
    QProcess exam;
    exam.start(QStringLiteral(ANSWER_THEN_DIE_EXE), {folder.path()});
    QVERIFY(exam.waitForFinished(60000));
    QVERIFY(QFile::exists(folder.file(u"data.db-wal"_s)));
}

qint64 answered(const QString &connection)
{
    QSqlQuery q(data::database(connection));
    return q.exec(u"SELECT count(*) FROM note WHERE optionid <> 0"_s) && q.next() ? q.value(0).toLongLong() : -1;
}

} // namespace

void DurabilityTest::answerSurvivesKill_data()
{
    QTest::addColumn<qint64>("first");       // the question answered
    QTest::addColumn<QStringList>("keys");   // virtual-key codes
    QTest::addColumn<qint64>("optionid");
    QTest::addColumn<qint64>("isright");
    QTest::addColumn<QString>("optionids");
    QTest::newRow("true/false") << qint64(1000) << QStringList() << qint64(1) << qint64(1) << QString();
    // Keypad 1, 3 and 2: A, C and B chosen, then B given up again.
    QTest::newRow("multi-answer") << qint64(1800) << QStringList{u"97"_s, u"99"_s, u"98"_s, u"98"_s}
                                  << qint64(1) << qint64(1) << u"1,3"_s;
}

void DurabilityTest::answerSurvivesKill()
{
    QFETCH(qint64, first);
    QFETCH(QStringList, keys);
    testing::ProgramFolder folder;
    folder.writeBank(testing::bankOf({{1, {3, 0, 0, 0, 0}, 4, 4, 2, 4}}));
    const QString connection = data::buildConnectionString(folder.path());
    testing::writePaperOf({first, 1001, 1500}, connection);
    data::closeAllConnections();

    QProcess exam;
    exam.start(QStringLiteral(ANSWER_THEN_DIE_EXE), QStringList{folder.path()} + keys);
    QVERIFY(exam.waitForFinished(60000));
    QCOMPARE(exam.exitStatus(), QProcess::CrashExit); // killed, as intended
    // The answer went through the write-ahead journal (one sync per answer).
    QVERIFY(QFile::exists(folder.file(u"data.db-wal"_s)));

    QSqlQuery q(data::database(connection));
    QVERIFY(q.exec(u"SELECT subid, optionid, isright, optionids FROM note ORDER BY noteId"_s));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toLongLong(), first);
    QTEST(q.value(1).toLongLong(), "optionid");
    QTEST(q.value(2).toLongLong(), "isright");
    QTEST(q.value(3).toString(), "optionids");
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toLongLong(), 0); // not reached

    // The next run that closes the bank leaves it one file again, in the
    // plain journal, whoever opens it next.
    q = QSqlQuery();
    data::closeAllConnections();
    QVERIFY(!QFile::exists(folder.file(u"data.db-wal"_s)));
    QSqlQuery mode(data::database(connection));
    QVERIFY(mode.exec(u"PRAGMA journal_mode"_s) && mode.next());
    QCOMPARE(mode.value(0).toString(), u"delete"_s);
}

// The bank is replaced after a killed run, as a package upgrade or a copy
// replaces it (a new file under the same name): the run's log left beside
// it is not the new bank's, and nothing of it shows. The bank's own log is
// still taken in.
void DurabilityTest::replacedBankNeverReplaysAnOldJournal()
{
    testing::ProgramFolder folder;
    const QString connection = data::buildConnectionString(folder.path());
    for (const bool replaced : {false, true}) {
        answerAndDie(folder);
        if (replaced) {
            qbank::writeBankDatabase(testing::bankOf({{1, {3, 0, 0, 0, 0}, 4, 4}}), folder.file(u"new.db"_s));
            QCOMPARE(std::rename(qPrintable(folder.file(u"new.db"_s)), qPrintable(folder.file(u"data.db"_s))), 0);
        }
        app::BankPlace place;
        QCOMPARE(place.claim(), app::BankPlace::Outcome::Ready);
        QCOMPARE(answered(connection), replaced ? 0 : 1);
        data::closeAllConnections();
    }
}

EXAM_TEST(DurabilityTest)
#include "tst_durability.moc"
