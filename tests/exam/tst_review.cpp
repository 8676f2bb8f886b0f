#include "connection.h"
#include "paper.h"
#include "roster.h"
#include "startup.h"
#include "tado.h"
#include "tckct.h"
#include "testsupport.h"
#include "tksqr.h"
#include "tmain.h"
#include "tmnks.h"
#include "txxts.h"
#include "widgets.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using app::Slot;
using testing::choice;
using testing::trueFalse;

namespace {

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// One row of a paper: the question, the option chosen (0 = none) and
// whether the answer scored.
struct Row {
    qint64 subid;
    qint64 optionid = 0;
    qint64 isright = 0;
    QString optionids = {}; // a multi-answer answer
};

} // namespace

// The review of wrong answers: which rows it shows, how it marks them and
// how it steps through them.
class ReviewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void numbersCountReviewedRowsOnly();
    void threeWrongAndTheButtonRule();
    void chosenAndCorrectMarks();
    void linesFollowTheOptionRows();
    void explanationAndPicture();
    void allRightGivesAnEmptyReview();
    void questionGoneFromTheBank();
    void fromTheResultWindow();

private:
    void start();
    Tckct *review(const QList<Row> &rows);
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
};

void ReviewTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void ReviewTest::cleanup()
{
    m_folder.reset();
}

void ReviewTest::start()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {2, 0, 0, 0, 0})};
    for (int i = 1; i <= 12; ++i)
        bank.questions.push_back(trueFalse(i, 1, 1, i % 2));
    bank.questions.push_back(choice(20, 1, 2, 2));    // C correct
    bank.questions.push_back(choice(21, 1, 2, 0, 5)); // five options
    bank.questions.push_back(choice(22, 1, 2, 1, 3)); // three options
    bank.questions.push_back(choice(23, 1, 2, 0, 1)); // a single option
    qbank::Question threeRowsTrueFalse = choice(24, 1, 2, 0, 3);
    threeRowsTrueFalse.typeId = 1; // the kind does not decide the lines
    bank.questions.push_back(threeRowsTrueFalse);
    bank.questions.push_back(testing::multiAnswer(40, 1, 2, u"AC"_s));
    qbank::Question noInfo = choice(30, 1, 3, 0);
    noInfo.info = u"NULL"_s;
    noInfo.subpic = u"   "_s;
    qbank::Question withPicture = choice(31, 1, 3, 0);
    withPicture.info = u"看清标志的形状。"_s;
    withPicture.subpic = u"sign.jpg"_s;
    qbank::Question lostPicture = choice(32, 1, 3, 0);
    lostPicture.subpic = u"gone.jpg"_s;
    bank.questions.insert(bank.questions.end(), {noInfo, withPicture, lostPicture});
    m_folder->writeBank(bank);
    m_folder->writePicture(u"sign.jpg"_s);
    m_folder->writeFile(u"system.ini"_s, "alltime=2700\nmark=90\n");
    startUp();
    app::showSlot(Slot::main);
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
}

Tckct *ReviewTest::review(const QList<Row> &rows)
{
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    data::writePaper(note, [&] {
        for (const Row &row : rows) {
            note.append();
            note.setValue(u"subid"_s, row.subid);
            note.setValue(u"optionid"_s, row.optionid);
            note.setValue(u"isright"_s, row.isright);
            if (!row.optionids.isEmpty())
                note.setValue(u"optionids"_s, row.optionids);
        }
    });
    auto *window = app::build<Tckct>();
    app::showWindow(window);
    return window;
}

void ReviewTest::numbersCountReviewedRowsOnly()
{
    start();
    QList<Row> rows;
    for (int i = 1; i <= 12; ++i)
        rows.append({i, 1, i == 5 || i == 12 ? 0 : 1});
    Tckct *w = review(rows);
    QCOMPARE(w->questionCount(), 2);
    QCOMPARE(w->note->text(), u"第1题\n\n判断题 5"_s);
    click(w->Button3);
    QCOMPARE(w->note->text(), u"第2题\n\n判断题 12"_s);
    QVERIFY(m_messages->errors.isEmpty());
}

