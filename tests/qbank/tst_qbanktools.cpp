#include "apperror.h"
#include "bank.h"
#include "bankcheck.h"
#include "bankexport.h"
#include "bankfiles.h"
#include "bankplace.h"
#include "bankstats.h"
#include "connection.h"
#include "paperdraw.h"
#include "questionpicture.h"
#include "rawbank.h"
#include "roster.h"
#include "startup.h"
#include "table.h"
#include "tado.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QUuid>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("EXAM_SOURCE_DIR");
}

QString bundledBank()
{
    return sourceDir() + u"/bank/bank.json"_s;
}

QString bundledPictures()
{
    return sourceDir() + u"/bank/upload"_s;
}

QString realBankPath()
{
    return sourceDir() + u"/../shared/data/realbank.json"_s;
}

// A connection of the test's own to a database file, for planting faults and
// reading back what a file holds.
class Sql {
public:
    explicit Sql(const QString &path) : m_name(u"test-"_s + QUuid::createUuid().toString(QUuid::Id128))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
    }
    ~Sql()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Sql(const Sql &) = delete;
    Sql &operator=(const Sql &) = delete;

    bool exec(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (query.exec(statement))
            return true;
        qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        return false;
    }

    qint64 count(const QString &table)
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        return query.exec(u"SELECT count(*) FROM %1"_s.arg(table)) && query.next() ? query.value(0).toLongLong() : -1;
    }

    // Every table's definition and rows in insertion order, each value with
    // its storage class: two files with the same dump hold the same bank.
    QStringList dump()
    {
        QStringList lines;
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        query.exec(
            u"SELECT type, name, sql FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY name"_s);
        QStringList tables;
        while (query.next()) {
            lines << query.value(2).toString();
            if (query.value(0).toString() == u"table"_s)
                tables << query.value(1).toString();
        }
        for (const QString &table : std::as_const(tables)) {
            QSqlQuery rows(QSqlDatabase::database(m_name, false));
            rows.exec(u"SELECT * FROM %1 ORDER BY rowid"_s.arg(table));
            while (rows.next()) {
                QStringList cells;
                for (int i = 0; i < rows.record().count(); ++i) {
                    const QVariant v = rows.value(i);
                    cells << (v.isNull() ? u"null"_s
                                         : u"%1:%2"_s.arg(QString::fromLatin1(v.typeName()), v.toString()));
                }
                lines << table + u'|' + cells.join(u'|');
            }
        }
        return lines;
    }

private:
    QString m_name;
};

// The bank's tables rebuilt without the constraints import gives them, as a
// database made by another tool might be: nulls, duplicates and stray rows
// can then be planted.
void relaxSchema(const QString &path)
{
    Sql sql(path);
    const std::pair<const char *, const char *> tables[] = {
        {"sort",
         "sortId INTEGER, sortname TEXT, scale0 INTEGER, scale1 INTEGER, scale2 INTEGER, scale3 INTEGER, "
         "scale4 INTEGER, subject INTEGER"},
        {"subject", "subid INTEGER, subtitle TEXT, subpic TEXT, info TEXT, typeId INTEGER, sortId INTEGER, "
                    "stid INTEGER, errorTimes INTEGER"},
        {"options", "subid INTEGER, optid INTEGER, optcontent TEXT, iskey INTEGER"},
    };
    for (const auto &[table, columns] : tables) {
        const QString name = QString::fromLatin1(table);
        QVERIFY(sql.exec(u"ALTER TABLE %1 RENAME TO old_%1"_s.arg(name)));
        QVERIFY(sql.exec(u"CREATE TABLE %1 (%2)"_s.arg(name, QString::fromLatin1(columns))));
        QVERIFY(sql.exec(u"INSERT INTO %1 SELECT * FROM old_%1 ORDER BY rowid"_s.arg(name)));
        QVERIFY(sql.exec(u"DROP TABLE old_%1"_s.arg(name)));
    }
    QVERIFY(sql.exec(u"CREATE INDEX subId ON subject (subid)"_s));
}

// A small bank that keeps every rule: type 1 gives class 0 one true/false
// and two multiple-choice questions, class 1 two multiple-choice; type 2
// gives classes 1 and 2 one multiple-choice question each.
qbank::Bank smallBank()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {3, 2, 0, 0, 0}), testing::sortOf(2, {0, 1, 1, 0, 0})};
    bank.questions = {testing::trueFalse(1, 1, 1, true), testing::trueFalse(2, 1, 2, false),
                      testing::choice(3, 1, 1, 0),       testing::choice(4, 1, 2, 1),
                      testing::choice(5, 1, 3, 2),       testing::choice(6, 2, 9, 3),
                      testing::choice(7, 2, 10, 0, 2)};
    bank.questions[2].subpic = u"p.jpg"_s;
    bank.questions[3].info = u"说明"_s;
    return bank;
}

// A one-pixel GIF.
const QByteArray kGif =
    QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");

QStringList lines(const std::vector<qbank::Finding> &findings)
{
    QStringList out;
    for (const qbank::Finding &f : findings)
        out << f.line();
    return out;
}

bool anyContainsAll(const QStringList &lines, const QStringList &parts)
{
    for (const QString &line : lines) {
        bool all = true;
        for (const QString &part : parts)
            all = all && line.contains(part);
        if (all)
            return true;
    }
    return false;
}

} // namespace

class QbankToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void roundTripBundledBank();
    void roundTripKeepsEveryText();
    void exportWritesDatabaseValuesAsStored();
    void exportRefusesWhatImportCannotRead();
    void checkPassesBundledBank();
    void checkPassesSmallBank();
    void checkFindsPlantedFault_data();
    void checkFindsPlantedFault();
    void checkFindsFaultInJson_data();
    void checkFindsFaultInJson();
    void checkTellsBrokenJson();
    void statsCountsWhatTheBankHolds();
    void commandLine();
    void helpOnEveryCommand_data();
    void helpOnEveryCommand();
    void versionAndStandardStreams();
    void importKeepsOffARunningProgram();
    void bundledBankDrawsPaperForEveryClass();
    void realBankImportsChecksAndCounts_data();
    void realBankImportsChecksAndCounts();
    void realBankDrawsPaperForEveryClass_data();
    void realBankDrawsPaperForEveryClass();
    void realBankPicturesShowOrNot();

