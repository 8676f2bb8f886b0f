#include "connection.h"
#include "questionview.h"
#include "roster.h"
#include "startup.h"
#include "tado.h"
#include "testsupport.h"
#include "tllst.h"
#include "tlxxc.h"
#include "tmain.h"
#include "tycst.h"
#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using app::Slot;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QColor textColour(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

// Six types: 1, 3 and 6 for small cars; 2, 3 and 5 for trucks; none for
// buses but type 5. Type 4 takes part in no class although it has questions;
// type 6 has none. Listed on purpose out of sortId order.
qbank::Bank selectionBank()
{
    qbank::Bank bank;
    bank.sorts = {
        testing::sortOf(3, {4, 2, 0, 0, 0}, u"安全行车常识"_s),
        testing::sortOf(1, {7, 0, 0, 0, 0}, u"道路交通安全法律法规"_s),
        testing::sortOf(2, {0, 5, 0, 0, 0}, u"道路交通信号"_s),
        testing::sortOf(4, {0, 0, 0, 3, 0}, u"文明驾驶常识"_s),
        testing::sortOf(5, {0, 3, 0, 0, 0}, u"货车专用知识"_s),
        testing::sortOf(6, {1, 0, 0, 0, 0}, u"地方性法规"_s),
    };
    int subid = 1;
    const auto add = [&bank, &subid](qint64 sortId, int count) {
        for (int i = 0; i < count; ++i, ++subid)
            bank.questions.push_back(subid % 2 ? testing::trueFalse(subid, sortId, 1, true)
                                               : testing::choice(subid, sortId, 1, 0));
    };
    add(1, 3);
    add(2, 2);
    add(3, 4);
    add(4, 5);
    add(5, 1);
    return bank;
}

// Questions with the given errorTimes, subid 1, 2, … in that order.
qbank::Bank errorBank(const QList<qint64> &errorTimes)
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 1, 1, 0, 0})};
    for (qsizetype i = 0; i < errorTimes.size(); ++i) {
        qbank::Question q = testing::choice(i + 1, 1, 1, 0);
        q.errorTimes = errorTimes[i];
        bank.questions.push_back(q);
    }
    return bank;
}

} // namespace

class BrowseTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Browse selection
    void selectionStartsOnSmallCars();
    void typeList_data();
    void typeList();
    void sameCountsUnderTwoClasses();
    void classWithoutTypesDisablesBrowsing();
    void moreThan21TypesAreAllListed();
    void twentyOneTypesFitWithoutScrolling();
    void thirdItemOpensBrowserOnThirdType();
    void returnButtonsHide();

    // Question browser and error-prone browser
    void browserKeepsSubidOrder();
    void freshBrowserHasEveryButtonOn();
    void priorOnFirstQuestion();
    void lastQuestionTurnsNextAndLastOff();
    void oneQuestionSet_data();
    void oneQuestionSet();
    void emptyTypeShowsNothing();
    void browserIgnoresSharedSubjectChanges();
    void errorProneSmallBank();
    void errorProneTieAtThreshold();
    void errorProneZeroThreshold();
    void errorProneEmptyBank();
    void errorProneRecomputedAtOpening();
    void errorProneFromMainMenu();

    // The question display
    void correctOptionRedWithTick();
    void trueFalseShowsTwoLines();
    void fiveOptionsShowFirstFour();
    void explanation_data();
    void explanation();
    void picture_data();
    void picture();
    void layoutOfTheTwoBrowsers();
    void longTextsFitTheirFrames();

private:
    void start(const qbank::Bank &bank);
    Tmain *mainWindow() const { return app::roster().get<Tmain>(); }
    Tlxxc *openSelection();
    Tllst *browseType(int item);
    Tycst *openErrorProne();
    QStringList items(const Tlxxc *w) const;
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void chooseClass(Tlxxc *w, int index);

    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
};

void BrowseTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void BrowseTest::cleanup()
{
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
    m_folder.reset();
}

void BrowseTest::start(const qbank::Bank &bank)
{
    m_folder->writeBank(bank);
    startUp();
    app::showSlot(Slot::main);
}

