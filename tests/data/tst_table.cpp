#include "apperror.h"
#include "connection.h"
#include "paper.h"
#include "systemini.h"
#include "table.h"
#include "banksupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using testing::choice;
using testing::trueFalse;

// The cursor on real SQLite files, with the bank's own tables.
class TableTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void columnsMatchWithoutRegardToCase();
    void filterSelectsAndSwitchesOff();
    void badFilterChangesNothing();
    void navigationStopsAtBothEnds();
    void emptySetHasNoRow();
    void locateFindsFirstMatchOrLeavesRow();
    void sortKeepsIndexOrderForTies();
    void appendPostAndReadBack();
    void newNoteRowsReadZero();
    void emptiedNoteNeverReusesNumbers();
    void editAndRemove();
    void typedReadersRefuseNullAndText();
    void missingOrDamagedBankIsAnError();
    void failedPaperLeavesOldPaper();
    void staleCursorReadsRightRows();
    void writesToVanishedRowAreErrors();
    void systemIni_data();
    void systemIni();

private:
    std::unique_ptr<data::Table> open(const QString &name, const QString &index = QString());
    QString connection() const { return data::buildConnectionString(m_folder->path()); }
    QList<qint64> column(data::Table &t, const QString &name);

    std::unique_ptr<testing::ProgramFolder> m_folder;
};

void TableTest::init()
{
    m_folder = std::make_unique<testing::ProgramFolder>();
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(2, {5, 0, 0, 0, 0}), testing::sortOf(1, {3, 3, 0, 0, 0})};
    // Stored out of subid order on purpose.
    bank.questions = {choice(30, 1, 1, 0), trueFalse(10, 1, 2, true), choice(20, 2, 1, 2),
                      trueFalse(40, 2, 1, false), choice(50, 1, 3, 1)};
    bank.questions[0].errorTimes = 7;
    bank.questions[1].errorTimes = 7;
    bank.questions[2].errorTimes = 9;
    bank.questions[3].errorTimes = 1;
    bank.questions[4].errorTimes = 7;
    m_folder->writeBank(bank);
}

void TableTest::cleanup()
{
    m_folder.reset();
}

std::unique_ptr<data::Table> TableTest::open(const QString &name, const QString &index)
{
    auto table = std::make_unique<data::Table>(name);
    table->setConnectionString(connection());
    table->setIndexName(index);
    table->open();
    return table;
}

QList<qint64> TableTest::column(data::Table &t, const QString &name)
{
    QList<qint64> values;
    for (t.first(); !t.eof(); t.next())
        values << t.asInt(name);
    return values;
}

void TableTest::columnsMatchWithoutRegardToCase()
{
    auto subject = open(u"subject"_s, u"subId"_s);
    QCOMPARE(subject->asInt(u"subid"_s), 10);
    QCOMPARE(subject->asInt(u"SUBID"_s), 10);
    QCOMPARE(subject->value(u"subId"_s).toLongLong(), 10);

    subject->setFilter(u"SubId=20"_s);
    subject->setFiltered(true);
    QCOMPARE(subject->recordCount(), 1);
    QCOMPARE(subject->asInt(u"sortid"_s), 2);

    subject->setFiltered(false);
    QVERIFY(subject->locate(u"SUBID"_s, 40));
    QCOMPARE(subject->asInt(u"typeid"_s), 1);
}

void TableTest::filterSelectsAndSwitchesOff()
{
    auto subject = open(u"subject"_s, u"subId"_s);
    subject->setFilter(u"(sortid=1) and (typeId=2)"_s);
    QCOMPARE(subject->recordCount(), 5); // not applied until switched on
    subject->setFiltered(true);
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{30, 50}));
    subject->setFilter(u"errorTimes>=7"_s); // a new expression applies at once
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{10, 20, 30, 50}));
    subject->setFilter(u"(errorTimes>=7) and (sortId in (1, 9))"_s); // an exam's types
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{10, 30, 50}));
    subject->setFiltered(false);
    QCOMPARE(subject->recordCount(), 5);
}