private:
    int runQbank(const QStringList &args, QByteArray *out = nullptr, QString *errors = nullptr,
                 const QByteArray &input = QByteArray());
    QString importSmallBank();
    void verifyPapers(const qbank::Bank &bank);

    std::unique_ptr<testing::ProgramFolder> m_folder;
};

void QbankToolsTest::init()
{
    testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void QbankToolsTest::cleanup()
{
    m_folder.reset();
}

int QbankToolsTest::runQbank(const QStringList &args, QByteArray *out, QString *errors, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(QBANK_EXE), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString QbankToolsTest::importSmallBank()
{
    m_folder->writeBank(smallBank());
    m_folder->writePicture(u"p.jpg"_s);
    return m_folder->file(u"data.db"_s);
}

void QbankToolsTest::roundTripBundledBank()
{
    const QString first = m_folder->file(u"first.db"_s);
    const QString second = m_folder->file(u"second.db"_s);
    qbank::writeBankDatabase(qbank::readBankFile(bundledBank()), first);
    const QByteArray json = qbank::exportJson(first);
    qbank::writeBankDatabase(qbank::parseBank(json, u"export"_s), second);
    QStringList a = Sql(first).dump();
    QStringList b = Sql(second).dump();
    QVERIFY(a.size() > 80);
    QCOMPARE(b, a);
    // export -> import -> export gives the same bytes.
    QCOMPARE(qbank::exportJson(second), json);
}

void QbankToolsTest::roundTripKeepsEveryText()
{
    // Escapes in the source, texts that JSON must escape, a "%1", a
    // character outside the BMP, options out of optid order, null and
    // "NULL" explanations, blank and foldered pictures, odd numbers.
    const QByteArray source = R"({"sorts": [
        {"sortId": 9, "sortname": "\u9898\u578b \"%1\" | a\\b", "scale": [0, 0, 0, 0, 0]},
        {"sortId": 2, "sortname": "二", "scale": [1, 2, 3, 4, 5]},
        {"sortId": 4, "sortname": "四", "scale": [0, 0, 0, 0, 0], "subject": 4}],
      "questions": [
        {"subid": 40, "typeId": 2, "sortId": 9, "stid": 11, "subtitle": "行一\n行二\t\"引\"\\ \u0001 😀",
         "subpic": "  ", "info": null, "errorTimes": -3,
         "options": [{"optid": 4, "optcontent": "丁", "iskey": 0}, {"optid": 2, "optcontent": "乙", "iskey": 1},
                     {"optid": 9, "optcontent": "", "iskey": 7}]},
        {"subid": 3, "typeId": 1, "sortId": 2, "stid": 1, "subtitle": "t", "subpic": "signs\\a.gif",
         "info": "NULL", "errorTimes": 9000000000000,
         "options": []},
        {"subid": 5, "typeId": 3, "sortId": 4, "stid": 2, "subtitle": "多", "subpic": null, "info": null,
         "errorTimes": 0, "options": [{"optid": 1, "optcontent": "a", "iskey": 1}, {"optid": 2, "optcontent": "b",
         "iskey": 1}, {"optid": 3, "optcontent": "c", "iskey": 0}, {"optid": 4, "optcontent": "d", "iskey": 1}],
         "subject": 4}]})";
    const QString first = m_folder->file(u"first.db"_s);
    const QString second = m_folder->file(u"second.db"_s);
    qbank::writeBankDatabase(qbank::parseBank(source, u"source"_s), first);
    const QByteArray json = qbank::exportJson(first);
    QVERIFY2(json.contains("\"info\": null"), json.constData());
    QVERIFY(json.contains("\"info\": \"NULL\""));
    QVERIFY(json.contains("\"subpic\": \"  \""));
    QVERIFY(json.contains(u"😀"_s.toUtf8())); // UTF-8, not an escape
    QVERIFY(json.indexOf("\"optid\": 4") < json.indexOf("\"optid\": 2"));
    QVERIFY(json.indexOf("\"subid\": 40") < json.indexOf("\"subid\": 3")); // stored order
    QCOMPARE(json.count("\"subject\": 4"), 2); // the 科目四 type and its question, no other
    qbank::writeBankDatabase(qbank::parseBank(json, u"export"_s), second);
    QCOMPARE(Sql(second).dump(), Sql(first).dump());
    QCOMPARE(qbank::exportJson(second), json);
}

void QbankToolsTest::exportWritesDatabaseValuesAsStored()
{
    // A bank another tool made: a null subpic stays null.
    const QString db = importSmallBank();
    relaxSchema(db);
    {
        Sql sql(db);
        QVERIFY(sql.exec(u"UPDATE subject SET subpic = NULL WHERE subid = 1"_s));
        QVERIFY(sql.exec(u"UPDATE subject SET subpic = 'NULL ' WHERE subid = 2"_s));
    }
    const QByteArray json = qbank::exportJson(db);
    const qsizetype one = json.indexOf("\"subid\": 1,");
    const qsizetype two = json.indexOf("\"subid\": 2,");
    QVERIFY(one >= 0 && two > one);
    QCOMPARE(json.mid(one, two - one).count("\"subpic\": null"), 1);
    QCOMPARE(json.mid(two).count("\"subpic\": \"NULL \""), 1);
}

void QbankToolsTest::exportRefusesWhatImportCannotRead()
{
    const QString db = importSmallBank();
    relaxSchema(db);
    {
        Sql sql(db);
        QVERIFY(sql.exec(u"UPDATE subject SET stid = NULL WHERE subid = 6"_s));
    }
    try {
        qbank::exportJson(db);
        QFAIL("exported a null stid");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"subid 6"_s) && e.text().contains(u"stid"_s), qPrintable(e.text()));
    }
}

