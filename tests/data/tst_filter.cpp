#include "apperror.h"
#include "filter.h"
#include "banksupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

class FilterTest : public QObject {
    Q_OBJECT
private slots:
    void acceptsTheExpressionsTheWindowsUse_data();
    void acceptsTheExpressionsTheWindowsUse();
    void rejectsEverythingElse_data();
    void rejectsEverythingElse();
    void sortOrders_data();
    void sortOrders();
    void badSortOrders_data();
    void badSortOrders();
};

using Comparisons = QList<QString>; // "column op value"

static QString describe(const data::Filter &filter)
{
    QStringList parts;
    for (const auto &c : filter.comparisons) {
        QStringList among;
        for (const qint64 v : c.among)
            among << QString::number(v);
        parts << c.column
                     + (c.among.empty() ? (c.atLeast ? u">="_s : u"="_s) + QString::number(c.value)
                                        : u" in "_s + among.join(u','));
    }
    return parts.join(u" & "_s);
}

void FilterTest::acceptsTheExpressionsTheWindowsUse_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("parsed");
    QTest::newRow("type and kind") << u"(sortid=3) and (typeId=1)"_s << u"sortid=3 & typeId=1"_s;
    QTest::newRow("one question") << u"subid=10005"_s << u"subid=10005"_s;
    QTest::newRow("study set") << u"(stid=10)"_s << u"stid=10"_s;
    QTest::newRow("threshold") << u"errorTimes>=0"_s << u"errorTimes>=0"_s;
    QTest::newRow("wrong answers") << u"isright=0"_s << u"isright=0"_s;
    QTest::newRow("blanks and case") << u"  SORTID = 7  AND (TypeId=2) "_s << u"SORTID=7 & TypeId=2"_s;
    QTest::newRow("three joined") << u"a=1 and b>=2 and (c=3)"_s << u"a=1 & b>=2 & c=3"_s;
    QTest::newRow("negative") << u"x>=-4"_s << u"x>=-4"_s;
    QTest::newRow("an exam's types") << u"(stid=3) and (sortId IN (9, 10,11))"_s << u"stid=3 & sortId in 9,10,11"_s;
    QTest::newRow("empty means every row") << u"   "_s << QString();
}

void FilterTest::acceptsTheExpressionsTheWindowsUse()
{
    QFETCH(QString, expression);
    QFETCH(QString, parsed);
    QCOMPARE(describe(data::parseFilter(expression)), parsed);
}

void FilterTest::rejectsEverythingElse_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("no operator") << u"subid"_s << u"“=”或“>=”"_s;
    QTest::newRow("no value") << u"subid="_s << u"应为整数"_s;
    QTest::newRow("text value") << u"subid='5'"_s << u"应为整数"_s;
    QTest::newRow("less than") << u"subid<5"_s << u"“=”或“>=”"_s;
    QTest::newRow("or") << u"subid=5 or stid=1"_s << u"“and”"_s;
    QTest::newRow("open paren") << u"(subid=5"_s << u"“)”"_s;
    QTest::newRow("close paren") << u"subid=5)"_s << u"“and”"_s;
    QTest::newRow("nested parens") << u"((subid=5))"_s << u"列名"_s;
    QTest::newRow("trailing and") << u"subid=5 and"_s << u"列名"_s;
    QTest::newRow("sql pasted") << u"subid=5; DROP TABLE note"_s << u"“and”"_s;
    QTest::newRow("keyword as column") << u"and=1"_s << u"列名"_s;
    QTest::newRow("in without list") << u"sortId in 9"_s << u"“(”"_s;
    QTest::newRow("empty list") << u"sortId in ()"_s << u"应为整数"_s;
    QTest::newRow("unclosed list") << u"sortId in (9 10)"_s << u"“,”或“)”"_s;
    QTest::newRow("overflow") << u"subid=99999999999999999999"_s << u"超出范围"_s;
}

void FilterTest::rejectsEverythingElse()
{
    QFETCH(QString, expression);
    QFETCH(QString, complaint);
    try {
        data::parseFilter(expression);
        QFAIL("accepted");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(expression), qPrintable(e.text()));
        QVERIFY2(e.text().contains(complaint), qPrintable(e.text()));
    }
}

void FilterTest::sortOrders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("descending");
    QTest::newRow("plain") << u"sortId"_s << u"sortId"_s << false;
    QTest::newRow("desc") << u"errorTimes DESC"_s << u"errorTimes"_s << true;
    QTest::newRow("desc lower case") << u"errorTimes desc"_s << u"errorTimes"_s << true;
    QTest::newRow("asc") << u"noteId ASC"_s << u"noteId"_s << false;
    QTest::newRow("none") << QString() << QString() << false;
}

void FilterTest::sortOrders()
{
    QFETCH(QString, text);
    const data::SortOrder order = data::parseSortOrder(text);
    QTEST(order.column, "column");
    QTEST(order.descending, "descending");
}

void FilterTest::badSortOrders_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("three words") << u"a b c"_s;
    QTest::newRow("sql") << u"subid;DROP"_s;
    QTest::newRow("bad direction") << u"subid UP"_s;
    QTest::newRow("two columns") << u"subid, stid"_s;
}

void FilterTest::badSortOrders()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(AppError, data::parseSortOrder(text));
}

EXAM_TEST(FilterTest)
#include "tst_filter.moc"