Tlxxc *BrowseTest::openSelection()
{
    QTest::mouseClick(mainWindow()->Image6, Qt::LeftButton);
    auto *w = app::roster().get<Tlxxc>();
    return w;
}

Tllst *BrowseTest::browseType(int item)
{
    Tlxxc *selection = openSelection();
    if (item >= selection->rgp->count())
        return nullptr;
    QTest::mouseClick(selection->rgp->button(item), Qt::LeftButton);
    click(selection->Button1);
    return app::roster().get<Tllst>();
}

Tycst *BrowseTest::openErrorProne()
{
    QTest::mouseClick(mainWindow()->Image7, Qt::LeftButton);
    return app::roster().get<Tycst>();
}

QStringList BrowseTest::items(const Tlxxc *w) const
{
    QStringList texts;
    for (int i = 0; i < w->rgp->count(); ++i)
        texts << w->rgp->itemText(i);
    return texts;
}

void BrowseTest::chooseClass(Tlxxc *w, int index)
{
    // As a pupil does it with the keyboard on the closed list.
    w->cbx->setFocus();
    while (w->cbx->currentIndex() < index)
        QTest::keyClick(w->cbx, Qt::Key_Down);
    while (w->cbx->currentIndex() > index)
        QTest::keyClick(w->cbx, Qt::Key_Up);
}

void BrowseTest::selectionStartsOnSmallCars()
{
    start(selectionBank());
    Tlxxc *w = openSelection();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->cbx->count(), 3);
    QCOMPARE(w->cbx->currentText(), u"C1、C2、C3、C4"_s);
    QCOMPARE(w->cbx->itemText(1), u"A2、B2"_s);
    QCOMPARE(w->cbx->itemText(2), u"A1、A3、B1"_s);
    QCOMPARE(w->rgp->title(), u"请选择题目类型："_s);
    QCOMPARE(w->rgp->itemIndex(), 0);
    QVERIFY(w->rgp->button(0)->isChecked());
    QVERIFY(w->Button1->isEnabled());
    QCOMPARE(w->Button1->text(), u"浏览题库"_s);
    QCOMPARE(w->Button2->text(), u"返回主界面"_s);
    QCOMPARE(w->Label6->text(), u"浏览试题"_s);
    QCOMPARE(w->Label1->text(), u"选择考试车型："_s);
    QCOMPARE(textColour(w->rgp->button(0)), QColor(0, 0, 255));
}

void BrowseTest::typeList_data()
{
    QTest::addColumn<int>("classIndex");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<qint64>>("sortIds");
    QTest::newRow("small cars") << 0
                                << QStringList{u"道路交通安全法律法规 (3 题)"_s, u"安全行车常识 (4 题)"_s,
                                               u"地方性法规 (0 题)"_s}
                                << QList<qint64>{1, 3, 6};
    QTest::newRow("trucks") << 1
                            << QStringList{u"道路交通信号 (2 题)"_s, u"安全行车常识 (4 题)"_s,
                                           u"货车专用知识 (1 题)"_s}
                            << QList<qint64>{2, 3, 5};
    QTest::newRow("buses") << 2 << QStringList{} << QList<qint64>{};
}

void BrowseTest::typeList()
{
    QFETCH(int, classIndex);
    QFETCH(QStringList, expected);
    QFETCH(QList<qint64>, sortIds);
    qbank::Bank bank = selectionBank();
    start(bank);
    Tlxxc *w = openSelection();
    chooseClass(w, classIndex);
    QCOMPARE(items(w), expected);
    QCOMPARE(QList<qint64>(w->typeTable().begin(), w->typeTable().end()), sortIds);
    QCOMPARE(w->rgp->itemIndex(), expected.isEmpty() ? -1 : 0);
    for (int i = 0; i < w->rgp->count(); ++i)
        QVERIFY(w->rgp->button(i)->isVisible());
}

void BrowseTest::sameCountsUnderTwoClasses()
{
    start(selectionBank());
    Tlxxc *w = openSelection();
    QTest::mouseClick(w->rgp->button(1), Qt::LeftButton);
    QCOMPARE(w->rgp->itemIndex(), 1);
    const QString underCars = w->rgp->itemText(1);
    chooseClass(w, 1);
    // The new class's first type is selected, and the shared type counts the same.
    QCOMPARE(w->rgp->itemIndex(), 0);
    QCOMPARE(w->rgp->itemText(1), underCars);
    QCOMPARE(underCars, u"安全行车常识 (4 题)"_s);
    chooseClass(w, 0);
    QCOMPARE(w->rgp->itemText(1), underCars);
}