void TableTest::badFilterChangesNothing()
{
    auto subject = open(u"subject"_s, u"subId"_s);
    subject->setFilter(u"sortId=2"_s);
    subject->setFiltered(true);
    subject->next();
    try {
        subject->setFilter(u"colour=3"_s);
        QFAIL("an unknown column was accepted");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"colour"_s), qPrintable(e.text()));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, subject->setFilter(u"sortId=="_s));
    QVERIFY_THROWS_EXCEPTION(AppError, subject->setSort(u"colour DESC"_s));
    QCOMPARE(subject->filter(), u"sortId=2"_s);
    QCOMPARE(subject->recordCount(), 2);
    QCOMPARE(subject->asInt(u"subid"_s), 40);
}

void TableTest::navigationStopsAtBothEnds()
{
    auto subject = open(u"subject"_s, u"subId"_s);
    QCOMPARE(subject->recNo(), 1);
    QVERIFY(!subject->eof());
    subject->moveBy(3);
    QCOMPARE(subject->asInt(u"subid"_s), 40);
    subject->moveBy(10); // stops at the last row
    QCOMPARE(subject->recNo(), 5);
    QVERIFY(subject->eof());
    subject->moveBy(-2);
    QCOMPARE(subject->asInt(u"subid"_s), 30);
    QVERIFY(!subject->eof());
    subject->moveBy(-10); // stops at the first row
    QCOMPARE(subject->recNo(), 1);
    QVERIFY(subject->bof());
    subject->prior();
    QCOMPARE(subject->recNo(), 1);
    subject->setRecNo(5);
    QCOMPARE(subject->asInt(u"subid"_s), 50);
    subject->next();
    QVERIFY(subject->eof());
    QCOMPARE(subject->asInt(u"subid"_s), 50); // the last row stays current
    QVERIFY_THROWS_EXCEPTION(AppError, subject->setRecNo(6));
    QVERIFY_THROWS_EXCEPTION(AppError, subject->setRecNo(0));
}

void TableTest::emptySetHasNoRow()
{
    auto subject = open(u"subject"_s, u"subId"_s);
    subject->setFilter(u"stid=9"_s);
    subject->setFiltered(true);
    QCOMPARE(subject->recordCount(), 0);
    QVERIFY(subject->eof());
    QCOMPARE(subject->recNo(), 0);
    subject->first();
    subject->moveBy(199);
    QVERIFY(subject->eof());
    QVERIFY_THROWS_EXCEPTION(AppError, subject->asInt(u"subid"_s));
}

void TableTest::locateFindsFirstMatchOrLeavesRow()
{
    auto options = open(u"options"_s);
    QVERIFY(options->locate(u"subid"_s, 20));
    QCOMPARE(options->asInt(u"optid"_s), 1); // the first of its four rows
    QVERIFY(!options->locate(u"subid"_s, 99));
    QCOMPARE(options->asInt(u"subid"_s), 20);
    QCOMPARE(options->asInt(u"optid"_s), 1);

    options->setFilter(u"subid=50"_s);
    options->setFiltered(true);
    QVERIFY(!options->locate(u"subid"_s, 20)); // outside the filter
    // The order the table delivers them: as stored.
    QCOMPARE(column(*options, u"optid"_s), (QList<qint64>{1, 2, 3, 4}));
}

void TableTest::sortKeepsIndexOrderForTies()
{
    auto subject = open(u"subject"_s, u"subId"_s);
    // The index orders the rows before any sort is set.
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{10, 20, 30, 40, 50}));
    subject->setSort(u"errorTimes DESC"_s);
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{20, 10, 30, 50, 40}));
    subject->setSort(u"typeId"_s);
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{10, 40, 20, 30, 50}));

    // Without an index, ties keep the order of insertion.
    auto sort = open(u"sort"_s);
    QCOMPARE(column(*sort, u"sortId"_s), (QList<qint64>{2, 1}));
    sort->setSort(u"sortId"_s);
    QCOMPARE(column(*sort, u"sortId"_s), (QList<qint64>{1, 2}));
}