void QbankToolsTest::checkPassesBundledBank()
{
    qbank::CheckOptions options;
    options.pictures = bundledPictures();
    const qbank::CheckReport json = qbank::checkBankFile(bundledBank(), options);
    QVERIFY2(json.findings.empty(), qPrintable(lines(json.findings).join(u'\n')));
    QVERIFY(json.questions > 0);

    const QString db = m_folder->file(u"data.db"_s);
    qbank::writeBankDatabase(qbank::readBankFile(bundledBank()), db);
    const qbank::CheckReport built = qbank::checkBankFile(db, options);
    QVERIFY2(built.findings.empty(), qPrintable(lines(built.findings).join(u'\n')));
    QCOMPARE(built.questions, json.questions);
}

void QbankToolsTest::checkPassesSmallBank()
{
    const QString db = importSmallBank();
    qbank::CheckOptions options;
    options.pictures = m_folder->file(u"upload"_s);
    QCOMPARE(lines(qbank::checkBankFile(db, options).findings), QStringList());
    relaxSchema(db); // no constraints is no fault by itself
    QCOMPARE(lines(qbank::checkBankFile(db, options).findings), QStringList());
    // A picture given at 2x only serves too.
    QVERIFY(QFile::rename(m_folder->file(u"upload/p.jpg"_s), m_folder->file(u"upload/p@2x.jpg"_s)));
    QCOMPARE(lines(qbank::checkBankFile(db, options).findings), QStringList());
}