void ReviewTest::threeWrongAndTheButtonRule()
{
    start();
    Tckct *w = review({{1, 0, 0}, {2, 1, 1}, {3, 2, 0}, {4, 2, 1}, {5, 2, 0}});
    // A new review has every button on.
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4, w->Button5})
        QVERIFY(b->isEnabled());
    QCOMPARE(w->position(), 1);

    click(w->Button4);
    QCOMPARE(w->position(), 3);
    QCOMPARE(w->note->text(), u"第3题\n\n判断题 5"_s);
    QVERIFY(!w->Button3->isEnabled());
    QVERIFY(!w->Button4->isEnabled());
    QVERIFY(w->Button1->isEnabled());
    QVERIFY(w->Button2->isEnabled());

    click(w->Button2);
    QCOMPARE(w->position(), 2);
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4})
        QVERIFY(b->isEnabled());
    click(w->Button2);
    QCOMPARE(w->position(), 1);
    QVERIFY(!w->Button1->isEnabled());
    QVERIFY(!w->Button2->isEnabled());
    // Disabled buttons do nothing; the enabled ones never wrap.
    click(w->Button2);
    QCOMPARE(w->position(), 1);
    click(w->Button3);
    click(w->Button3);
    click(w->Button3);
    QCOMPARE(w->position(), 3);
    click(w->Button1);
    QCOMPARE(w->note->text(), u"第1题\n\n判断题 1"_s);

    click(w->Button5);
    QVERIFY(!w->isVisible());
    QVERIFY(app::roster().get<Tmain>()->isVisible());
}

void ReviewTest::chosenAndCorrectMarks()
{
    start();
    // B chosen on a question whose answer is C; then the same question left
    // unanswered; then a true/false question answered wrongly.
    Tckct *w = review({{20, 2, 0}, {20, 0, 0}, {2, 1, 0}, {1, 1, 0}, {40, 1, 0, u"1,2"_s}});
    QCOMPARE(w->lb1->text(), u"选项20-1"_s);
    QCOMPARE(w->lb2->text(), u"选项20-2×"_s);
    QCOMPARE(w->lb3->text(), u"选项20-3√"_s);
    QCOMPARE(w->lb4->text(), u"选项20-4"_s);
    QCOMPARE(textColour(w->lb2), kBlack);
    QCOMPARE(textColour(w->lb3), kRed);
    QCOMPARE(textColour(w->lb1), kBlack);

    click(w->Button3); // unanswered: the answer, no cross
    for (QLabel *line : {w->lb1, w->lb2, w->lb3, w->lb4})
        QVERIFY2(!line->text().contains(u"×"_s), qPrintable(line->text()));
    QCOMPARE(w->lb3->text(), u"选项20-3√"_s);
    QCOMPARE(textColour(w->lb3), kRed);

    click(w->Button3); // "正确" chosen, "错误" is the answer
    QCOMPARE(w->lb1->text(), u"正确×"_s);
    QCOMPARE(w->lb2->text(), u"错误√"_s);
    QCOMPARE(textColour(w->lb1), kBlack);
    QCOMPARE(textColour(w->lb2), kRed);

    click(w->Button3); // the chosen option is the correct one: cross, then tick
    QCOMPARE(w->lb1->text(), u"正确×√"_s);
    QCOMPARE(w->lb2->text(), u"错误"_s);

    click(w->Button3); // multi-answer A and C: A and the wrong B chosen
    QCOMPARE(w->lb1->text(), u"选项40-1√"_s);
    QCOMPARE(w->lb2->text(), u"选项40-2×"_s);
    QCOMPARE(w->lb3->text(), u"选项40-3√"_s);
    QCOMPARE(w->lb4->text(), u"选项40-4"_s);
    QCOMPARE(textColour(w->lb3), kRed);
}

void ReviewTest::linesFollowTheOptionRows()
{
    start();
    Tckct *w = review({{20, 1, 0}, {2, 0, 0}, {21, 2, 0}, {22, 0, 0}, {23, 0, 0}, {20, 0, 0}, {24, 0, 0}});
    // The review's layout sits 11 pixels higher than the browsers'.
    QCOMPARE(w->Shape1->geometry(), QRect(25, 101, 489, 169));
    QCOMPARE(w->lb4->geometry(), QRect(104, 485, 377, 16));
    QCOMPARE(w->info->font().pixelSize(), 16);
    QVERIFY(!w->lb3->isHidden());
    QVERIFY(!w->lb4->isHidden());

    click(w->Button3); // two option rows after four: only A and B
    QVERIFY(w->lb3->isHidden());
    QVERIFY(w->lb4->isHidden());
    QVERIFY(!w->lb1->isHidden());
    QVERIFY(!w->lb2->isHidden());

    click(w->Button3); // five option rows: the first four
    QVERIFY(!w->lb3->isHidden());
    QVERIFY(!w->lb4->isHidden());
    QCOMPARE(w->lb1->text(), u"选项21-1√"_s);
    QCOMPARE(w->lb2->text(), u"选项21-2×"_s);
    QCOMPARE(w->lb4->text(), u"选项21-4"_s);

    click(w->Button3); // three option rows: no D, and nothing left of 21's
    QVERIFY(!w->lb3->isHidden());
    QVERIFY(w->lb4->isHidden());
    QCOMPARE(w->lb3->text(), u"选项22-3"_s);

    click(w->Button3); // one option row: B shows nothing of the question before
    QCOMPARE(w->lb1->text(), u"选项23-1√"_s);
    QCOMPARE(w->lb2->text(), QString());
    QVERIFY(w->lb3->isHidden());
    QVERIFY(w->lb4->isHidden());

    click(w->Button3); // four again
    QVERIFY(!w->lb3->isHidden());
    QVERIFY(!w->lb4->isHidden());
    QCOMPARE(w->lb4->text(), u"选项20-4"_s);

    click(w->Button3); // three rows on a question stored as true/false
    QVERIFY(!w->lb3->isHidden());
    QVERIFY(w->lb4->isHidden());
    QCOMPARE(w->lb3->text(), u"选项24-3"_s);
}

