#include "apperror.h"
#include "bank.h"
#include "connection.h"
#include "programfolder.h"
#include "roster.h"
#include "startup.h"
#include "tado.h"
#include "table.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString realBankPath()
{
    return qEnvironmentVariable("EXAM_SOURCE_DIR") + u"/../shared/data/realbank.json"_s;
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

const char *const kGoodBank = R"({
  "meta": {"note": "ignored"},
  "sorts": [{"sortId": 1, "sortname": "\u9053\u8def", "scale": [1, 1, 0, 0, 0], "colour": "ignored"}],
  "questions": [
    {"subid": 7, "typeId": 2, "sortId": 1, "stid": 1, "subtitle": "\u7ea2\u706f\u65f6\u5e94\u5f53\uff1f",
     "subpic": "NULL", "info": null, "errorTimes": 3,
     "options": [{"optid": 4, "optcontent": "D", "iskey": 0}, {"optid": 2, "optcontent": "B", "iskey": 1},
                 {"optid": 9, "optcontent": "I", "iskey": 0}]},
    {"subid": 3, "typeId": 1, "sortId": 1, "stid": 2, "subtitle": "判断", "subpic": "a.jpg",
     "info": "说明", "errorTimes": 0,
     "options": [{"optid": 1, "optcontent": "正确", "iskey": 1}, {"optid": 2, "optcontent": "错误", "iskey": 0}]}
  ]
})";

} // namespace

class QbankImportTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void importKeepsTextAndOptionOrder();
    void faultyJsonNamesWhatAndWhere_data();
    void faultyJsonNamesWhatAndWhere();
    void failedImportLeavesOldDatabase();
    void importRefusesWhatCheckRejects_data();
    void importRefusesWhatCheckRejects();
    void realBankStartsTheProgram();

private:
    int runQbank(const QStringList &args, QString *errors = nullptr);
    std::unique_ptr<testing::ProgramFolder> m_folder;
};