void QbankToolsTest::checkFindsPlantedFault_data()
{
    QTest::addColumn<QStringList>("plant");
    QTest::addColumn<QStringList>("named");
    const auto row = [](const char *name, const QStringList &plant, const QStringList &named) {
        QTest::newRow(name) << plant << named;
    };
    row("duplicate subid", {u"INSERT INTO subject SELECT * FROM subject WHERE subid = 2"_s},
        {u"试题 subid 2："_s, u"subid 2 重复"_s, u"subject 表第 2 行"_s});
    row("null subid", {u"UPDATE subject SET subid = NULL WHERE subid = 5"_s},
        {u"subject 表第 5 行"_s, u"subid"_s, u"null"_s});
    row("null typeId", {u"UPDATE subject SET typeId = NULL WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"typeId"_s, u"null"_s});
    row("null sortId", {u"UPDATE subject SET sortId = NULL WHERE subid = 4"_s},
        {u"试题 subid 4："_s, u"sortId"_s, u"null"_s});
    row("null stid", {u"UPDATE subject SET stid = NULL WHERE subid = 6"_s},
        {u"试题 subid 6："_s, u"stid"_s, u"null"_s});
    row("null errorTimes", {u"UPDATE subject SET errorTimes = NULL WHERE subid = 7"_s},
        {u"试题 subid 7："_s, u"errorTimes"_s, u"null"_s});
    row("text errorTimes", {u"UPDATE subject SET errorTimes = 'many' WHERE subid = 7"_s},
        {u"试题 subid 7："_s, u"errorTimes"_s, u"文本“many”"_s});
    row("fraction stid", {u"UPDATE subject SET stid = 1.5 WHERE subid = 1"_s},
        {u"试题 subid 1："_s, u"stid"_s, u"1.5"_s});
    row("null subtitle", {u"UPDATE subject SET subtitle = NULL WHERE subid = 2"_s},
        {u"试题 subid 2："_s, u"subtitle"_s});
    row("null sortId in sort", {u"UPDATE sort SET sortId = NULL WHERE sortId = 2"_s},
        {u"sort 表第 2 行"_s, u"sortId"_s});
    row("null sortname", {u"UPDATE sort SET sortname = NULL WHERE sortId = 1"_s},
        {u"题型 sortId 1："_s, u"sortname"_s});
    row("null share", {u"UPDATE sort SET scale1 = NULL WHERE sortId = 2"_s},
        {u"题型 sortId 2（"_s, u"scale1"_s, u"null"_s});
    row("null optid", {u"UPDATE options SET optid = NULL WHERE subid = 1 AND optid = 1"_s},
        {u"试题 subid 1 的选项"_s, u"optid"_s, u"null"_s});
    row("null iskey", {u"UPDATE options SET iskey = NULL WHERE subid = 4 AND optid = 3"_s},
        {u"试题 subid 4 的选项"_s, u"iskey"_s, u"null"_s});
    row("null optcontent", {u"UPDATE options SET optcontent = NULL WHERE subid = 5 AND optid = 2"_s},
        {u"试题 subid 5 的选项"_s, u"optcontent"_s});
    row("unknown kind", {u"UPDATE subject SET typeId = 3 WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"typeId 为 3"_s});
    row("unknown type", {u"UPDATE subject SET sortId = 7 WHERE subid = 5"_s},
        {u"试题 subid 5："_s, u"sortId 7"_s});
    row("true/false with one option", {u"DELETE FROM options WHERE subid = 1 AND optid = 2"_s},
        {u"试题 subid 1："_s, u"判断题应有 2 个选项"_s, u"却有 1 个"_s});
    row("true/false with three options", {u"INSERT INTO options VALUES (2, 3, '不一定', 0)"_s},
        {u"试题 subid 2："_s, u"判断题应有 2 个选项"_s, u"却有 3 个"_s});
    row("multiple choice with five options", {u"INSERT INTO options VALUES (4, 5, 'E', 0)"_s},
        {u"试题 subid 4："_s, u"选择题应有 2 到 4 个选项"_s, u"却有 5 个"_s});
    row("multiple choice with one option", {u"DELETE FROM options WHERE subid = 7 AND optid = 2"_s},
        {u"试题 subid 7："_s, u"选择题"_s, u"却有 1 个"_s});
    row("no correct option", {u"UPDATE options SET iskey = 0 WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"恰有 1 个正确选项"_s, u"却有 0 个"_s});
    row("two correct options", {u"UPDATE options SET iskey = 1 WHERE subid = 4 AND optid = 1"_s},
        {u"试题 subid 4："_s, u"恰有 1 个正确选项"_s, u"却有 2 个"_s});
    row("optid 0", {u"UPDATE options SET optid = 0 WHERE subid = 6 AND optid = 1"_s},
        {u"试题 subid 6 的选项"_s, u"optid 为 0"_s});
    row("duplicate optid", {u"UPDATE options SET optid = 1 WHERE subid = 6 AND optid = 2"_s},
        {u"试题 subid 6 的选项"_s, u"optid 1 与"_s});
    row("option of no question", {u"INSERT INTO options VALUES (99, 1, 'x', 1)"_s},
        {u"options 表第"_s, u"subid 99"_s});
    row("picture path out of upload", {u"UPDATE subject SET subpic = '../p.jpg' WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"../p.jpg"_s});
    row("missing picture", {u"UPDATE subject SET subpic = 'gone.jpg' WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"upload/gone.jpg"_s, u"不存在"_s});
    row("picture in other case", {u"UPDATE subject SET subpic = 'P.JPG' WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"upload/P.JPG"_s, u"p.jpg"_s});
    row("unreadable picture", {u"UPDATE subject SET subpic = 'broken.jpg' WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"broken.jpg"_s, u"不是能读出的图片"_s});
    row("2x picture of the wrong size", {u"UPDATE subject SET subpic = 'odd.jpg' WHERE subid = 3"_s},
        {u"试题 subid 3："_s, u"upload/odd@2x.jpg 是 60 × 40"_s, u"两倍：120 × 80"_s});
    row("too few true/false",
        {u"DELETE FROM subject WHERE subid IN (1, 2)"_s, u"DELETE FROM options WHERE subid IN (1, 2)"_s},
        {u"题型 sortId 1（"_s, u"车型 0（C1、C2、C3、C4）"_s, u"要 1 道判断题，题库只有 0 道"_s});
    row("too few multiple choice", {u"UPDATE sort SET scale1 = 5 WHERE sortId = 2"_s},
        {u"题型 sortId 2（"_s, u"车型 1（A2、B2）的份额 5"_s, u"要 3 道选择题，题库只有 2 道"_s});
    row("unknown exam", {u"UPDATE sort SET subject = 2 WHERE sortId = 1"_s}, {u"题型 sortId 1（"_s, u"subject 为 2"_s});
    row("multi-answer with one key",
        {u"UPDATE sort SET subject = 4 WHERE sortId = 2"_s, u"UPDATE subject SET typeId = 3 WHERE subid = 6"_s},
        {u"试题 subid 6："_s, u"多选题应至少有 2 个正确选项"_s, u"却有 1 个"_s});
    row("multi-answer with two options",
        {u"UPDATE sort SET subject = 4 WHERE sortId = 2"_s, u"UPDATE subject SET typeId = 3 WHERE subid = 7"_s},
        {u"试题 subid 7："_s, u"多选题应有 4 个选项"_s, u"却有 2 个"_s});
    row("科目四 paper short",
        {u"UPDATE sort SET subject = 4, scale1 = 5 WHERE sortId = 2"_s},
        {u"科目四 车型 1（A2、B2）："_s, u"判断题 2 道、选择题 2 道、多选题 1 道"_s, u"判断题 0 道"_s});
    row("negative share", {u"UPDATE sort SET scale2 = -3 WHERE sortId = 2"_s},
        {u"题型 sortId 2（"_s, u"列 scale2 为 -3"_s, u"份额不能为负"_s});
    row("share of 2^62", {u"UPDATE sort SET scale0 = 4611686018427387904 WHERE sortId = 1"_s},
        {u"题型 sortId 1（"_s, u"份额 4611686018427387904"_s, u"要 1844674407370955161 道判断题"_s});
    row("NUL in a text", {u"UPDATE subject SET subtitle = 'a' || char(0) || 'b' WHERE subid = 4"_s},
        {u"试题 subid 4："_s, u"subtitle"_s, u"NUL"_s});
    row("empty bank", {u"DELETE FROM subject"_s, u"DELETE FROM options"_s}, {u"题库：没有试题"_s});
    row("duplicate sortId", {u"INSERT INTO sort SELECT * FROM sort WHERE sortId = 1"_s},
        {u"题型 sortId 1（"_s, u"sortId 1 重复"_s});
    row("missing table", {u"DROP TABLE note"_s}, {u"表 note："_s, u"没有这张表"_s});
    row("missing column", {u"ALTER TABLE subject DROP COLUMN stid"_s}, {u"表 subject："_s, u"缺少列 stid"_s});
    row("missing index", {u"DROP INDEX subId"_s}, {u"表 subject："_s, u"没有索引 subId"_s});
    row("note without defaults",
        {u"DROP TABLE note"_s,
         u"CREATE TABLE note (noteId INTEGER PRIMARY KEY, subid INTEGER, optionid INTEGER, "
         "isright INTEGER DEFAULT 0)"_s},
        {u"表 note："_s, u"optionid"_s, u"默认值"_s});
    row("note numbered by nobody",
        {u"DROP TABLE note"_s,
         u"CREATE TABLE note (noteId INTEGER, subid INTEGER, optionid INTEGER DEFAULT 0, "
         "isright INTEGER DEFAULT 0)"_s},
        {u"表 note："_s, u"noteId"_s});
}

void QbankToolsTest::checkFindsPlantedFault()
{
    QFETCH(QStringList, plant);
    QFETCH(QStringList, named);
    const QString db = importSmallBank();
    m_folder->writeFile(u"upload/broken.jpg"_s, "not a picture at all");
    m_folder->writePicture(u"odd.jpg"_s);
    m_folder->writePicture(u"odd@2x.jpg"_s);
    relaxSchema(db);
    {
        Sql sql(db);
        for (const QString &statement : std::as_const(plant))
            QVERIFY(sql.exec(statement));
    }
    qbank::CheckOptions options;
    options.pictures = m_folder->file(u"upload"_s);
    const QStringList found = lines(qbank::checkBankFile(db, options).findings);
    QVERIFY2(anyContainsAll(found, named), qPrintable(found.join(u'\n')));

    // The command line says so by its exit status and prints the finding.
    QByteArray out;
    QCOMPARE(runQbank({u"check"_s, db, u"--pictures"_s, options.pictures}, &out), 3);
    QVERIFY2(QString::fromUtf8(out).contains(found.first()), out.constData());
    QVERIFY(QList<int>({0, 2}).contains(runQbank({u"stats"_s, db}))); // counts or refuses, whatever the values
}

void QbankToolsTest::checkFindsFaultInJson_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("missing field") << QByteArray("\"stid\": 1, ") << QByteArray("")
                                   << QStringList{u"试题 subid 5："_s, u"缺少字段“stid”"_s};
    QTest::newRow("null integer") << QByteArray("\"typeId\": 1") << QByteArray("\"typeId\": null")
                                  << QStringList{u"试题 subid 5："_s, u"字段“typeId”为 null"_s};
    QTest::newRow("text for integer")
        << QByteArray("\"errorTimes\": 0") << QByteArray("\"errorTimes\": \"0\"")
        << QStringList{u"试题 subid 5："_s, u"errorTimes"_s, u"文本“0”"_s};
    QTest::newRow("duplicate subid") << QByteArray("\"subid\": 6") << QByteArray("\"subid\": 5")
                                     << QStringList{u"试题 subid 5："_s, u"重复"_s, u"questions[0]"_s};
    QTest::newRow("short share list") << QByteArray("[3, 1, 0, 0, 0]") << QByteArray("[3, 1, 0, 0]")
                                      << QStringList{u"题型 sortId 1"_s, u"scale"_s, u"4 个"_s};
    QTest::newRow("picture out of upload") << QByteArray("\"NULL\"") << QByteArray("\"/etc/a.jpg\"")
                                           << QStringList{u"试题 subid 5："_s, u"/etc/a.jpg"_s};
    QTest::newRow("no options") << QByteArray(
                                       "\"options\": [{\"optid\": 1, \"optcontent\": \"对\", \"iskey\": 1}, "
                                       "{\"optid\": 2, \"optcontent\": \"错\", \"iskey\": 0}]")
                                << QByteArray("\"options\": 3")
                                << QStringList{u"试题 subid 5："_s, u"options"_s};
    QTest::newRow("not an object") << QByteArray("\"questions\": [") << QByteArray("\"questions\": [7, ")
                                   << QStringList{u"questions[0]"_s, u"应为对象"_s};
    QTest::newRow("exam not its type's") << QByteArray("\"errorTimes\": 0,") << QByteArray("\"subject\": 4, \"errorTimes\": 0,")
                                         << QStringList{u"试题 subid 5："_s, u"subject 为 4"_s, u"科目一"_s};
    QTest::newRow("too few for a paper")
        << QByteArray("[3, 1, 0, 0, 0]") << QByteArray("[3, 1, 0, 0, 9]")
        << QStringList{u"题型 sortId 1"_s, u"车型 4（F1_恢复性驾驶证）"_s, u"判断题"_s};
}

void QbankToolsTest::checkFindsFaultInJson()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QStringList, named);
    QByteArray json = R"({"sorts": [{"sortId": 1, "sortname": "s", "scale": [3, 1, 0, 0, 0]}],
      "questions": [
        {"subid": 5, "typeId": 1, "sortId": 1, "stid": 1, "subtitle": "t", "subpic": "NULL", "info": null,
         "errorTimes": 0, "options": [{"optid": 1, "optcontent": "对", "iskey": 1}, {"optid": 2, "optcontent": "错", "iskey": 0}]},
        {"subid": 6, "typeId": 2, "sortId": 1, "stid": 1, "subtitle": "c", "subpic": "NULL", "info": null,
         "errorTimes": 0, "options": [{"optid": 1, "optcontent": "甲", "iskey": 1}, {"optid": 2, "optcontent": "乙", "iskey": 0}]},
        {"subid": 7, "typeId": 2, "sortId": 1, "stid": 1, "subtitle": "c", "subpic": "NULL", "info": null,
         "errorTimes": 0, "options": [{"optid": 1, "optcontent": "甲", "iskey": 0}, {"optid": 2, "optcontent": "乙", "iskey": 1}]}]})";
    m_folder->writeFile(u"good.json"_s, json);
    QCOMPARE(lines(qbank::checkBankFile(m_folder->file(u"good.json"_s), {}).findings), QStringList());
    QVERIFY(json.contains(from));
    json.replace(json.indexOf(from), from.size(), to); // the first place only
    m_folder->writeFile(u"bank.json"_s, json);
    const QStringList found = lines(qbank::checkBankFile(m_folder->file(u"bank.json"_s), {}).findings);
    QVERIFY2(anyContainsAll(found, named), qPrintable(found.join(u'\n')));
}

void QbankToolsTest::checkTellsBrokenJson()
{
    m_folder->writeFile(u"bank.json"_s, "{\n  \"sorts\": [],\n  \"questions\": [}\n");
    try {
        qbank::checkBankFile(m_folder->file(u"bank.json"_s), {});
        QFAIL("broken JSON checked");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"bank.json"_s) && e.text().contains(u"第 3 行"_s), qPrintable(e.text()));
    }
    QString errors;
    QCOMPARE(runQbank({u"check"_s, m_folder->file(u"bank.json"_s)}, nullptr, &errors), 2);
    QVERIFY2(errors.contains(u"第 3 行"_s), qPrintable(errors));
    QCOMPARE(runQbank({u"stats"_s, m_folder->file(u"bank.json"_s)}), 2);
}

void QbankToolsTest::statsCountsWhatTheBankHolds()
{
    const QString text = qbank::statsText(smallBank(), u"small"_s);
    const QStringList expected = {
        u"### small"_s,
        u"7 questions in 2 question types: 2 true/false, 5 multiple choice."_s,
        u"| 1 | 题型1 | 2 | 3 | 5 |"_s, // per type
        u"| 2 | 题型2 | 0 | 2 | 2 |"_s,
        u"|  | all | 2 | 5 | 7 |"_s,
        u"| 1 | true/false (判断题) | 2 | 0 | 0 |"_s, // per kind, pictures, explanations
        u"| 2 | multiple choice (选择题) | 5 | 1 | 1 |"_s,
        u"| 1 | 第一套 | 1 | 1 | 2 |"_s, // per study set
        u"| 9 | 货车专用试题 | 0 | 1 | 1 |"_s,
        u"| 10 | 客车专用试题 | 0 | 1 | 1 |"_s,
        u"| 0 | C1、C2、C3、C4 | 1 | 5 | 1 | 2 | 3 |"_s, // per class and paper size
        u"| 1 | A2、B2 | 2 | 7 | 0 | 3 | 3 |"_s,
        u"| 3 | E1_摩托车 | 0 | 0 | 0 | 0 | 0 |"_s,
        u"| 1 | 题型1 | 3 = 1 + 2 | 2 = 0 + 2 | – | – | – |"_s, // make-up
        u"Pictures: 1 questions name a picture, 1 different files (1 .jpg)."_s,
    };
    for (const QString &line : expected)
        QVERIFY2(text.contains(line), qPrintable(u"missing: "_s + line + u"\n"_s + text));
}

void QbankToolsTest::commandLine()
{
    const QString db = importSmallBank();
    const QString upload = m_folder->file(u"upload"_s);
    QByteArray out;
    QString errors;

    QCOMPARE(runQbank({u"check"_s, db, u"--pictures"_s, upload}, &out), 0);
    QVERIFY2(QString::fromUtf8(out).contains(u"没有发现问题"_s), out.constData());
    QCOMPARE(runQbank({u"check"_s, db}), 0);
    QCOMPARE(runQbank({u"check"_s, m_folder->file(u"none.db"_s)}, nullptr, &errors), 2);
    QVERIFY2(errors.contains(u"none.db"_s), qPrintable(errors));
    QCOMPARE(runQbank({u"check"_s, db, u"--pictures"_s, m_folder->file(u"nowhere"_s)}), 2);
    QCOMPARE(runQbank({u"check"_s}), 1);
    QCOMPARE(runQbank({u"check"_s, db, db}), 1);
    QCOMPARE(runQbank({u"check"_s, db, u"--pictures"_s}), 1);
    QCOMPARE(runQbank({u"install"_s, db, u"--pictures"_s}, nullptr, &errors), 1);
    QVERIFY2(errors.contains(u"选项“--pictures”后面缺少值"_s), qPrintable(errors)); // in Chinese, as every command
    QCOMPARE(runQbank({u"check"_s, db, u"--frobnicate"_s}), 1);

    // export: to a file, or to standard output; the same bytes as the library's.
    const QByteArray expected = qbank::exportJson(db);
    QCOMPARE(runQbank({u"export"_s, db, u"-o"_s, m_folder->file(u"out.json"_s)}), 0);
    QFile file(m_folder->file(u"out.json"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
    QCOMPARE(runQbank({u"export"_s, db}, &out), 0);
    QCOMPARE(out, expected);
    QCOMPARE(runQbank({u"export"_s, m_folder->file(u"out.json"_s)}, nullptr, &errors),
             2); // JSON is no database
    QVERIFY2(errors.contains(u"SQLite"_s), qPrintable(errors));
    QCOMPARE(runQbank({u"export"_s}), 1);

    // check and stats take the JSON as well as the database.
    QCOMPARE(runQbank({u"check"_s, m_folder->file(u"out.json"_s), u"--pictures"_s, upload}), 0);
    QByteArray fromJson;
    QCOMPARE(runQbank({u"stats"_s, db}, &out), 0);
    QCOMPARE(runQbank({u"stats"_s, m_folder->file(u"out.json"_s)}, &fromJson), 0);
    QVERIFY2(out.contains("| 0 | C1、C2、C3、C4 | 1 | 5 | 1 | 2 | 3 |"), out.constData());
    QCOMPARE(fromJson.mid(fromJson.indexOf('\n')), out.mid(out.indexOf('\n'))); // all but the title
    QCOMPARE(runQbank({u"stats"_s}), 1);

    // The first 100 findings, then how many more.
    m_folder->writeFile(u"junk.json"_s, "{\"sorts\": [], \"questions\": [" + QByteArray("{}, ").repeated(999) + "{}]}");
    QCOMPARE(runQbank({u"check"_s, m_folder->file(u"junk.json"_s)}, &out), 3);
    QVERIFY2(out.contains(u"……另有 8901 个问题未列出"_s.toUtf8()) && out.contains(u"发现 9001 个问题"_s.toUtf8()),
             out.right(300).constData());

    QCOMPARE(runQbank({u"frobnicate"_s}), 1);
    QCOMPARE(runQbank({}), 1);
}

void QbankToolsTest::helpOnEveryCommand_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"import", "export", "check", "stats"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

void QbankToolsTest::helpOnEveryCommand()
{
    QFETCH(QString, command);
    QByteArray out;
    QCOMPARE(runQbank({command, u"--help"_s}, &out), 0);
    QVERIFY2(QString::fromUtf8(out).startsWith(u"用法：qbank "_s + command), out.constData());
    QVERIFY2(QString::fromUtf8(out).contains(u"退出状态"_s), out.constData());
    QCOMPARE(runQbank({u"--help"_s}, &out), 0);
    QVERIFY(out.contains(command.toLatin1()));
}

void QbankToolsTest::versionAndStandardStreams()
{
    QByteArray out;
    QCOMPARE(runQbank({u"--version"_s}, &out), 0);
    QCOMPARE(out, QByteArray("qbank " EXAM_VERSION "\n"));

    const QString db = importSmallBank();
    const QByteArray json = qbank::exportJson(db);
    QString errors;
    QCOMPARE(runQbank({u"export"_s, db, u"-o"_s, u"-"_s}, &out, &errors), 0);
    QCOMPARE(out, json);
    QCOMPARE(errors, QString()); // nothing but the JSON, not even a warning

    // import reads "-" from standard input: the same bank as from a file.
    const QString fromStdin = m_folder->file(u"stdin.db"_s);
    QCOMPARE(runQbank({u"import"_s, u"-"_s, u"-o"_s, fromStdin}, nullptr, nullptr, json), 0);
    QCOMPARE(Sql(fromStdin).dump(), Sql(db).dump());
    QCOMPARE(runQbank({u"import"_s, u"-"_s, u"-o"_s, m_folder->file(u"broken.db"_s)}, nullptr, &errors, "{\n"), 2);
    QVERIFY2(errors.contains(u"标准输入"_s) && errors.contains(u"第 2 行"_s), qPrintable(errors));
    QVERIFY(!QFile::exists(m_folder->file(u"broken.db"_s)));
    QCOMPARE(runQbank({u"import"_s, u"-"_s, u"-o"_s, u"-"_s}, nullptr, nullptr, json), 1);

    // stats reads "-" too, JSON or a database alike.
    QByteArray fromFile;
    QCOMPARE(runQbank({u"stats"_s, db}, &fromFile), 0);
    QFile file(db);
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QByteArray &input : {json, file.readAll()}) {
        QCOMPARE(runQbank({u"stats"_s, u"-"_s}, &out, nullptr, input), 0);
        QVERIFY2(QString::fromUtf8(out).startsWith(u"### 标准输入"_s), out.constData());
        QCOMPARE(out.mid(out.indexOf('\n')), fromFile.mid(fromFile.indexOf('\n')));
    }
}

void QbankToolsTest::importKeepsOffARunningProgram()
{
    m_folder->writeFile(u"bank.json"_s, qbank::exportJson(importSmallBank()));
    const QString db = m_folder->file(u"data.db"_s);
    const QStringList import = {u"import"_s, m_folder->file(u"bank.json"_s), u"-o"_s, db};
    {
        app::BankPlace running; // the program, started on this folder
        QCOMPARE(running.claim(), app::BankPlace::Outcome::Ready);
        Sql(db).exec(u"INSERT INTO note (subid) VALUES (1)"_s);
        QString errors;
        QCOMPARE(runQbank(import, nullptr, &errors), 2);
        QVERIFY2(errors.contains(u"考试系统"_s) && errors.contains(db), qPrintable(errors));
        QCOMPARE(Sql(db).count(u"note"_s), 1); // the running program's paper stays
    }
    // Once it has ended: what SQLite left beside the old bank goes with it.
    for (const QString &leftover : {u"-wal"_s, u"-shm"_s})
        m_folder->writeFile(u"data.db"_s + leftover, QByteArray(64, 'x'));
    QCOMPARE(runQbank(import), 0);
    QCOMPARE(Sql(db).count(u"note"_s), 0);
    QVERIFY(!QFile::exists(db + u"-wal"_s) && !QFile::exists(db + u"-shm"_s));
    QVERIFY(!QFile::exists(data::lockFileName(db)));
}

// Draws a paper of every exam the bank holds for every vehicle class from the
// bank in the program folder, no question twice. 科目一: every type's
// true/false questions in ascending sortId, then every type's multiple-choice
// questions, each type giving its share. 科目四: 20 true/false, 20 one-answer
// and 10 multi-answer questions from the 科目四 types with a share.
void QbankToolsTest::verifyPapers(const qbank::Bank &bank)
{
    testing::TestMessages &messages = testing::installMessages();
    startUp();
    QVERIFY2(messages.errors.isEmpty(), qPrintable(messages.errors.join(u'\n')));
    std::map<qint64, const qbank::Question *> questions;
    for (const qbank::Question &q : bank.questions)
        questions[q.subid] = &q;
    std::map<qint64, const qbank::Sort *> sorts;
    for (const qbank::Sort &s : bank.sorts)
        sorts[s.sortId] = &s;

    quint32 counter = 0;
    const exam::SeedSource seeds = [&counter] { return counter += 2654435761u; };
    for (const int examId : app::ado().exams()) {
        app::ado().setExam(examId);
        for (int k = 0; k < qbank::kVehicleClasses; ++k) {
            QStringList expected;
            if (examId == exam::kSubject4) {
                const qsizetype counts[] = {20, 20, 10};
                for (int kind = 1; kind <= 3; ++kind)
                    expected << QStringList(counts[kind - 1], QString::number(kind));
            }
            for (const int kind : {1, 2}) {
                for (const auto &[sortId, s] : sorts) {
                    const qint64 share = s->scale[static_cast<size_t>(k)];
                    if (share <= 0 || s->subject != examId || examId == exam::kSubject4)
                        continue;
                    const qint64 f = (4 * share) / 10;
                    for (qint64 i = 0; i < (kind == 1 ? f : share - f); ++i)
                        expected << u"%1/%2"_s.arg(sortId).arg(kind);
                }
            }
            data::Table note(u"note"_s);
            note.setConnectionString(data::connectionString());
            note.setSort(u"noteId"_s);
            exam::assemblePaper(app::ado(), note, k, seeds);
            note.open();
            QStringList drawn;
            QSet<qint64> seen;
            for (note.first(); !note.eof(); note.next()) {
                const qint64 subid = note.asInt(u"subid"_s);
                QVERIFY2(!seen.contains(subid), qPrintable(u"class %1: question %2 twice"_s.arg(k).arg(subid)));
                seen.insert(subid);
                QVERIFY(questions.count(subid));
                const qbank::Sort *type = sorts.at(questions[subid]->sortId);
                QCOMPARE(type->subject, examId);
                QVERIFY(type->scale[static_cast<size_t>(k)] > 0);
                drawn << (examId == exam::kSubject4 ? QString::number(questions[subid]->typeId)
                                                    : u"%1/%2"_s.arg(type->sortId).arg(questions[subid]->typeId));
                QCOMPARE(note.asInt(u"optionid"_s), 0);
                QCOMPARE(note.asInt(u"isright"_s), 0);
            }
            note.close();
            QCOMPARE(drawn, expected);
        }
    }
}

void QbankToolsTest::bundledBankDrawsPaperForEveryClass()
{
    const qbank::Bank bank = qbank::readBankFile(bundledBank());
    m_folder->writeBank(bank);
    verifyPapers(bank);
}

void QbankToolsTest::realBankImportsChecksAndCounts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<size_t>("questions");
    QTest::addColumn<QStringList>("counted");
    QTest::addColumn<qsizetype>("exams"); // "subject" keys in the export
    QTest::newRow("科目一") << realBankPath() << size_t(5369)
                         << QStringList{u"5369 questions in 16 question types"_s, u" .gif"_s} << qsizetype(0);
    QTest::newRow("科目四") << realBankPath().replace(u"realbank"_s, u"realbank-km4"_s) << size_t(3201)
                         << QStringList{u"1608 true/false, 938 multiple choice, 655 multi-answer"_s,
                                        u"| 1 | A2、B2 | 8 | 3201 | 20 | 20 | 10 | 50 |"_s}
                         << qsizetype(3209);
}

void QbankToolsTest::realBankImportsChecksAndCounts()
{
    QFETCH(QString, path);
    QFETCH(size_t, questions);
    QFETCH(QStringList, counted);
    if (!QFile::exists(path))
        QSKIP("the real question bank (../shared/data/) is not present here");
    const QString db = m_folder->file(u"data.db"_s);
    const qbank::Bank bank = qbank::readBankFile(path);
    qbank::writeBankDatabase(bank, db);

    // It keeps every rule, as JSON and as the database (no pictures folder:
    // its pictures are named, not supplied).
    for (const QString &file : {path, db}) {
        const qbank::CheckReport report = qbank::checkBankFile(file, {});
        QVERIFY2(report.findings.empty(), qPrintable(lines(report.findings).join(u'\n')));
        QCOMPARE(report.questions, questions);
    }
    QCOMPARE(runQbank({u"check"_s, path}), 0);

    const QString stats = qbank::statsText(qbank::loadBank(db), u"real"_s);
    for (const QString &line : counted)
        QVERIFY2(stats.contains(line), qPrintable(stats));
    QByteArray out;
    QCOMPARE(runQbank({u"stats"_s, path}, &out), 0);
    QVERIFY(out.contains("paper size"));

    // Round trip on a bank of real size.
    const QByteArray json = qbank::exportJson(db);
    QTEST(json.count("\"subject\": "), "exams");
    const QString again = m_folder->file(u"again.db"_s);
    qbank::writeBankDatabase(qbank::parseBank(json, u"export"_s), again);
    QCOMPARE(Sql(again).dump(), Sql(db).dump());
}

void QbankToolsTest::realBankDrawsPaperForEveryClass_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("科目一") << realBankPath();
    QTest::newRow("科目四") << realBankPath().replace(u"realbank"_s, u"realbank-km4"_s);
}

void QbankToolsTest::realBankDrawsPaperForEveryClass()
{
    QFETCH(QString, path);
    if (!QFile::exists(path))
        QSKIP("the real question bank (../shared/data/) is not present here");
    const qbank::Bank bank = qbank::readBankFile(path);
    m_folder->writeBank(bank);
    verifyPapers(bank);
}

void QbankToolsTest::realBankPicturesShowOrNot()
{
    if (!QFile::exists(realBankPath()))
        QSKIP("the real question bank (../shared/data/realbank.json) is not present here");
    QVERIFY(QImageReader::supportedImageFormats().contains("gif"));
    const qbank::Bank bank = qbank::readBankFile(realBankPath());
    QString gif;
    QString jpg;
    QSet<QString> named;
    for (const qbank::Question &q : bank.questions) {
        if (q.subpic == u"NULL"_s || q.subpic.trimmed().isEmpty())
            continue;
        named.insert(q.subpic);
        if (gif.isEmpty() && q.subpic.endsWith(u".gif"_s))
            gif = q.subpic;
        if (jpg.isEmpty() && q.subpic.endsWith(u".jpg"_s))
            jpg = q.subpic;
    }
    QVERIFY(!gif.isEmpty() && !jpg.isEmpty());
    m_folder->writeBank(bank);
    m_folder->writeFile(u"upload/"_s + gif, kGif);

    // A GIF is read like any picture; a picture that is not there shows none.
    const QPixmap shown = questionPicture(gif);
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.size(), QSize(1, 1));
    QVERIFY(questionPicture(jpg).isNull());

    // check with the pictures folder names every question whose picture is
    // missing, and no other.
    qbank::CheckOptions options;
    options.pictures = m_folder->file(u"upload"_s);
    const qbank::CheckReport report = qbank::checkBankFile(m_folder->file(u"data.db"_s), options);
    qint64 missing = 0;
    for (const qbank::Question &q : bank.questions)
        missing += (named.contains(q.subpic) && q.subpic != gif) ? 1 : 0;
    QCOMPARE(report.count, missing); // the first 100 listed, the rest counted
    QCOMPARE(qint64(report.findings.size()), std::min(missing, qint64(qbank::kListedFindings)));
    for (const qbank::Finding &f : report.findings)
        QVERIFY2(f.text.contains(u"不存在"_s) && !f.text.contains(gif), qPrintable(f.line()));
}

EXAM_TEST(QbankToolsTest)
#include "tst_qbanktools.moc"
