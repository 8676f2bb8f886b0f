#include "apperror.h"
#include "connection.h"
#include "examfixture.h"
#include "paper.h"
#include "paperdraw.h"
#include "programfolder.h"
#include "tado.h"

#include <QSet>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using testing::TypeSpec;

// The drawing of a mock-exam paper, without windows.
class PaperTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void generatorSequence();
    void shareSplit_data();
    void shareSplit();
    void tenFiveZeroGivesFifteenLinesInOrder();
    void smallSharesGiveMultipleChoiceOnly();
    void classIndexPicksItsColumn();
    void loneQuestionIsDrawnTwice();
    void repeatedQuestionIsRedrawn();
    void everyQuestionCanBeDrawn();
    void missingKindKeepsOldPaper();

private:
    struct Line {
        qint64 subid;
        qint64 sortId;
        qint64 typeId;
    };
    void open(const std::vector<TypeSpec> &types);
    QList<Line> paper();
    void draw(int classIndex, const exam::SeedSource &seeds);

    std::unique_ptr<testing::ProgramFolder> m_folder;
    std::unique_ptr<Tado> m_ado;
    std::unique_ptr<data::Table> m_note;
};

void PaperTest::init()
{
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void PaperTest::cleanup()
{
    m_note.reset();
    m_ado.reset();
    m_folder.reset();
}

void PaperTest::open(const std::vector<TypeSpec> &types)
{
    m_folder->writeBank(testing::bankOf(types));
    m_ado = std::make_unique<Tado>();
    m_ado->FormCreate(m_folder->path());
    m_note = std::make_unique<data::Table>(u"note"_s);
    m_note->setConnectionString(data::connectionString());
    m_note->setSort(u"noteId"_s);
}

void PaperTest::draw(int classIndex, const exam::SeedSource &seeds)
{
    exam::assemblePaper(*m_ado, *m_note, classIndex, seeds);
}

QList<PaperTest::Line> PaperTest::paper()
{
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.open();
    note.setSort(u"noteId"_s);
    QList<Line> lines;
    for (note.first(); !note.eof(); note.next()) {
        const qint64 subid = note.asInt(u"subid"_s);
        m_ado->subject.setFiltered(false);
        if (!m_ado->subject.locate(u"subid"_s, subid))
            qFatal("paper names a question not in the bank");
        lines.append({subid, m_ado->subject.asInt(u"sortId"_s), m_ado->subject.asInt(u"typeId"_s)});
    }
    return lines;
}

void PaperTest::generatorSequence()
{
    exam::Random random(0);
    QList<quint32> values;
    for (int i = 0; i < 8; ++i)
        values << random.next(100);
    QCOMPARE(values, (QList<quint32>{0, 3, 86, 20, 27, 67, 31, 16}));
    QCOMPARE(random.seed(), 694906232u);

    random.setSeed(12345);
    values.clear();
    for (int i = 0; i < 6; ++i)
        values << random.next(1000);
    QCOMPARE(values, (QList<quint32>{385, 289, 79, 553, 633, 341}));

    random.setSeed(0xFFFFFFFFu); // wraps around 2^32
    values.clear();
    for (int i = 0; i < 6; ++i)
        values << random.next(7);
    QCOMPARE(values, (QList<quint32>{6, 1, 3, 0, 6, 0}));
}

void PaperTest::shareSplit_data()
{
    QTest::addColumn<int>("share");
    QTest::addColumn<int>("trueFalse");
    const int table[][2] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {7, 2}, {10, 4}, {25, 10}};
    for (const auto &row : table)
        QTest::addRow("%d", row[0]) << row[0] << row[1];
}

void PaperTest::shareSplit()
{
    QFETCH(int, share);
    QTEST(exam::trueFalseCount(share), "trueFalse");
}

void PaperTest::tenFiveZeroGivesFifteenLinesInOrder()
{
    open({{1, {10, 0, 0, 0, 0}, 12, 15}, {2, {5, 0, 0, 0, 0}, 6, 8}, {3, {0, 1, 0, 0, 0}, 5, 5}});
    draw(0, exam::counterSeed());
    const QList<Line> lines = paper();
    QCOMPARE(lines.size(), 15);
    QList<QPair<qint64, qint64>> order; // (sortId, typeId) per line
    for (const Line &l : lines)
        order.append({l.sortId, l.typeId});
    QList<QPair<qint64, qint64>> expected;
    for (int i = 0; i < 4; ++i)
        expected.append({1, 1});
    for (int i = 0; i < 2; ++i)
        expected.append({2, 1});
    for (int i = 0; i < 6; ++i)
        expected.append({1, 2});
    for (int i = 0; i < 3; ++i)
        expected.append({2, 2});
    QCOMPARE(order, expected);
    QSet<qint64> distinct;
    for (const Line &l : lines)
        distinct.insert(l.subid);
    QCOMPARE(distinct.size(), 15); // plenty of questions: none twice
}