void QbankImportTest::init()
{
    testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void QbankImportTest::cleanup()
{
    m_folder.reset();
}

int QbankImportTest::runQbank(const QStringList &args, QString *errors)
{
    QProcess process;
    process.start(QStringLiteral(QBANK_EXE), args);
    if (!process.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void QbankImportTest::importKeepsTextAndOptionOrder()
{
    m_folder->writeFile(u"bank.json"_s, kGoodBank);
    QCOMPARE(runQbank({u"import"_s, m_folder->file(u"bank.json"_s), u"-o"_s, m_folder->file(u"data.db"_s)}), 0);

    const QString connection = data::buildConnectionString(m_folder->path());
    data::Table subject(u"subject"_s);
    subject.setConnectionString(connection);
    subject.setIndexName(u"subId"_s);
    subject.open();
    QCOMPARE(subject.asInt(u"subid"_s), 3); // by the index, whatever the file's order
    QCOMPARE(subject.asText(u"subpic"_s), u"a.jpg"_s);
    subject.next();
    QCOMPARE(subject.asText(u"subtitle"_s), u"红灯时应当？"_s); // escapes stored as UTF-8 text
    QVERIFY(subject.value(u"info"_s).isNull());
    QCOMPARE(subject.asInt(u"errorTimes"_s), 3);

    data::Table options(u"options"_s);
    options.setConnectionString(connection);
    options.open();
    options.setFilter(u"subid=7"_s);
    options.setFiltered(true);
    QList<qint64> ids;
    for (options.first(); !options.eof(); options.next())
        ids << options.asInt(u"optid"_s);
    QCOMPARE(ids, (QList<qint64>{4, 2, 9})); // the order of the file

    data::Table sort(u"sort"_s);
    sort.setConnectionString(connection);
    sort.open();
    QCOMPARE(sort.asText(u"sortname"_s), u"道路"_s);
    QCOMPARE(sort.asInt(u"scale0"_s), 1);
    QCOMPARE(sort.asInt(u"SCALE4"_s), 0);
}

void QbankImportTest::faultyJsonNamesWhatAndWhere_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("named");
    const QByteArray sorts = R"("sorts": [{"sortId": 1, "sortname": "s", "scale": [1, 0, 0, 0, 0]}])";
    const auto bank = [&](const QByteArray &questions) {
        return "{" + sorts + ", \"questions\": [" + questions + "]}";
    };
    const QByteArray ok = R"({"subid": 5, "typeId": 1, "sortId": 1, "stid": 1, "subtitle": "t", "subpic": "NULL",
        "info": null, "errorTimes": 0, "options": [{"optid": 1, "optcontent": "a", "iskey": 1}]})";
    QTest::newRow("syntax") << QByteArray("{\n  \"sorts\": [\n    {\"sortId\": 1,,}\n") << QStringList{u"第 3 行"_s};
    QTest::newRow("missing field") << bank(QByteArray(ok).replace("\"stid\": 1, ", ""))
                                   << QStringList{u"questions[0]"_s, u"subid 5"_s, u"stid"_s};
    QTest::newRow("wrong type") << bank(QByteArray(ok).replace("\"typeId\": 1", "\"typeId\": \"1\""))
                                << QStringList{u"subid 5"_s, u"typeId"_s, u"文本“1”"_s};
    QTest::newRow("fraction") << bank(QByteArray(ok).replace("\"errorTimes\": 0", "\"errorTimes\": 1.5"))
                              << QStringList{u"subid 5"_s, u"errorTimes"_s};
    QTest::newRow("duplicate subid") << bank(ok + ", " + ok) << QStringList{u"questions[1]"_s, u"subid"_s, u"重复"_s};
    QTest::newRow("option field") << bank(QByteArray(ok).replace("\"iskey\": 1", "\"iskey\": null"))
                                  << QStringList{u"subid 5"_s, u"options[0]"_s, u"iskey"_s};
    QTest::newRow("picture outside upload") << bank(QByteArray(ok).replace("\"NULL\"", "\"../../etc/x.jpg\""))
                                            << QStringList{u"subid 5"_s, u"subpic"_s};
    QTest::newRow("five shares") << QByteArray(R"({"sorts": [{"sortId": 2, "sortname": "s", "scale": [1, 2]}], "questions": []})")
                                 << QStringList{u"sorts[0]"_s, u"sortId 2"_s, u"scale"_s};
    QTest::newRow("no questions") << QByteArray("{" + sorts + "}") << QStringList{u"questions"_s};
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe{\0}\0", 6) << QStringList{u"UTF-16"_s};
    QTest::newRow("GBK") << QByteArray("{\"sorts\": [], \"x\": \"\xba\xba\"}") << QStringList{u"第 1 行第 21 列"_s, u"0xBA 不是 UTF-8"_s};
    QTest::newRow("NUL byte") << bank(QByteArray(ok).replace("\"t\"", QByteArray("\"t\0u\"", 5))) << QStringList{u"第 1 行"_s, u"NUL"_s};
    QTest::newRow("half a character") << bank(QByteArray(ok).replace("\"t\"", "\"\\ud83d\"")) << QStringList{u"\\uD83D"_s, u"半个字符"_s};
    QTest::newRow("trailing comma") << QByteArray("{\"sorts\": [],\n \"questions\": [1, 2,]}") << QStringList{u"第 2 行第 21 列"_s, u"“]”前面多了一个逗号"_s};
    QTest::newRow("full-width colon") << QByteArray("{\"sorts\"： []}") << QStringList{u"冒号"_s, u"却是“：”"_s};
    QTest::newRow("beyond 64 bits") << bank(QByteArray(ok).replace("\"stid\": 1", "\"stid\": 92233720368547758070"))
                                    << QStringList{u"subid 5"_s, u"数字 92233720368547758070"_s};
    QTest::newRow("empty file") << QByteArray(" \n") << QStringList{u"文件是空的"_s};
}

void QbankImportTest::faultyJsonNamesWhatAndWhere()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, named);
    try {
        qbank::parseBank(json, u"bank.json"_s);
        QFAIL("accepted");
    } catch (const AppError &e) {
        QVERIFY2(e.text().startsWith(u"bank.json"_s), qPrintable(e.text()));
        for (const QString &part : named)
            QVERIFY2(e.text().contains(part), qPrintable(e.text() + u" lacks "_s + part));
    }
}

void QbankImportTest::failedImportLeavesOldDatabase()
{
    m_folder->writeFile(u"bank.json"_s, kGoodBank);
    const QString db = m_folder->file(u"data.db"_s);
    QCOMPARE(runQbank({u"import"_s, m_folder->file(u"bank.json"_s), u"-o"_s, db}), 0);
    const QByteArray before = fileHash(db);

    QByteArray broken = kGoodBank;
    broken.replace("\"subid\": 3", "\"subid\": 7"); // a duplicate, found after the first question
    m_folder->writeFile(u"broken.json"_s, broken);
    QString errors;
    QCOMPARE(runQbank({u"import"_s, m_folder->file(u"broken.json"_s), u"-o"_s, db}, &errors), 2);
    QVERIFY2(errors.contains(u"broken.json"_s) && errors.contains(u"subid"_s), qPrintable(errors));
    QCOMPARE(fileHash(db), before);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).filter(u".tmp"_s), QStringList());

    QCOMPARE(runQbank({u"import"_s, m_folder->file(u"none.json"_s), u"-o"_s, m_folder->file(u"new.db"_s)}), 2);
    QVERIFY(!QFile::exists(m_folder->file(u"new.db"_s)));
    QCOMPARE(runQbank({u"import"_s}), 1);
}