void BrowseTest::classWithoutTypesDisablesBrowsing()
{
    start(selectionBank());
    Tlxxc *w = openSelection();
    chooseClass(w, 2);
    QCOMPARE(w->rgp->count(), 0);
    QVERIFY(!w->Button1->isEnabled());
    click(w->Button1);
    QVERIFY(!app::roster().object(Slot::llst));
    chooseClass(w, 1);
    QVERIFY(w->Button1->isEnabled());
    QCOMPARE(w->rgp->count(), 3);
}

void BrowseTest::moreThan21TypesAreAllListed()
{
    qbank::Bank bank;
    for (int t = 1; t <= 30; ++t) {
        bank.sorts.push_back(testing::sortOf(t, {1, 0, 0, 0, 0}, u"类型%1"_s.arg(t)));
        bank.questions.push_back(testing::trueFalse(t, t, 1, true));
    }
    start(bank);
    Tlxxc *w = openSelection();
    QCOMPARE(w->rgp->count(), 30);
    QCOMPARE(w->rgp->itemText(29), u"类型30 (1 题)"_s);
    // The items do not overlap one another.
    for (int i = 1; i < 30; ++i)
        QVERIFY(w->rgp->button(i)->geometry().top() >= w->rgp->button(i - 1)->geometry().bottom());
    // Down the list with the arrow keys, which keep the chosen item in view.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::mouseClick(w->rgp->button(0), Qt::LeftButton);
    QVERIFY(w->rgp->button(0)->hasFocus());
    for (int i = 0; i < 29; ++i)
        QTest::keyClick(w->rgp->button(i), Qt::Key_Down);
    QCOMPARE(w->rgp->itemIndex(), 29);
    QTest::mouseClick(w->rgp->button(28), Qt::LeftButton);
    QCOMPARE(w->rgp->itemIndex(), 28);
    QTest::mouseClick(w->rgp->button(29), Qt::LeftButton);
    QCOMPARE(w->rgp->itemIndex(), 29);
    click(w->Button1);
    QCOMPARE(w->tag(), 30);
    QCOMPARE(app::roster().get<Tllst>()->noteinfo->text(), u"试题类型：类型30 (1 题)"_s);
}

void BrowseTest::twentyOneTypesFitWithoutScrolling()
{
    qbank::Bank bank;
    for (int t = 1; t <= 21; ++t)
        bank.sorts.push_back(testing::sortOf(t, {1, 0, 0, 0, 0}, u"道路交通安全法律法规%1"_s.arg(t)));
    start(bank);
    Tlxxc *w = openSelection();
    QCOMPARE(w->rgp->count(), 21);
    for (int i = 0; i < 21; ++i) {
        QRadioButton *item = w->rgp->button(i);
        QCOMPARE(item->visibleRegion().boundingRect(), item->rect());
        QVERIFY(item->height() >= item->fontInfo().pixelSize());
    }
}

void BrowseTest::thirdItemOpensBrowserOnThirdType()
{
    start(selectionBank());
    Tllst *browser = browseType(2);
    QVERIFY(browser);
    auto *selection = app::roster().get<Tlxxc>();
    QCOMPARE(selection->tag(), 6);
    QCOMPARE(browser->noteinfo->text(), u"试题类型：地方性法规 (0 题)"_s);
    QVERIFY(browser->isVisible());
    QVERIFY(selection->isVisible()); // stays open beneath the browser

    // The second type under trucks: questions 6 to 9.
    chooseClass(selection, 1);
    QTest::mouseClick(selection->rgp->button(1), Qt::LeftButton);
    click(selection->Button1);
    browser = app::roster().get<Tllst>();
    QCOMPARE(selection->tag(), 3);
    QCOMPARE(browser->noteinfo->text(), u"试题类型：安全行车常识 (4 题)"_s);
    QCOMPARE(browser->questions().recordCount(), 4);
    QCOMPARE(browser->note->text(), u"第1题\n\n选择题 6"_s);
}