void TableTest::appendPostAndReadBack()
{
    auto note = open(u"note"_s);
    note->setSort(u"noteId"_s);
    for (const qint64 subid : {30, 10, 50, 20}) {
        note->append();
        note->setValue(u"subId"_s, subid);
    }
    note->post();
    // A second cursor opened afterwards sees every row in the order appended.
    auto other = open(u"note"_s);
    other->setSort(u"noteId"_s);
    QCOMPARE(column(*other, u"subid"_s), (QList<qint64>{30, 10, 50, 20}));
    QCOMPARE(column(*note, u"SUBID"_s), (QList<qint64>{30, 10, 50, 20}));
}

void TableTest::newNoteRowsReadZero()
{
    auto note = open(u"note"_s);
    note->append();
    note->setValue(u"subid"_s, 10);
    note->post();
    QCOMPARE(note->asInt(u"optionid"_s), 0);
    QCOMPARE(note->asInt(u"isright"_s), 0);
    QVERIFY(note->asInt(u"noteId"_s) > 0);
}

void TableTest::emptiedNoteNeverReusesNumbers()
{
    auto note = open(u"note"_s);
    note->setSort(u"noteId"_s);
    const auto writePaper = [&](QList<qint64> subids) {
        data::writePaper(*note, [&] {
            for (const qint64 subid : subids) {
                note->append();
                note->setValue(u"subid"_s, subid);
            }
        });
        note->open();
    };
    writePaper({10, 20, 30});
    const QList<qint64> firstIds = column(*note, u"noteId"_s);
    writePaper({50, 40});
    QCOMPARE(column(*note, u"subid"_s), (QList<qint64>{50, 40}));
    const QList<qint64> secondIds = column(*note, u"noteId"_s);
    QVERIFY(secondIds.first() > firstIds.last());
    QVERIFY(!note->locate(u"subid"_s, 10)); // the old paper is gone
}

void TableTest::editAndRemove()
{
    auto note = open(u"note"_s);
    note->setSort(u"noteId"_s);
    for (const qint64 subid : {10, 20, 30}) {
        note->append();
        note->setValue(u"subid"_s, subid);
    }
    note->setRecNo(2);
    note->edit();
    note->setValue(u"optionid"_s, 3);
    note->setValue(u"isright"_s, 1);
    note->post();
    auto reader = open(u"note"_s);
    reader->setFilter(u"isright=0"_s);
    reader->setFiltered(true);
    QCOMPARE(column(*reader, u"subid"_s), (QList<qint64>{10, 30}));

    note->setRecNo(2);
    note->remove();
    QCOMPARE(note->asInt(u"subid"_s), 30); // the next row is current
    note->remove();
    QCOMPARE(note->asInt(u"subid"_s), 10); // the last went: the one before
    note->remove();
    QVERIFY(note->eof());
    QCOMPARE(note->recordCount(), 0);
}

void TableTest::typedReadersRefuseNullAndText()
{
    {
        QSqlDatabase db = data::database(connection());
        QSqlQuery q(db);
        QVERIFY(q.exec(u"CREATE TABLE loose (n INTEGER, t TEXT)"_s));
        QVERIFY(q.exec(u"INSERT INTO loose VALUES (NULL, NULL), ('12x', 'abc'), (4.0, 5)"_s));
    }
    auto loose = open(u"loose"_s);
    QVERIFY(loose->value(u"n"_s).isNull());
    QVERIFY_THROWS_EXCEPTION(AppError, loose->asInt(u"n"_s));
    QVERIFY_THROWS_EXCEPTION(AppError, loose->asText(u"t"_s));
    loose->next();
    try {
        loose->asInt(u"N"_s);
        QFAIL("text read as a number");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"12x"_s) && e.text().contains(u"loose"_s), qPrintable(e.text()));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, loose->asInt(u"t"_s));
    loose->next();
    QCOMPARE(loose->asInt(u"n"_s), 4);
    QCOMPARE(loose->asText(u"t"_s), u"5"_s);
    QVERIFY_THROWS_EXCEPTION(AppError, loose->value(u"nothing"_s));
}