void QbankImportTest::importRefusesWhatCheckRejects_data()
{
    QTest::addColumn<QByteArray>("questions");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QByteArray>("scale");
    const auto row = [](const char *name, const QByteArray &questions, const QStringList &named,
                        const QByteArray &scale = "[0, 0, 0, 0, 0]") {
        QTest::newRow(name) << questions << named << scale;
    };
    const QByteArray judge = R"({"subid": 5, "typeId": 1, "sortId": 1, "stid": 1, "subtitle": "t", "subpic": "NULL", )"
                             R"("info": null, "errorTimes": 0, "options": [{"optid": 1, "optcontent": "a", "iskey": 1}, )"
                             R"({"optid": 2, "optcontent": "b", "iskey": 0}]})";
    const QByteArray choose = R"({"subid": 6, "typeId": 2, "sortId": 1, "stid": 1, "subtitle": "c", "subpic": "NULL", )"
                              R"("info": null, "errorTimes": 0, "options": [{"optid": 1, "optcontent": "a", "iskey": 0}, )"
                              R"({"optid": 2, "optcontent": "b", "iskey": 1}, {"optid": 3, "optcontent": "c", "iskey": 0}]})";
    const auto with = [](QByteArray question, const char *from, const char *to) {
        return question.replace(from, to);
    };
    const QByteArray fifth = R"(, {"optid": 4, "optcontent": "d", "iskey": 0}, {"optid": 5, "optcontent": "e", "iskey": 0}]})";
    row("unknown sortId", with(judge, "\"sortId\": 1", "\"sortId\": 9") + ", " + choose,
        {u"试题 subid 5"_s, u"sortId 9"_s});
    row("one true/false option", with(judge, R"(, {"optid": 2, "optcontent": "b", "iskey": 0}])", "]") + ", " + choose,
        {u"试题 subid 5"_s, u"2 个选项"_s});
    row("five options", judge + ", " + with(choose, "]}", fifth), {u"试题 subid 6"_s, u"5 个"_s});
    row("typeId 3", judge + ", " + with(choose, "\"typeId\": 2", "\"typeId\": 3"), {u"试题 subid 6"_s, u"typeId 为 3"_s});
    row("optid 0", judge + ", " + with(choose, "\"optid\": 3", "\"optid\": 0"), {u"试题 subid 6"_s, u"optid 为 0"_s});
    row("large integer", with(judge, "\"typeId\": 1", "\"typeId\": 9223372036854775807") + ", " + choose,
        {u"试题 subid 5"_s, u"9223372036854775807"_s});
    row("every finding", with(judge, "\"sortId\": 1", "\"sortId\": 9") + ", " + with(choose, "\"optid\": 3", "\"optid\": 0"),
        {u"2 处"_s, u"试题 subid 5"_s, u"sortId 9"_s, u"试题 subid 6"_s, u"optid 为 0"_s});
    row("negative share", judge + ", " + choose, {u"“scale[0]”为 -1"_s, u"份额不能为负"_s}, "[-1, 0, 0, 0, 0]");
    row("paper the bank cannot fill", judge + ", " + choose,
        {u"题型 sortId 1（s）"_s, u"车型 0（C1、C2、C3、C4）的份额 5"_s, u"要 2 道判断题，题库只有 1 道"_s}, "[5, 0, 0, 0, 0]");
    row("empty bank", "", {u"题库：没有试题"_s});
}

void QbankImportTest::importRefusesWhatCheckRejects()
{
    QFETCH(QByteArray, questions);
    QFETCH(QStringList, named);
    QFETCH(QByteArray, scale);
    m_folder->writeFile(u"bank.json"_s, R"({"sorts": [{"sortId": 1, "sortname": "s", "scale": )" + scale + R"(}],
        "questions": [)" + questions + "]}");
    const QString db = m_folder->file(u"data.db"_s);
    QString errors;
    QCOMPARE(runQbank({u"import"_s, m_folder->file(u"bank.json"_s), u"-o"_s, db}, &errors), 2);
    for (const QString &part : named)
        QVERIFY2(errors.contains(part), qPrintable(errors + u" lacks "_s + part));
    QVERIFY(!errors.contains(u"e+18"_s));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"bank.json"_s});
}

void QbankImportTest::realBankStartsTheProgram()
{
    if (!QFile::exists(realBankPath()))
        QSKIP("the real question bank (../shared/data/realbank.json) is not present here");
    QCOMPARE(runQbank({u"import"_s, realBankPath(), u"-o"_s, m_folder->file(u"data.db"_s)}), 0);
    testing::TestMessages &messages = testing::installMessages();
    startUp();
    QVERIFY2(messages.errors.isEmpty(), qPrintable(messages.errors.join(u'\n')));
    QCOMPARE(app::ado().subject.recordCount(), 5369);
    QCOMPARE(app::ado().sort.recordCount(), 16);
}

EXAM_TEST(QbankImportTest)
#include "tst_qbank.moc"