void BrowseTest::returnButtonsHide()
{
    start(selectionBank());
    Tllst *browser = browseType(0);
    auto *selection = app::roster().get<Tlxxc>();
    QCOMPARE(browser->Button5->text(), u"返回主窗口"_s);
    click(browser->Button5);
    QVERIFY(!browser->isVisible());
    QVERIFY(selection->isVisible());
    click(selection->Button2);
    QVERIFY(!selection->isVisible());
    QVERIFY(mainWindow()->isVisible());
}

void BrowseTest::browserKeepsSubidOrder()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0}), testing::sortOf(2, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(7, 2, 1, 0, 4, u"七"_s), testing::choice(3, 2, 1, 0, 4, u"三"_s),
                      testing::choice(4, 1, 1, 0, 4, u"四"_s), testing::choice(5, 2, 1, 0, 4, u"五"_s)};
    start(bank);
    Tllst *w = browseType(1);
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        seen << w->note->text();
        click(w->Button3);
    }
    QCOMPARE(seen, (QStringList{u"第1题\n\n三"_s, u"第2题\n\n五"_s, u"第3题\n\n七"_s}));
}

void BrowseTest::freshBrowserHasEveryButtonOn()
{
    start(selectionBank());
    Tllst *w = browseType(1); // four questions
    QCOMPARE(w->position(), 1);
    QCOMPARE(w->note->text(), u"第1题\n\n选择题 6"_s);
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4, w->Button5})
        QVERIFY(b->isEnabled());
    QCOMPARE(w->Button1->text(), u"第一题"_s);
    QCOMPARE(w->Button2->text(), u"上一题"_s);
    QCOMPARE(w->Button3->text(), u"下一题"_s);
    QCOMPARE(w->Button4->text(), u"最末题"_s);
}

void BrowseTest::priorOnFirstQuestion()
{
    start(selectionBank());
    Tllst *w = browseType(1);
    click(w->Button2);
    QCOMPARE(w->position(), 1);
    QCOMPARE(w->note->text(), u"第1题\n\n选择题 6"_s);
    QVERIFY(!w->Button1->isEnabled());
    QVERIFY(!w->Button2->isEnabled());
    QVERIFY(w->Button3->isEnabled());
    QVERIFY(w->Button4->isEnabled());
    click(w->Button3);
    QCOMPARE(w->note->text(), u"第2题\n\n判断题 7"_s);
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4})
        QVERIFY(b->isEnabled());
}

void BrowseTest::lastQuestionTurnsNextAndLastOff()
{
    start(selectionBank());
    Tllst *w = browseType(1); // questions 6 to 9
    click(w->Button4);
    QCOMPARE(w->position(), 4);
    QCOMPARE(w->note->text(), u"第4题\n\n判断题 9"_s);
    QVERIFY(!w->Button3->isEnabled());
    QVERIFY(!w->Button4->isEnabled());
    QVERIFY(w->Button1->isEnabled());
    QVERIFY(w->Button2->isEnabled());
    click(w->Button2);
    QCOMPARE(w->note->text(), u"第3题\n\n选择题 8"_s);
    QVERIFY(w->Button3->isEnabled() && w->Button4->isEnabled());
    click(w->Button3);
    QCOMPARE(w->position(), 4);
    QVERIFY(!w->Button3->isEnabled() && !w->Button4->isEnabled());
    click(w->Button1);
    QCOMPARE(w->note->text(), u"第1题\n\n选择题 6"_s);
    QVERIFY(!w->Button1->isEnabled() && !w->Button2->isEnabled());
    QVERIFY(w->Button3->isEnabled() && w->Button4->isEnabled());
}

void BrowseTest::oneQuestionSet_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("第一题") << 1;
    QTest::newRow("上一题") << 2;
    QTest::newRow("下一题") << 3;
    QTest::newRow("最末题") << 4;
}

