#include "connection.h"
#include "roster.h"
#include "startup.h"
#include "tado.h"
#include "testsupport.h"
#include "tksqr.h"
#include "tksxz.h"
#include "tmain.h"
#include "tmnks.h"
#include "txccx.h"
#include "txtxx.h"
#include "txxts.h"
#include "widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using app::Slot;
using testing::choice;
using testing::trueFalse;

// The ten study sets: their papers, and the exam window in study mode.
class StudySetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void setPaperPutsTrueFalseFirst();
    void paperLabelNamesTheSet_data();
    void paperLabelNamesTheSet();
    void setReplacesUnfinishedMockExam();
    void chosenSetIsKept();
    void emptySetGivesEmptyPaper();
    void studyResultAfterMockExam();

private:
    void start();
    QList<qint64> paper();
    Tmain *menu() { return app::roster().get<Tmain>(); }
    Txtxx *sets() { return app::roster().get<Txtxx>(); }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
};

void StudySetTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void StudySetTest::cleanup()
{
    m_folder.reset();
}

void StudySetTest::start()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {4, 0, 0, 0, 0}), testing::sortOf(2, {0, 0, 0, 0, 0})};
    // Set 3 stored out of order: multiple choice and true/false mixed, the
    // numbers not ascending.
    bank.questions = {choice(330, 1, 3, 2), trueFalse(340, 2, 3, true), choice(310, 2, 3, 0),
                      trueFalse(320, 1, 3, false), trueFalse(305, 1, 3, true)};
    for (int i = 0; i < 6; ++i) {
        bank.questions.push_back(trueFalse(100 + i, 1, i % 2 ? 9 : 10, true));
        bank.questions.push_back(choice(200 + i, 1, i % 2 ? 9 : 10, 1));
    }
    bank.questions.push_back(trueFalse(400, 1, 1, true));
    bank.questions.push_back(choice(401, 1, 1, 3));
    m_folder->writeBank(bank);
    m_folder->writeFile(u"system.ini"_s, "alltime=2700\nmark=3\n");
    startUp();
    app::showSlot(Slot::main);
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
}

QList<qint64> StudySetTest::paper()
{
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.open();
    note.setSort(u"noteId"_s);
    QList<qint64> subids;
    for (note.first(); !note.eof(); note.next())
        subids << note.asInt(u"subid"_s);
    return subids;
}

void StudySetTest::setPaperPutsTrueFalseFirst()
{
    start();
    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    QCOMPARE(menu()->tag(), 1);
    QVERIFY(sets()->isVisible());
    sets()->R3->click();
    QTest::mouseClick(sets()->BitBtn1, Qt::LeftButton);
    QCOMPARE(paper(), (QList<qint64>{305, 320, 340, 310, 330}));
    auto *exam = app::roster().get<Tmnks>();
    QVERIFY(exam->isVisible());
    QVERIFY(!sets()->isVisible());
    QCOMPARE(exam->tag(), 1);
    QVERIFY(!exam->autoshow->isHidden()); // study mode
    QCOMPARE(exam->questionCount(), 5);
    QVERIFY(!sets()->ADO_note.isOpen()); // closed after writing, opened by the next confirm
    // The shared subject is left on the set, sorted by kind.
    QCOMPARE(app::ado().subject.filter(), u"(stid=3)"_s);
    QCOMPARE(app::ado().subject.sort(), u"typeId"_s);
}

void StudySetTest::paperLabelNamesTheSet_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("label");
    QTest::newRow("third") << 3 << u"试卷编号：第3套"_s;
    QTest::newRow("trucks") << 9 << u"试卷编号：第9套"_s;
    QTest::newRow("buses") << 10 << u"试卷编号：第10套"_s;
}

void StudySetTest::paperLabelNamesTheSet()
{
    QFETCH(int, set);
    start();
    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    sets()->findChild<QRadioButton *>(u"R%1"_s.arg(set))->click();
    QTest::keyClick(sets(), Qt::Key_Enter, Qt::KeypadModifier); // Enter as "确定"
    QTEST(app::roster().get<Tmnks>()->lb_kscx->text(), "label");
}