void TableTest::missingOrDamagedBankIsAnError()
{
    const QString missing = m_folder->path() + u"elsewhere/"_s;
    data::Table table(u"subject"_s);
    table.setConnectionString(data::buildConnectionString(missing));
    try {
        table.open();
        QFAIL("a missing bank opened");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"data.db"_s), qPrintable(e.text()));
    }
    QVERIFY(!QFile::exists(missing + u"data.db"_s)); // nothing created

    m_folder->writeFile(u"data.db"_s, QByteArray(4096, 'x'));
    data::Table damaged(u"subject"_s);
    damaged.setConnectionString(connection());
    data::closeAllConnections();
    QVERIFY_THROWS_EXCEPTION(AppError, damaged.open());
    QVERIFY(!damaged.isOpen());

    data::Table unknown(u"nosuchtable"_s);
    unknown.setConnectionString(connection());
    QVERIFY_THROWS_EXCEPTION(AppError, unknown.open());
}

void TableTest::failedPaperLeavesOldPaper()
{
    auto note = open(u"note"_s);
    note->setSort(u"noteId"_s);
    data::writePaper(*note, [&] {
        for (const qint64 subid : {10, 20}) {
            note->append();
            note->setValue(u"subid"_s, subid);
        }
    });
    QVERIFY(!note->isOpen());
    QVERIFY_THROWS_EXCEPTION(AppError, data::writePaper(*note, [&] {
        note->append();
        note->setValue(u"subid"_s, 30);
        note->post();
        throw AppError(u"题型 3 没有判断题"_s);
    }));
    QVERIFY(!note->isOpen());
    note->open();
    QCOMPARE(column(*note, u"subid"_s), (QList<qint64>{10, 20}));
}

void TableTest::staleCursorReadsRightRows()
{
    // A filter switched off and on is read again only when rows are needed;
    // whatever comes next must see the rows of the filter in force.
    auto subject = open(u"subject"_s, u"subId"_s);
    subject->setFilter(u"sortId=1"_s);
    subject->setFiltered(true);
    subject->setFiltered(false);
    subject->setFiltered(true);
    QCOMPARE(subject->recordCount(), 3);
    QCOMPARE(column(*subject, u"subid"_s), (QList<qint64>{10, 30, 50}));

    subject->setFiltered(false);
    subject->setFilter(u"sortId=2"_s);
    subject->setFiltered(true);
    QVERIFY(!subject->locate(u"subid"_s, 30)); // not in type 2
    QVERIFY(subject->locate(u"subid"_s, 40));
    QCOMPARE(subject->recNo(), 2);
    subject->next();
    QVERIFY(subject->eof());
    subject->prior();
    QCOMPARE(subject->asInt(u"subid"_s), 20);

    // A new sort order keeps the located row current, in its new place.
    subject->setFiltered(false);
    QVERIFY(subject->locate(u"subid"_s, 30));
    subject->setSort(u"errorTimes DESC"_s); // 20, 10, 30, 50, 40
    QCOMPARE(subject->asInt(u"subid"_s), 30);
    QCOMPARE(subject->recNo(), 3);
    subject->next();
    QCOMPARE(subject->asInt(u"subid"_s), 50);
    subject->first();
    subject->moveBy(4);
    QCOMPARE(subject->asInt(u"subid"_s), 40);

    // Appending, posting and removing on a cursor whose filter changed
    // since it last read its rows.
    auto note = open(u"note"_s);
    note->setSort(u"noteId"_s);
    for (const qint64 subid : {10, 20, 30, 40}) {
        note->append();
        note->setValue(u"subid"_s, subid);
    }
    note->post();
    QCOMPARE(note->asInt(u"subid"_s), 40); // the row just written is current
    note->setFilter(u"subid>=20"_s);
    note->setFiltered(true);
    note->append();
    note->setValue(u"subid"_s, 5); // outside the filter: the first row is current
    note->post();
    QCOMPARE(note->asInt(u"subid"_s), 20);
    QVERIFY(note->locate(u"subid"_s, 30));
    note->remove();
    QCOMPARE(note->asInt(u"subid"_s), 40);
    note->setFiltered(false);
    note->setFiltered(true);
    QCOMPARE(column(*note, u"subid"_s), (QList<qint64>{20, 40}));
    note->setFiltered(false);
    QCOMPARE(column(*note, u"subid"_s), (QList<qint64>{10, 20, 40, 5}));

    // A column that orders the rows is read with them; written, it reads
    // back as written.
    note->setSort(u"subid"_s);
    QCOMPARE(column(*note, u"subid"_s), (QList<qint64>{5, 10, 20, 40}));
    note->setRecNo(2);
    note->edit();
    note->setValue(u"subid"_s, 15);
    note->post();
    QCOMPARE(note->asInt(u"subid"_s), 15);
}