void BrowseTest::oneQuestionSet()
{
    QFETCH(int, button);
    start(selectionBank());
    Tlxxc *selection = openSelection();
    chooseClass(selection, 1);
    QTest::mouseClick(selection->rgp->button(2), Qt::LeftButton); // 货车专用知识, one question
    click(selection->Button1);
    Tllst *w = app::roster().get<Tllst>();
    QPushButton *buttons[] = {w->Button1, w->Button2, w->Button3, w->Button4};
    for (QPushButton *b : buttons)
        QVERIFY(b->isEnabled());
    click(buttons[button - 1]);
    for (QPushButton *b : buttons)
        QVERIFY(!b->isEnabled());
    QCOMPARE(w->note->text(), u"第1题\n\n判断题 15"_s);
    QVERIFY(w->Button5->isEnabled());
}

void BrowseTest::emptyTypeShowsNothing()
{
    start(selectionBank());
    Tllst *w = browseType(2); // 地方性法规, no questions
    QVERIFY(w->isVisible());
    QCOMPARE(w->questions().recordCount(), 0);
    QVERIFY(w->note->text().isEmpty());
    QVERIFY(w->info->text().isEmpty());
    for (int k = 0; k < 4; ++k)
        QVERIFY(w->optionLine(k)->text().isEmpty());
    QVERIFY(!w->pic->isVisible());
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4})
        QVERIFY(!b->isEnabled());
    QVERIFY(w->Button5->isEnabled());
    QVERIFY(m_messages->errors.isEmpty());
}

void BrowseTest::browserIgnoresSharedSubjectChanges()
{
    start(selectionBank());
    Tllst *w = browseType(1);
    Tado &ado = app::ado();
    // Another window sets its own selection on the shared table.
    ado.subject.setFilter(u"sortId=4"_s);
    ado.subject.setFiltered(true);
    ado.subject.setSort(u"typeId"_s);
    click(w->Button3);
    QCOMPARE(w->note->text(), u"第2题\n\n判断题 7"_s);
    click(w->Button4);
    QCOMPARE(w->note->text(), u"第4题\n\n判断题 9"_s);
    QCOMPARE(ado.subject.filter(), u"sortId=4"_s);
}

void BrowseTest::errorProneSmallBank()
{
    // 150 questions, errorTimes 0 … 149 scattered over the subids.
    QList<qint64> times;
    for (int i = 0; i < 150; ++i)
        times << (i * 37) % 150;
    start(errorBank(times));
    Tycst *w = openErrorProne();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->Label6->text(), u"易错试题(200题)"_s);
    QCOMPARE(w->questions().recordCount(), 150);
    // Most-missed first: step through all of them.
    qint64 previous = 150;
    for (int p = 1; p <= 150; ++p) {
        QCOMPARE(w->position(), p);
        QVERIFY(w->note->text().startsWith(u"第%1题\n\n选择题 "_s.arg(p)));
        const int subid = w->note->text().section(u' ', -1).toInt();
        const qint64 errors = times[subid - 1];
        QCOMPARE(errors, previous - 1);
        previous = errors;
        click(w->Button3);
    }
    QVERIFY(!w->Button3->isEnabled());
}

void BrowseTest::errorProneTieAtThreshold()
{
    // 260 questions; the 200th and 201st most-missed share the count 50.
    QList<qint64> times;
    for (int i = 0; i < 260; ++i)
        times << (i < 199 ? 1000 - i : i < 201 ? 50 : 10);
    std::swap(times[0], times[200]); // the tie is not in subid order of the counts
    start(errorBank(times));
    Tycst *w = openErrorProne();
    QCOMPARE(w->questions().recordCount(), 201);
    QCOMPARE(w->Label6->text(), u"易错试题(200题)"_s);
    QCOMPARE(w->note->text(), u"第1题\n\n选择题 201"_s); // 1000 moved to subid 201
    click(w->Button4);
    QCOMPARE(w->position(), 201);
    // The two tied questions come last, in subid order.
    QCOMPARE(w->note->text(), u"第201题\n\n选择题 200"_s);
    click(w->Button2);
    QCOMPARE(w->note->text(), u"第200题\n\n选择题 1"_s);
}