void ReviewTest::explanationAndPicture()
{
    start();
    Tckct *w = review({{31, 2, 0}, {30, 2, 0}, {32, 2, 0}, {31, 0, 0}});
    QCOMPARE(w->info->text(), u"看清标志的形状。"_s);
    QVERIFY(!w->pic->isHidden());
    QVERIFY(!w->pic->pixmap().isNull());

    click(w->Button3); // "NULL" explanation, picture name of blanks only
    QCOMPARE(w->info->text(), QString());
    QVERIFY(w->pic->isHidden());

    click(w->Button3); // a picture file that is not there: its name in its place
    QCOMPARE(w->pic->text(), u"图片缺失：gone.jpg"_s);
    QCOMPARE(w->note->text(), u"第3题\n\n选择题 32"_s);
    QCOMPARE(w->lb1->text(), u"选项32-1√"_s);

    click(w->Button3);
    QVERIFY(!w->pic->isHidden());
    QVERIFY(m_messages->errors.isEmpty());
}

void ReviewTest::allRightGivesAnEmptyReview()
{
    start();
    // Another window left the shared tables filtered on a question: the
    // review lifts those filters whatever it finds.
    app::ado().subject.setFilter(u"subid=3"_s);
    app::ado().subject.setFiltered(true);
    Tckct *w = review({{1, 1, 1}, {2, 2, 1}});
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
    QCOMPARE(w->questionCount(), 0);
    QVERIFY(w->isVisible());
    QCOMPARE(w->note->text(), QString());
    QVERIFY(w->pic->isHidden());
    for (QPushButton *b : {w->Button1, w->Button2, w->Button3, w->Button4})
        QVERIFY(!b->isEnabled());
    QVERIFY(w->Button5->isEnabled());
    QVERIFY(!app::ado().subject.filtered());
    click(w->Button5);
    QVERIFY(!w->isVisible());
}

void ReviewTest::questionGoneFromTheBank()
{
    start();
    Tckct *w = review({{20, 2, 0}, {999, 1, 0}, {22, 0, 0}});
    click(w->Button3);
    QVERIFY(m_messages->errors.isEmpty());
    QCOMPARE(w->note->text(), u"第2题\n\n"_s);
    for (QLabel *line : {w->lb1, w->lb2, w->lb3, w->lb4})
        QCOMPARE(line->text(), QString());
    QCOMPARE(w->info->text(), QString());
    click(w->Button3);
    QCOMPARE(w->note->text(), u"第3题\n\n选择题 22"_s);
}

void ReviewTest::fromTheResultWindow()
{
    start();
    // A paper of three: the first answered rightly, the second wrongly, the
    // third left open.
    testing::writePaperOf({1, 20, 22});
    app::roster().get<Tmain>()->setTag(2);
    auto *exam = app::build<Tmnks>();
    exam->setTag(2);
    app::showWindow(exam);
    click(exam->opt1); // "正确" on question 1, which is true; on to the next
    click(exam->opt2); // B on question 20, whose answer is C
    click(exam->bt_jj);
    click(app::roster().get<Tksqr>()->Button1);
    auto *result = app::roster().get<Txxts>();
    QCOMPARE(result->lbksfs->text(), u"1"_s);
    click(result->Button2);

    auto *w = app::roster().get<Tckct>();
    QVERIFY(w && w->isVisible());
    QVERIFY(!app::roster().object(Slot::mnks));
    QCOMPARE(w->questionCount(), 2);
    QCOMPARE(w->note->text(), u"第1题\n\n选择题 20"_s);
    QCOMPARE(w->lb2->text(), u"选项20-2×"_s);
    click(w->Button4);
    QCOMPARE(w->note->text(), u"第2题\n\n选择题 22"_s);
    QCOMPARE(w->lb2->text(), u"选项22-2√"_s);
    QVERIFY(m_messages->errors.isEmpty());
}

EXAM_TEST(ReviewTest)
#include "tst_review.moc"