void TableTest::writesToVanishedRowAreErrors()
{
    // Another program replaced the paper under this cursor: the answer
    // must not be reported as stored.
    auto note = open(u"note"_s);
    note->setSort(u"noteId"_s);
    for (const qint64 subid : {10, 20}) {
        note->append();
        note->setValue(u"subid"_s, subid);
    }
    note->post();
    note->setRecNo(1);
    QCOMPARE(note->asInt(u"subid"_s), 10);
    {
        QSqlQuery q(data::database(connection()));
        QVERIFY(q.exec(u"DELETE FROM note"_s));
        QVERIFY(q.exec(u"INSERT INTO note (subid) VALUES (30), (40)"_s));
    }
    note->edit();
    note->setValue(u"optionid"_s, 2);
    note->setValue(u"isright"_s, 1);
    try {
        note->post();
        QFAIL("an answer to a row that has gone was reported as stored");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"不在题库中"_s), qPrintable(e.text()));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, note->remove());
    // Read afresh, the cursor shows what is there; nothing was written.
    note->close();
    note->open();
    QCOMPARE(column(*note, u"subid"_s), (QList<qint64>{30, 40}));
    QCOMPARE(column(*note, u"isright"_s), (QList<qint64>{0, 0}));
}

void TableTest::systemIni_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("passMark");
    QTest::addColumn<int>("subject4"); // km4time
    QTest::newRow("official") << QByteArray("alltime=2700\nmark=90\n") << 2700 << 90 << 1800;
    QTest::newRow("windows lines") << QByteArray("alltime=3600\r\nmark=85\r\n") << 3600 << 85 << 1800;
    QTest::newRow("mark last line, no newline") << QByteArray("alltime=5400\nmark=80") << 5400 << 80 << 1800;
    QTest::newRow("no mark line") << QByteArray("alltime=2700\n") << 5400 << 90 << 1800;
    QTest::newRow("no duration line") << QByteArray("mark=60\n") << 5400 << 90 << 1800;
    QTest::newRow("not a number") << QByteArray("alltime=abc\nmark=80\n") << 5400 << 90 << 1800;
    QTest::newRow("later line wins") << QByteArray("alltime=10\nmark=1\nalltime=20\n") << 20 << 1 << 1800;
    QTest::newRow("anywhere in the line") << QByteArray("[exam]\nxmark=77\nalltime=600\n") << 5400 << 90 << 1800;
    QTest::newRow("key inside a line") << QByteArray("alltime=600\nmark=77 ;comment\n") << 5400 << 90 << 1800;
    QTest::newRow("科目四") << QByteArray("alltime=2700\nmark=90\nkm4time=1200\n") << 2700 << 90 << 1200;
    QTest::newRow("科目四 alone") << QByteArray("km4time=600\n") << 5400 << 90 << 600;
    QTest::newRow("科目四 not a number") << QByteArray("alltime=2700\nmark=90\nkm4time=30m\n") << 2700 << 90 << 1800;
    QTest::newRow("zero") << QByteArray("alltime=0\nmark=0\n") << 0 << 0 << 1800;
}

void TableTest::systemIni()
{
    QFETCH(QByteArray, content);
    m_folder->writeFile(u"system.ini"_s, content);
    const data::ExamSettings settings = data::readSystemIni(m_folder->file(u"system.ini"_s));
    QTEST(settings.duration, "duration");
    QTEST(settings.passMark, "passMark");
    QTEST(settings.subject4Duration, "subject4");
    const data::ExamSettings none = data::readSystemIni(m_folder->file(u"nothing.ini"_s));
    QCOMPARE(none.duration, 5400);
    QCOMPARE(none.passMark, 90);
}

EXAM_TEST(TableTest)
#include "tst_table.moc"