void BrowseTest::errorProneZeroThreshold()
{
    // 300 questions, only 120 of them ever missed.
    QList<qint64> times;
    for (int i = 0; i < 300; ++i)
        times << (i % 5 < 2 ? 1 + i : 0);
    start(errorBank(times));
    Tycst *w = openErrorProne();
    QCOMPARE(w->questions().recordCount(), 300);
    click(w->Button4);
    QCOMPARE(w->note->text(), u"第300题\n\n选择题 300"_s); // the last of the never-missed
}

void BrowseTest::errorProneEmptyBank()
{
    start(errorBank({}));
    Tycst *w = openErrorProne();
    QVERIFY(w->isVisible());
    QCOMPARE(w->questions().recordCount(), 0);
    QVERIFY(w->note->text().isEmpty());
    QVERIFY(!w->pic->isVisible());
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4})
        QVERIFY(!b->isEnabled());
}

void BrowseTest::errorProneRecomputedAtOpening()
{
    QList<qint64> times;
    for (int i = 0; i < 210; ++i)
        times << 500 - i;
    start(errorBank(times));
    QCOMPARE(openErrorProne()->questions().recordCount(), 200);

    // The counts change in the bank: the next opening sees them.
    data::Table subject(u"subject"_s);
    subject.setConnectionString(data::connectionString());
    subject.open();
    QVERIFY(subject.locate(u"subid"_s, 210));
    subject.edit();
    subject.setValue(u"errorTimes"_s, 900);
    subject.post();
    QVERIFY(subject.locate(u"subid"_s, 209));
    subject.edit();
    subject.setValue(u"errorTimes"_s, 302); // ties with the new 200th
    subject.post();
    subject.close();

    Tycst *w = openErrorProne();
    QCOMPARE(w->questions().recordCount(), 201);
    QCOMPARE(w->note->text(), u"第1题\n\n选择题 210"_s);
}

void BrowseTest::errorProneFromMainMenu()
{
    start(selectionBank());
    Tycst *w = openErrorProne();
    QVERIFY(w->isVisible());
    QCOMPARE(w->questions().recordCount(), 15);
    click(w->Button5);
    QVERIFY(!w->isVisible());
    QVERIFY(mainWindow()->isVisible());
}

void BrowseTest::correctOptionRedWithTick()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 2), testing::choice(2, 1, 1, 0)};
    start(bank);
    Tllst *w = browseType(0);
    QCOMPARE(w->lb1->text(), u"选项1-1"_s);
    QCOMPARE(w->lb2->text(), u"选项1-2"_s);
    QCOMPARE(w->lb3->text(), u"选项1-3√"_s);
    QCOMPARE(w->lb4->text(), u"选项1-4"_s);
    QCOMPARE(textColour(w->lb3), kRed);
    for (QLabel *l : {w->lb1, w->lb2, w->lb4})
        QCOMPARE(textColour(l), kBlack);
    click(w->Button3);
    QCOMPARE(w->lb1->text(), u"选项2-1√"_s);
    QCOMPARE(textColour(w->lb1), kRed);
    QCOMPARE(w->lb3->text(), u"选项2-3"_s);
    QCOMPARE(textColour(w->lb3), kBlack);
}

void BrowseTest::trueFalseShowsTwoLines()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 3), testing::trueFalse(2, 1, 1, false),
                      testing::choice(3, 1, 1, 1)};
    start(bank);
    Tllst *w = browseType(0);
    QVERIFY(w->lb3->isVisible() && w->lb4->isVisible());
    click(w->Button3);
    QCOMPARE(w->lb1->text(), u"正确"_s);
    QCOMPARE(w->lb2->text(), u"错误√"_s);
    QCOMPARE(textColour(w->lb1), kBlack);
    QCOMPARE(textColour(w->lb2), kRed);
    QVERIFY(!w->lb3->isVisible());
    QVERIFY(!w->lb4->isVisible());
    // The letters C and D and their frames stay.
    for (QWidget *c :
         std::initializer_list<QWidget *>{w->Label3, w->Label4, w->Shape4, w->Shape2, w->Shape8, w->Shape9})
        QVERIFY(c->isVisible());
    click(w->Button3);
    QVERIFY(w->lb3->isVisible() && w->lb4->isVisible());
    QCOMPARE(w->lb2->text(), u"选项3-2√"_s);
    QCOMPARE(w->lb4->text(), u"选项3-4"_s);
}