void StudySetTest::setReplacesUnfinishedMockExam()
{
    start();
    QTest::keyClick(menu(), Qt::Key_Asterisk, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Txccx>(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Tksxz>(), Qt::Key_Enter, Qt::KeypadModifier);
    QPointer<Tmnks> mock = app::roster().get<Tmnks>();
    QCOMPARE(mock->questionCount(), 4);
    QTest::keyClick(mock, Qt::Key_4, Qt::KeypadModifier);

    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    sets()->R1->click();
    QTest::mouseClick(sets()->BitBtn1, Qt::LeftButton);
    QCOMPARE(paper(), (QList<qint64>{400, 401}));
    QVERIFY(app::roster().get<Tmnks>() != mock);
    QVERIFY(!mock || !mock->isVisible());
}

void StudySetTest::chosenSetIsKept()
{
    start();
    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    QVERIFY(sets()->R1->isChecked());
    sets()->R7->click();
    QTest::mouseClick(sets()->Button1, Qt::LeftButton); // 返回主界面
    QVERIFY(!sets()->isVisible());
    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    QVERIFY(sets()->isVisible());
    QVERIFY(sets()->R7->isChecked());
    QCOMPARE(sets()->chosenSet(), 7);
    int checked = 0;
    for (auto *r : sets()->findChildren<QRadioButton *>())
        checked += r->isChecked();
    QCOMPARE(checked, 1);
    QCOMPARE(app::roster().builds(Slot::xtxx), 1);
}

void StudySetTest::emptySetGivesEmptyPaper()
{
    start();
    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    sets()->R5->click();
    QTest::mouseClick(sets()->BitBtn1, Qt::LeftButton);
    auto *exam = app::roster().get<Tmnks>();
    QVERIFY(exam->isVisible());
    QCOMPARE(exam->questionCount(), 0);
    QVERIFY(!exam->opt1->isEnabled());
    QVERIFY(m_messages->errors.isEmpty());
    QCOMPARE(paper(), QList<qint64>());
}

void StudySetTest::studyResultAfterMockExam()
{
    start();
    QTest::keyClick(menu(), Qt::Key_Asterisk, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Txccx>(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Tksxz>(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Tmnks>(), Qt::Key_Slash, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Tksqr>(), Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(app::roster().get<Txxts>(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!app::roster().object(Slot::ksxz));

    QTest::mouseClick(menu()->Image9, Qt::LeftButton);
    sets()->R10->click();
    QTest::mouseClick(sets()->BitBtn1, Qt::LeftButton);
    auto *exam = app::roster().get<Tmnks>();
    // Three true/false questions (all true) first, then three with B correct.
    for (int i = 0; i < exam->questionCount(); ++i)
        QTest::keyClick(exam, i < 3 ? Qt::Key_4 : Qt::Key_2, Qt::KeypadModifier);
    QTest::mouseClick(exam->bt_jj, Qt::LeftButton);
    QTest::mouseClick(app::roster().get<Tksqr>()->Button1, Qt::LeftButton);
    auto *result = app::roster().get<Txxts>();
    QCOMPARE(result->lb_tsxx->text(), u"您的本次学习成绩为："_s);
    QCOMPARE(result->lbksfs->text(), u"6"_s);
    QCOMPARE(result->lb_ksjg->text(), u"恭喜您，考试合格！！"_s); // the verdict in study mode too
    QTest::mouseClick(result->Button1, Qt::LeftButton);
    QVERIFY(!app::roster().object(Slot::mnks));
    QVERIFY(!app::roster().object(Slot::ksxz));
    for (const Slot s : {Slot::main, Slot::xccx, Slot::xtxx, Slot::jtbz, Slot::jxjs, Slot::dtjq, Slot::ado})
        QVERIFY(app::roster().object(s));
    QVERIFY(m_messages->errors.isEmpty());
}

EXAM_TEST(StudySetTest)
#include "tst_studysets.moc"