void PaperTest::smallSharesGiveMultipleChoiceOnly()
{
    open({{1, {1, 0, 0, 0, 0}, 3, 3}, {2, {2, 0, 0, 0, 0}, 3, 3}, {3, {3, 0, 0, 0, 0}, 3, 3}});
    draw(0, exam::counterSeed());
    QList<QPair<qint64, qint64>> order;
    for (const Line &l : paper())
        order.append({l.sortId, l.typeId});
    const QList<QPair<qint64, qint64>> expected = {{3, 1}, {1, 2}, {2, 2}, {2, 2}, {3, 2}, {3, 2}};
    QCOMPARE(order, expected);
}

void PaperTest::classIndexPicksItsColumn()
{
    open({{1, {2, 0, 0, 5, 0}, 4, 6}, {2, {0, 0, 0, 0, 3}, 4, 6}});
    draw(3, exam::counterSeed());
    QCOMPARE(paper().size(), 5);
    for (const Line &l : paper())
        QCOMPARE(l.sortId, 1);
    draw(4, exam::counterSeed());
    QCOMPARE(paper().size(), 3);
    for (const Line &l : paper())
        QCOMPARE(l.sortId, 2);
    draw(1, exam::counterSeed()); // every share 0: an empty paper
    QCOMPARE(paper().size(), 0);
}

void PaperTest::loneQuestionIsDrawnTwice()
{
    // A share of 5 asks for two true/false questions; the type has one.
    open({{1, {5, 0, 0, 0, 0}, 1, 3}});
    draw(0, exam::counterSeed());
    const QList<Line> lines = paper();
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0].subid, 1000);
    QCOMPARE(lines[1].subid, 1000);
}

void PaperTest::repeatedQuestionIsRedrawn()
{
    // Two true/false questions, both asked for. With N = 2, seed 0 draws the
    // first and seed 1 the second: the second line gets seed 0 five more
    // times, all rejected, then seed 1.
    open({{1, {5, 0, 0, 0, 0}, 2, 3}});
    draw(0, testing::cyclingSeeds({0, 0, 0, 0, 0, 0, 1, 0, 1, 2}));
    const QList<Line> lines = paper();
    QCOMPARE(lines[0].subid, 1000);
    QCOMPARE(lines[1].subid, 1001);

    // After ten redraws the eleventh is taken even when it repeats.
    draw(0, testing::cyclingSeeds({0}));
    const QList<Line> stuck = paper();
    QCOMPARE(stuck[0].subid, 1000);
    QCOMPARE(stuck[1].subid, 1000);
}

void PaperTest::everyQuestionCanBeDrawn()
{
    // Seven multiple-choice questions of one type; a paper takes one. Seeds
    // 0 to 7 reach every position, the last one included.
    open({{1, {1, 0, 0, 0, 0}, 0, 7}});
    QSet<qint64> drawn;
    for (quint32 seed = 0; seed < 8; ++seed) {
        draw(0, testing::cyclingSeeds({seed}));
        drawn.insert(paper().first().subid);
    }
    QCOMPARE(drawn.size(), 7);
    QVERIFY(drawn.contains(1506));
}

void PaperTest::missingKindKeepsOldPaper()
{
    open({{1, {3, 0, 0, 0, 0}, 3, 3}, {2, {3, 0, 0, 0, 0}, 0, 4}});
    m_ado->sort.setFiltered(false);
    // Class 0 needs a true/false question of type 2, which has none.
    {
        data::Table note(u"note"_s);
        note.setConnectionString(data::connectionString());
        data::writePaper(note, [&] {
            for (const qint64 subid : {1000, 1500}) {
                note.append();
                note.setValue(u"subid"_s, subid);
            }
        });
    }
    try {
        draw(0, exam::counterSeed());
        QFAIL("a paper was drawn from a type without true/false questions");
    } catch (const AppError &e) {
        QVERIFY2(e.text().contains(u"题型 2"_s) && e.text().contains(u"判断题"_s), qPrintable(e.text()));
    }
    const QList<Line> lines = paper();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].subid, 1000);
    QCOMPARE(lines[1].subid, 1500);
}

EXAM_TEST(PaperTest)
#include "tst_paper.moc"