void BrowseTest::fiveOptionsShowFirstFour()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 4, 5), testing::choice(2, 1, 1, 1, 5)};
    start(bank);
    Tllst *w = browseType(0);
    QCOMPARE(w->lb1->text(), u"选项1-1"_s);
    QCOMPARE(w->lb4->text(), u"选项1-4"_s);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(textColour(w->optionLine(k)), kBlack); // the correct fifth has no line
    const QList<QLabel *> labels = w->findChildren<QLabel *>();
    for (const QLabel *l : labels)
        QVERIFY(!l->text().contains(u"选项1-5"_s));
    click(w->Button3);
    QCOMPARE(w->lb2->text(), u"选项2-2√"_s);
}

void BrowseTest::explanation_data()
{
    QTest::addColumn<QVariant>("info");
    QTest::addColumn<QString>("shown");
    QTest::newRow("text") << QVariant(u"按规定让行。"_s) << u"按规定让行。"_s;
    QTest::newRow("NULL") << QVariant(u"NULL"_s) << QString();
    QTest::newRow("null") << QVariant() << QString();
    QTest::newRow("null lower case is text") << QVariant(u"null"_s) << u"null"_s;
}

void BrowseTest::explanation()
{
    QFETCH(QVariant, info);
    QFETCH(QString, shown);
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    qbank::Question q = testing::choice(2, 1, 1, 0);
    if (!info.isNull())
        q.info = info.toString();
    qbank::Question other = testing::choice(1, 1, 1, 0);
    other.info = u"上一题的解释"_s;
    bank.questions = {other, q};
    start(bank);
    Tllst *w = browseType(0);
    QCOMPARE(w->info->text(), u"上一题的解释"_s);
    click(w->Button3);
    QCOMPARE(w->info->text(), shown);
    QCOMPARE(w->Label5->text(), u"难点分析"_s);
}

void BrowseTest::picture_data()
{
    QTest::addColumn<QString>("subpic");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("named"); // shown, or its name in the picture's place
    QTest::newRow("picture") << u"sign.png"_s << true << true;
    QTest::newRow("jpeg") << u"sign.jpg"_s << true << true;
    QTest::newRow("NULL") << u"NULL"_s << false << false;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("blanks") << u"   "_s << false << false;
    QTest::newRow("missing file") << u"nothere.jpg"_s << false << true;
    QTest::newRow("unreadable file") << u"broken.jpg"_s << false << true;
    QTest::newRow("out of upload") << u"..\\outside.png"_s << false << true;
    QTest::newRow("absolute") << u"<absolute>"_s << false << true;
}

void BrowseTest::picture()
{
    QFETCH(QString, subpic);
    QFETCH(bool, shown);
    QFETCH(bool, named);
    m_folder->writePicture(u"sign.png"_s);
    m_folder->writePicture(u"sign.jpg"_s);
    m_folder->writeFile(u"upload/broken.jpg"_s, "not a picture");
    m_folder->writePicture(u"../outside.png"_s);
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    qbank::Question first = testing::choice(1, 1, 1, 0);
    first.subpic = u"sign.png"_s;
    qbank::Question q = testing::choice(2, 1, 1, 0);
    // A valid picture outside upload/, named by its absolute path.
    q.subpic = subpic == u"<absolute>"_s ? m_folder->file(u"outside.png"_s) : subpic;
    bank.questions = {first, q};
    start(bank);
    Tllst *w = browseType(0);
    QVERIFY(w->pic->isVisible());
    QCOMPARE(w->pic->pixmap().size(), QSize(60, 40));
    click(w->Button3);
    QCOMPARE(w->note->text(), u"第2题\n\n选择题 2"_s); // the question is shown all the same
    QCOMPARE(w->lb1->text(), u"选项2-1√"_s);
    // A picture named but not shown leaves its name in the picture's place.
    QCOMPARE(w->pic->isVisible(), named);
    if (shown)
        QCOMPARE(w->pic->pixmap().size(), QSize(60, 40));
    else if (named)
        QCOMPARE(w->pic->text(), u"图片缺失："_s + q.subpic);
    QVERIFY(m_messages->errors.isEmpty());
}

void BrowseTest::layoutOfTheTwoBrowsers()
{
    start(selectionBank());
    Tllst *llst = browseType(0);
    Tycst *ycst = openErrorProne();
    for (Form *w : std::initializer_list<Form *>{llst, ycst}) {
        QCOMPARE(w->size(), QSize(795, 585));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
    }
    QCOMPARE(llst->noteinfo->pos(), QPoint(24, 64));
    QCOMPARE(ycst->Label6->pos(), QPoint(32, 64));
    QCOMPARE(llst->noteinfo->font().pixelSize(), 14);
    QCOMPARE(ycst->Label6->font().pixelSize(), 16);
    QVERIFY(ycst->Label6->font().bold() && llst->noteinfo->font().bold());
    QCOMPARE(llst->Image1->geometry(), ycst->Image1->geometry());
    // Everything below the heading sits 8 pixels higher in the error-prone browser.
    const char *names[] = {"Shape1", "Shape5", "Shape2", "Shape9",  "Shape10", "Shape11",
                           "Label1", "Label4", "note",   "lb1",     "lb3",     "lb4",
                           "pic",    "Label5", "info",   "Button1", "Button5"};
    for (const char *name : names) {
        const QWidget *a = llst->findChild<QWidget *>(QString::fromLatin1(name));
        const QWidget *b = ycst->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(a && b, name);
        QCOMPARE(b->geometry(), a->geometry().translated(0, -8));
    }
    QCOMPARE(llst->Shape1->geometry(), QRect(25, 112, 489, 169));
    QCOMPARE(llst->note->geometry(), QRect(40, 128, 465, 129));
    QCOMPARE(llst->lb3->geometry(), QRect(104, 424, 385, 16));
    QCOMPARE(llst->pic->geometry(), QRect(520, 120, 241, 185));
    QCOMPARE(llst->info->geometry(), QRect(528, 344, 225, 185));
    QCOMPARE(llst->Button4->geometry(), QRect(458, 544, 80, 25));
    QCOMPARE(ycst->Button5->geometry(), QRect(560, 536, 80, 25));
    QCOMPARE(llst->info->font().pixelSize(), 14);
    QCOMPARE(llst->note->font().pixelSize(), 16);
    QCOMPARE(textColour(llst->Label5), kRed);
    QCOMPARE(textColour(llst->Label2), QColor(0, 0, 255));
}

void BrowseTest::longTextsFitTheirFrames()
{
    const QString option60 = u"驾驶校车在高速公路、城市快速路以外的道路上行驶超过规定时速的百分之十以上未达到百分之二十的，一次记六分"_s
                                 .leftJustified(60, u'。');
    const QString option200 = option60.repeated(4).left(200);
    const QString question = option200.repeated(2);
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 0, 4, question), testing::choice(2, 1, 1, 0)};
    bank.questions[0].options[0].optcontent = option60;
    bank.questions[0].options[1].optcontent = option200;
    start(bank);
    Tllst *w = browseType(0);
    auto *a = qobject_cast<Label *>(w->lb1);
    auto *b = qobject_cast<Label *>(w->lb2);
    auto *note = qobject_cast<Label *>(w->note);
    QVERIFY(a && b && note);
    // Three lines within the option's frame, the correct mark included.
    QCOMPARE(a->lineCount(), 3);
    QVERIFY(!a->isElided());
    QVERIFY(w->Shape6->geometry().contains(a->geometry()));
    // Longer: cut short with "…", whole in the tooltip; the question too.
    QVERIFY(b->isElided());
    QVERIFY(w->Shape7->geometry().contains(b->geometry()));
    QCOMPARE(b->toolTip(), option200);
    // The question scrolls within its box instead.
    QVERIFY(!note->isElided() && note->scrollBar()->isVisibleTo(w));
    // A short question puts everything back.
    click(w->Button3);
    QCOMPARE(w->lb1->geometry(), QRect(104, 304, 369, 16));
    QVERIFY(w->lb2->toolTip().isEmpty() && w->note->toolTip().isEmpty());
}

EXAM_TEST(BrowseTest)

#include "tst_browse.moc"
