#include "answersheet.h"
#include "connection.h"
#include "examfixture.h"
#include "testsupport.h"
#include "paper.h"
#include "roster.h"
#include "startup.h"
#include "tado.h"
#include "tckct.h"
#include "tksqr.h"
#include "tksxz.h"
#include "tmain.h"
#include "tmnks.h"
#include "txccx.h"
#include "txxts.h"
#include "widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using app::Slot;
using testing::TypeSpec;

namespace {

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// Every cell of the question's row lies wholly inside the sheet's viewport.
bool rowInView(const AnswerSheet *sheet, int question)
{
    const QRect view = sheet->viewport()->rect();
    for (int column = 0; column < AnswerSheet::kColumns; ++column) {
        if (!view.contains(sheet->visualRect(sheet->model()->index(AnswerSheet::rowOf(question), column))))
            return false;
    }
    return true;
}

// The cells whose text is wider than the room the item view gives it (the
// cell less its grid line and the style's margins): they would show "…".
QStringList cutCells(const AnswerSheet *sheet)
{
    const int margin = sheet->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, sheet) + 1;
    QStringList cut;
    for (int row = 0; row < sheet->rowCount(); ++row) {
        for (int column = 0; column < AnswerSheet::kColumns; ++column) {
            const QTableWidgetItem *cell = sheet->item(row, column);
            const QVariant font = cell->data(Qt::FontRole);
            const QFontMetricsF metrics(font.isValid() ? font.value<QFont>() : sheet->font());
            if (metrics.horizontalAdvance(cell->text()) > sheet->columnWidth(column) - 1 - 2 * margin)
                cut << cell->text();
        }
    }
    return cut;
}

} // namespace

// The exam windows driven as a pupil drives them: vehicle class, notice,
// exam, hand-in and result.
class ExamWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void timeFormat_data();
    void timeFormat();
    void keypadPlusCyclesCarClasses();
    void enterOnNoticeStartsTheExam();
    void classLabelFollowsTheClass_data();
    void classLabelFollowsTheClass();
    void failedPaperOpensNoExam();
    void sheetNumbersThePaper_data();
    void sheetNumbersThePaper();
    void questionTwentyMovesToRowTwo();
    void trueFalseAndChoiceLayouts();
    void keypadTableAgainstButtons();
    void jumpKeysStayInsideThePaper();
    void daFollowsTheSheet();
    void answersAreStoredAtOnce();
    void studyControlsByMode();
    void studyModeShowsAnswers();
    void missingPictureAndMissingQuestion();
    void emptyPaperCannotBeAnswered();
    void noSystemIniGivesDefaults();
    void passMarkDecides_data();
    void passMarkDecides();
    void confirmationKeys();
    void continueKeepsQuestionAndTime();
    void timeOutWithConfirmationOpen();
    void resultKeysEndTheExam();
    void keypadOnlyFromMenuToResult();
    void subject4ByKeypad();

    // Real banks
    void longOptionsTakeTheirRoom();
    void sheetsOfAnyLength_data();
    void sheetsOfAnyLength();
    void questionWithoutOptionsSaysSo();
    void durationOfNoTimeEndsAtFirstTick_data();
    void durationOfNoTimeEndsAtFirstTick();

private:
    void start(const std::vector<TypeSpec> &types, const QByteArray &systemIni = "alltime=2700\nmark=90\n");
    // Writes a paper of the given questions and opens the exam window on it.
    Tmnks *openExam(const QList<qint64> &subids, int mode = 2);
    Tmnks *startMockExam();
    QList<QPair<qint64, qint64>> noteRows(); // (optionid, isright)
    void key(QWidget *window, Qt::Key k, Qt::KeyboardModifiers m = Qt::KeypadModifier)
    {
        QTest::keyClick(window, k, m);
    }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
};

void ExamWindowTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
    Tksxz::seedSource() = exam::counterSeed();
}

void ExamWindowTest::cleanup()
{
    m_folder.reset();
}

void ExamWindowTest::start(const std::vector<TypeSpec> &types, const QByteArray &systemIni)
{
    m_folder->writeBank(testing::bankOf(types));
    if (!systemIni.isNull())
        m_folder->writeFile(u"system.ini"_s, systemIni);
    startUp();
    app::showSlot(Slot::main);
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
}

Tmnks *ExamWindowTest::openExam(const QList<qint64> &subids, int mode)
{
    testing::writePaperOf(subids);
    app::roster().get<Tmain>()->setTag(mode);
    auto *exam = app::build<Tmnks>();
    exam->setTag(mode);
    app::showWindow(exam);
    return exam;
}

Tmnks *ExamWindowTest::startMockExam()
{
    auto *menu = app::roster().get<Tmain>();
    key(menu, Qt::Key_Asterisk);
    key(app::roster().get<Txccx>(), Qt::Key_Enter);
    key(app::roster().get<Tksxz>(), Qt::Key_Enter);
    return app::roster().get<Tmnks>();
}

QList<QPair<qint64, qint64>> ExamWindowTest::noteRows()
{
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.open();
    note.setSort(u"noteId"_s);
    QList<QPair<qint64, qint64>> rows;
    for (note.first(); !note.eof(); note.next())
        rows.append({note.asInt(u"optionid"_s), note.asInt(u"isright"_s)});
    return rows;
}

void ExamWindowTest::timeFormat_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("5400") << 5400 << u"90:00"_s;
    QTest::newRow("7200") << 7200 << u"120:00"_s;
    QTest::newRow("65") << 65 << u"1:05"_s;
    QTest::newRow("0") << 0 << u"0:00"_s;
    QTest::newRow("2700") << 2700 << u"45:00"_s;
    QTest::newRow("59") << 59 << u"0:59"_s;
}

void ExamWindowTest::timeFormat()
{
    QFETCH(int, seconds);
    QTEST(Tmnks::timeText(seconds), "text");
}

void ExamWindowTest::keypadPlusCyclesCarClasses()
{
    start({{1, {2, 2, 2, 2, 2}, 4, 4}});
    auto *xccx = app::roster().get<Txccx>();
    key(app::roster().get<Tmain>(), Qt::Key_Asterisk);
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
        key(xccx, Qt::Key_Plus);
        seen << xccx->ComboBox1->currentIndex();
    }
    QCOMPARE(seen, (QList<int>{1, 2, 0, 1}));
    for (const int fixed : {3, 4}) {
        xccx->ComboBox1->setCurrentIndex(fixed);
        key(xccx, Qt::Key_Plus);
        QCOMPARE(xccx->ComboBox1->currentIndex(), fixed);
    }
    // Keypad Del cancels; the choice stays for the next exam.
    xccx->ComboBox1->setCurrentIndex(2);
    key(xccx, Qt::Key_Period);
    QVERIFY(!xccx->isVisible());
    key(app::roster().get<Tmain>(), Qt::Key_Asterisk);
    QVERIFY(xccx->isVisible());
    QCOMPARE(xccx->ComboBox1->currentIndex(), 2);
}

void ExamWindowTest::enterOnNoticeStartsTheExam()
{
    start({{1, {5, 5, 5, 5, 5}, 4, 6}});
    key(app::roster().get<Tmain>(), Qt::Key_Asterisk);
    key(app::roster().get<Txccx>(), Qt::Key_Return);
    auto *notice = app::roster().get<Tksxz>();
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->tag(), 2);
    QVERIFY(notice->Label10->text().contains(u"模拟考试"_s)); // the deciphered heading
    QVERIFY(!app::roster().object(Slot::mnks));
    key(notice, Qt::Key_Enter);
    auto *exam = app::roster().get<Tmnks>();
    QVERIFY(exam && exam->isVisible());
    QVERIFY(!notice->isVisible());
    QCOMPARE(exam->tag(), 2);
    QCOMPARE(exam->questionCount(), 5);
    QVERIFY(!notice->ADO_note.isOpen());
    QCOMPARE(noteRows().size(), 5);
}

void ExamWindowTest::classLabelFollowsTheClass_data()
{
    QTest::addColumn<int>("classIndex");
    QTest::addColumn<QString>("label");
    QTest::newRow("C1") << 0 << u"考试车型：C1"_s;
    QTest::newRow("A2") << 1 << u"考试车型：A2"_s;
    QTest::newRow("A1") << 2 << u"考试车型：A1"_s;
    QTest::newRow("E1") << 3 << u"考试车型："_s;
    QTest::newRow("F1") << 4 << u"考试车型："_s;
}

void ExamWindowTest::classLabelFollowsTheClass()
{
    QFETCH(int, classIndex);
    start({{1, {1, 2, 3, 4, 5}, 4, 6}});
    key(app::roster().get<Tmain>(), Qt::Key_Asterisk);
    app::roster().get<Txccx>()->ComboBox1->setCurrentIndex(classIndex);
    Tmnks *exam = [&] {
        key(app::roster().get<Txccx>(), Qt::Key_Enter);
        key(app::roster().get<Tksxz>(), Qt::Key_Enter);
        return app::roster().get<Tmnks>();
    }();
    QTEST(exam->lb_kscx->text(), "label");
    QCOMPARE(exam->questionCount(), classIndex + 1); // drawn from scale<classIndex>
}

void ExamWindowTest::failedPaperOpensNoExam()
{
    start({{1, {3, 3, 0, 0, 0}, 0, 6}});
    Tmnks *old = openExam({1500, 1501});
    old->hide();
    app::roster().dispose(Slot::mnks);
    key(app::roster().get<Tmain>(), Qt::Key_Asterisk);
    key(app::roster().get<Txccx>(), Qt::Key_Enter);
    key(app::roster().get<Tksxz>(), Qt::Key_Enter);
    QCOMPARE(m_messages->errors.size(), 1);
    QVERIFY2(m_messages->errors[0].contains(u"题型 1"_s) && m_messages->errors[0].contains(u"判断题"_s),
             qPrintable(m_messages->errors[0]));
    QVERIFY(!app::roster().object(Slot::mnks));
    QVERIFY(!app::roster().get<Tksxz>()->isVisible()); // back at the main menu
    QCOMPARE(noteRows().size(), 2); // the old paper
}

void ExamWindowTest::sheetNumbersThePaper_data()
{
    QTest::addColumn<int>("questions");
    QTest::newRow("100") << 100;
    QTest::newRow("87") << 87;
    QTest::newRow("130, more rows") << 130;
}

void ExamWindowTest::sheetNumbersThePaper()
{
    QFETCH(int, questions);
    start({{1, {0, 0, 0, 0, 0}, 0, 130}});
    QList<qint64> subids;
    for (int i = 0; i < questions; ++i)
        subids << 1500 + i;
    Tmnks *exam = openExam(subids);
    AnswerSheet *sheet = exam->StringGrid1;
    QCOMPARE(sheet->columnCount(), 20);
    QCOMPARE(sheet->rowCount(), std::max(5, (questions + 19) / 20));
    for (int row = 0; row < sheet->rowCount(); ++row) {
        for (int column = 0; column < 20; ++column) {
            const int n = row * 20 + column + 1;
            QCOMPARE(sheet->item(row, column)->text(), n <= questions ? QString::number(n) : QString());
        }
    }
    if (questions == 87) {
        QCOMPARE(sheet->item(4, 6)->text(), u"87"_s);
        QCOMPARE(sheet->item(4, 7)->text(), QString());
    }
}

void ExamWindowTest::questionTwentyMovesToRowTwo()
{
    start({{1, {0, 0, 0, 0, 0}, 30, 0}});
    QList<qint64> subids;
    for (int i = 0; i < 30; ++i)
        subids << 1000 + i;
    Tmnks *exam = openExam(subids);
    for (int i = 0; i < 19; ++i)
        QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(exam->currentQuestion(), 20);
    QTest::mouseClick(exam->opt1, Qt::LeftButton);
    QCOMPARE(exam->currentQuestion(), 21);
    QCOMPARE(exam->StringGrid1->currentRow(), 1);
    QCOMPARE(exam->StringGrid1->currentColumn(), 0);
    QVERIFY(exam->Note->text().startsWith(u"21、"_s));
    QCOMPARE(exam->StringGrid1->item(0, 19)->text(), u"20√"_s);
}

void ExamWindowTest::trueFalseAndChoiceLayouts()
{
    start({{1, {0, 0, 0, 0, 0}, 2, 2}});
    Tmnks *exam = openExam({1000, 1500});
    QCOMPARE(exam->opt1->text(), u"√"_s);
    QCOMPARE(exam->opt2->text(), u"×"_s);
    QVERIFY(exam->opt3->isHidden() && exam->opt4->isHidden());
    for (QLabel *line : {exam->lb1, exam->lb2, exam->lb3, exam->lb4})
        QVERIFY(line->isHidden());
    QCOMPARE(exam->info->text(), u"判断题，请判断对错"_s);
    QVERIFY(exam->Note->text().startsWith(u"1、判断题 1000"_s));
    QVERIFY(!exam->bt_Prior->isEnabled());

    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(exam->opt1->text(), u"A"_s);
    QCOMPARE(exam->opt2->text(), u"B"_s);
    QVERIFY(!exam->opt3->isHidden() && !exam->opt4->isHidden());
    QCOMPARE(exam->lb1->text(), u"A 选项1500-1"_s);
    QCOMPARE(exam->lb4->text(), u"D 选项1500-4"_s);
    QCOMPARE(exam->info->text(), u"选择题，请选择你认为正确的答案"_s);
    QVERIFY(!exam->bt_next->isEnabled());
    QVERIFY(exam->bt_Prior->isEnabled());
}

void ExamWindowTest::keypadTableAgainstButtons()
{
    // Question 1 true/false ("√" correct), 2 to 5 multiple choice with the
    // correct option A, B, C, D, then a true/false ("×" correct).
    start({{1, {0, 0, 0, 0, 0}, 2, 4}});
    Tmnks *exam = openExam({1000, 1500, 1501, 1502, 1503, 1001});
    key(exam, Qt::Key_1); // "A" is not on a true/false question
    key(exam, Qt::Key_3);
    key(exam, Qt::Key_5);
    QCOMPARE(exam->currentQuestion(), 1);
    key(exam, Qt::Key_4); // √
    QCOMPARE(exam->currentQuestion(), 2);
    key(exam, Qt::Key_4); // "√" is not on a multiple-choice question
    key(exam, Qt::Key_6);
    QCOMPARE(exam->currentQuestion(), 2);
    key(exam, Qt::Key_1); // A
    key(exam, Qt::Key_2); // B
    key(exam, Qt::Key_3); // C
    key(exam, Qt::Key_5); // D
    QCOMPARE(exam->currentQuestion(), 6);
    key(exam, Qt::Key_6); // ×
    QCOMPARE(exam->StringGrid1->item(0, 5)->text(), u"6×"_s);
    QCOMPARE(exam->currentQuestion(), 6); // the last question stays
    const QList<QPair<qint64, qint64>> expected = {{1, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {2, 1}};
    QCOMPARE(noteRows(), expected);
    QStringList cells;
    for (int c = 0; c < 6; ++c)
        cells << exam->StringGrid1->item(0, c)->text();
    QCOMPARE(cells, (QStringList{u"1√"_s, u"2A"_s, u"3B"_s, u"4C"_s, u"5D"_s, u"6×"_s}));

    // Keypad - and + as the buttons, only where they are enabled.
    key(exam, Qt::Key_Plus);
    QCOMPARE(exam->currentQuestion(), 6);
    key(exam, Qt::Key_Minus);
    QCOMPARE(exam->currentQuestion(), 5);
    key(exam, Qt::Key_Plus);
    QCOMPARE(exam->currentQuestion(), 6);
    // Keypad / hands in: the confirmation opens above the exam.
    key(exam, Qt::Key_Slash);
    QVERIFY(app::roster().get<Tksqr>()->isVisible());
    QVERIFY(exam->isVisible());
    // The main keyboard's digits answer nothing.
    key(exam, Qt::Key_4, Qt::NoModifier);
    QCOMPARE(noteRows(), expected);
}

void ExamWindowTest::jumpKeysStayInsideThePaper()
{
    start({{1, {0, 0, 0, 0, 0}, 0, 90}});
    QList<qint64> fifty;
    for (int i = 0; i < 50; ++i)
        fifty << 1500 + i;
    Tmnks *exam = openExam(fifty);
    key(exam, Qt::Key_8);
    QCOMPARE(exam->currentQuestion(), 41);
    QVERIFY(exam->Note->text().startsWith(u"41、"_s));
    QCOMPARE(exam->StringGrid1->currentRow(), 2);
    key(exam, Qt::Key_9); // no question 71: nothing happens
    QCOMPARE(exam->currentQuestion(), 41);
    QVERIFY(exam->Note->text().startsWith(u"41、"_s));
    key(exam, Qt::Key_7);
    QCOMPARE(exam->currentQuestion(), 1);
    // A click on an empty cell changes nothing either.
    const QRect empty = exam->StringGrid1->visualRect(exam->StringGrid1->model()->index(4, 5));
    QTest::mouseClick(exam->StringGrid1->viewport(), Qt::LeftButton, {}, empty.center());
    QCOMPARE(exam->currentQuestion(), 1);
    QCOMPARE(exam->StringGrid1->currentRow(), 0);
    QCOMPARE(exam->StringGrid1->currentColumn(), 0);
    QVERIFY(exam->Note->text().startsWith(u"1、"_s));
}

void ExamWindowTest::daFollowsTheSheet()
{
    start({{1, {0, 0, 0, 0, 0}, 3, 3}});
    Tmnks *exam = openExam({1500, 1501, 1000, 1001});
    QTest::mouseClick(exam->opt2, Qt::LeftButton); // 1B, moves to 2
    QCOMPARE(exam->da->text(), QString());
    const auto clickCell = [&](int column) {
        const QRect cell = exam->StringGrid1->visualRect(exam->StringGrid1->model()->index(0, column));
        QTest::mouseClick(exam->StringGrid1->viewport(), Qt::LeftButton, {}, cell.center());
    };
    clickCell(0);
    QCOMPARE(exam->currentQuestion(), 1);
    QCOMPARE(exam->da->text(), u"B"_s);
    clickCell(2);
    QCOMPARE(exam->currentQuestion(), 3);
    QCOMPARE(exam->da->text(), QString());
    QTest::mouseClick(exam->opt1, Qt::LeftButton); // 3√, moves to 4: unanswered
    QCOMPARE(exam->da->text(), QString());
    QTest::mouseClick(exam->opt2, Qt::LeftButton); // 4× on the last: da stays
    QCOMPARE(exam->da->text(), QString());
    clickCell(3); // the cell already selected
    QCOMPARE(exam->da->text(), u"×"_s);
    QTest::mouseClick(exam->bt_Prior, Qt::LeftButton);
    QCOMPARE(exam->da->text(), u"√"_s);
}

void ExamWindowTest::answersAreStoredAtOnce()
{
    start({{1, {0, 0, 0, 0, 0}, 2, 2}});
    Tmnks *exam = openExam({1500, 1000});
    QTest::mouseClick(exam->opt3, Qt::LeftButton); // C: wrong (A is correct)
    QCOMPARE(noteRows(), (QList<QPair<qint64, qint64>>{{3, 0}, {0, 0}}));
    QTest::mouseClick(exam->bt_Prior, Qt::LeftButton);
    QTest::mouseClick(exam->opt1, Qt::LeftButton); // answered again: A, right
    QCOMPARE(noteRows(), (QList<QPair<qint64, qint64>>{{1, 1}, {0, 0}}));
    QCOMPARE(exam->StringGrid1->item(0, 0)->text(), u"1A"_s);
}

void ExamWindowTest::studyControlsByMode()
{
    start({{1, {0, 0, 0, 0, 0}, 2, 2}});
    Tmnks *study = openExam({1500}, 1);
    QVERIFY(!study->autoshow->isHidden());
    QVERIFY(!study->bt_show->isHidden());
    study->autoshow->setChecked(true);
    Tmnks *mock = openExam({1500}, 2);
    QVERIFY(mock->autoshow->isHidden());
    QVERIFY(mock->bt_show->isHidden());
    QVERIFY(!mock->autoshow->isChecked());
}

void ExamWindowTest::studyModeShowsAnswers()
{
    start({{1, {0, 0, 0, 0, 0}, 2, 4}});
    Tmnks *exam = openExam({1502, 1001, 1500}, 1); // C correct; × correct; A correct
    const QColor red(255, 0, 0);
    QTest::mouseClick(exam->bt_show, Qt::LeftButton);
    QCOMPARE(exam->lb3->text(), u"C 选项1502-3√"_s);
    QCOMPARE(textColour(exam->lb3), red);
    QCOMPARE(exam->lb1->text(), u"A 选项1502-1"_s);
    QCOMPARE(textColour(exam->lb1), QColor(Qt::black));
    QVERIFY(exam->bt_show->isEnabled());
    // Shown for this question only.
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QVERIFY(exam->lb1->isHidden() && exam->lb2->isHidden());

    QTest::mouseClick(exam->autoshow, Qt::LeftButton);
    QVERIFY(exam->autoshow->isChecked());
    QVERIFY(!exam->bt_show->isEnabled());
    // A true/false question shows the correct option's line alone, in red.
    QVERIFY(exam->lb1->isHidden());
    QVERIFY(!exam->lb2->isHidden());
    QCOMPARE(exam->lb2->text(), u"错误"_s);
    QCOMPARE(textColour(exam->lb2), red);
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(exam->lb1->text(), u"A 选项1500-1√"_s);
    QCOMPARE(textColour(exam->lb1), red);
    QCOMPARE(textColour(exam->lb2), QColor(Qt::black));
    QTest::mouseClick(exam->autoshow, Qt::LeftButton);
    QCOMPARE(exam->lb1->text(), u"A 选项1500-1"_s);
    QVERIFY(exam->bt_show->isEnabled());
}

void ExamWindowTest::missingPictureAndMissingQuestion()
{
    qbank::Bank bank = testing::bankOf({{1, {0, 0, 0, 0, 0}, 2, 3}});
    bank.questions[0].subpic = u"missing.jpg"_s;
    bank.questions[1].subpic = u"there.jpg"_s;
    bank.questions[2].subpic = u"   "_s;
    bank.questions[3].subpic = u"broken.jpg"_s;
    bank.questions[4].options.pop_back(); // three options only
    m_folder->writeBank(bank);
    m_folder->writePicture(u"there.jpg"_s);
    m_folder->writeFile(u"upload/broken.jpg"_s, "not a picture");
    startUp();
    Tmnks *exam = openExam({1000, 1001, 1500, 1501, 1502, 9999});
    QCOMPARE(exam->pic->text(), u"图片缺失：missing.jpg"_s); // in the picture's place
    QVERIFY(!exam->pic->isHidden());
    QVERIFY(exam->opt1->isEnabled());
    QTest::mouseClick(exam->opt1, Qt::LeftButton); // still answerable
    QVERIFY(!exam->pic->isHidden());            // there.jpg
    QVERIFY(!exam->pic->pixmap().isNull());
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QVERIFY(exam->pic->isHidden()); // blanks only
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(exam->pic->text(), u"图片缺失：broken.jpg"_s); // unreadable
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    // Three options: no D to press, no stale line.
    QVERIFY(exam->opt4->isHidden());
    QCOMPARE(exam->lb4->text(), QString());
    key(exam, Qt::Key_5);
    QCOMPARE(exam->currentQuestion(), 5);
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    // A paper row whose question is gone from the bank.
    QCOMPARE(exam->Note->text(), u"6、"_s);
    for (QPushButton *b : {exam->opt1, exam->opt2, exam->opt3, exam->opt4})
        QVERIFY(!b->isEnabled());
    key(exam, Qt::Key_1);
    QCOMPARE(noteRows().last(), (QPair<qint64, qint64>{0, 0}));
    QVERIFY(m_messages->errors.isEmpty());
}

void ExamWindowTest::emptyPaperCannotBeAnswered()
{
    start({{1, {2, 0, 0, 0, 0}, 4, 4}});
    key(app::roster().get<Tmain>(), Qt::Key_Asterisk);
    app::roster().get<Txccx>()->ComboBox1->setCurrentIndex(1); // no type takes part
    key(app::roster().get<Txccx>(), Qt::Key_Enter);
    key(app::roster().get<Tksxz>(), Qt::Key_Enter);
    Tmnks *exam = app::roster().get<Tmnks>();
    QVERIFY(exam && exam->isVisible());
    QCOMPARE(exam->questionCount(), 0);
    QCOMPARE(exam->Note->text(), QString());
    for (QPushButton *b : {exam->opt1, exam->opt2, exam->opt3, exam->opt4, exam->bt_next, exam->bt_Prior})
        QVERIFY(!b->isEnabled());
    for (const Qt::Key k : {Qt::Key_4, Qt::Key_1, Qt::Key_7, Qt::Key_8, Qt::Key_Plus, Qt::Key_Minus})
        key(exam, k);
    QVERIFY(m_messages->errors.isEmpty());
    key(exam, Qt::Key_Slash);
    key(app::roster().get<Tksqr>(), Qt::Key_0);
    QCOMPARE(app::roster().get<Txxts>()->lbksfs->text(), u"0"_s);
}

void ExamWindowTest::noSystemIniGivesDefaults()
{
    start({{1, {0, 0, 0, 0, 0}, 2, 2}}, QByteArray());
    Tmnks *exam = openExam({1000});
    QCOMPARE(exam->atime->text(), u"90:00"_s);
    QCOMPARE(exam->passMark(), 90);
    exam->Timer1Timer();
    QCOMPARE(exam->atime->text(), u"89:59"_s);
}

void ExamWindowTest::passMarkDecides_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("heading");
    const QString pass = u"恭喜您，考试合格！！"_s;
    const QString fail = u"考试不合格，还需要努力！！"_s;
    QTest::newRow("90 mock") << 90 << 2 << pass << u"您的本次模拟考试成绩为："_s;
    QTest::newRow("89 mock") << 89 << 2 << fail << u"您的本次模拟考试成绩为："_s;
    QTest::newRow("90 study") << 90 << 1 << pass << u"您的本次学习成绩为："_s;
    QTest::newRow("0 study") << 0 << 1 << fail << u"您的本次学习成绩为："_s;
}

void ExamWindowTest::passMarkDecides()
{
    QFETCH(int, right);
    QFETCH(int, mode);
    start({{1, {0, 0, 0, 0, 0}, 100, 0}}, QByteArray());
    QList<qint64> subids;
    for (int i = 0; i < 100; ++i)
        subids << 1000 + i;
    Tmnks *exam = openExam(subids, mode);
    // Question 1000 + i is true for even i: answer right `right` times.
    for (int i = 0; i < 100; ++i) {
        const bool isTrue = i % 2 == 0;
        const bool answerRight = i < right;
        key(exam, isTrue == answerRight ? Qt::Key_4 : Qt::Key_6);
    }
    QTest::mouseClick(exam->bt_jj, Qt::LeftButton);
    QTest::mouseClick(app::roster().get<Tksqr>()->Button1, Qt::LeftButton);
    auto *result = app::roster().get<Txxts>();
    QVERIFY(result && result->isVisible());
    QVERIFY(!exam->isVisible());
    QCOMPARE(result->lbksfs->text(), QString::number(right));
    QTEST(result->lb_ksjg->text(), "verdict");
    QTEST(result->lb_tsxx->text(), "heading");
}

void ExamWindowTest::confirmationKeys()
{
    start({{1, {0, 0, 0, 0, 0}, 2, 2}});
    Tmnks *exam = openExam({1000, 1001});
    key(exam, Qt::Key_Slash);
    auto *confirm = app::roster().get<Tksqr>();
    key(confirm, Qt::Key_Enter); // does nothing here
    QVERIFY(confirm->isVisible());
    QVERIFY(!app::roster().object(Slot::xxts));
    key(confirm, Qt::Key_Period); // keypad Del: back to the exam
    QVERIFY(!confirm->isVisible());
    QVERIFY(exam->isVisible());
    // "交卷" twice leaves one confirmation.
    QTest::mouseClick(exam->bt_jj, Qt::LeftButton);
    QTest::mouseClick(exam->bt_jj, Qt::LeftButton);
    QCOMPARE(app::roster().builds(Slot::ksqr), 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int confirmations = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        confirmations += qobject_cast<Tksqr *>(w) && w->isVisible();
    QCOMPARE(confirmations, 1);
    key(app::roster().get<Tksqr>(), Qt::Key_0);
    QVERIFY(app::roster().get<Txxts>()->isVisible());
    QCOMPARE(app::roster().builds(Slot::xxts), 1);
}

void ExamWindowTest::continueKeepsQuestionAndTime()
{
    start({{1, {0, 0, 0, 0, 0}, 3, 0}});
    Tmnks *exam = openExam({1000, 1001, 1002});
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QTest::mouseClick(exam->bt_jj, Qt::LeftButton);
    exam->Timer1Timer(); // the countdown goes on meanwhile
    exam->Timer1Timer();
    QTest::mouseClick(app::roster().get<Tksqr>()->Button2, Qt::LeftButton);
    QVERIFY(exam->isVisible());
    QCOMPARE(exam->currentQuestion(), 2);
    QCOMPARE(exam->remainingSeconds(), 2698);
    QCOMPARE(exam->atime->text(), u"44:58"_s);
}

void ExamWindowTest::timeOutWithConfirmationOpen()
{
    start({{1, {0, 0, 0, 0, 0}, 3, 0}}, "alltime=3\nmark=1\n");
    Tmnks *exam = openExam({1000, 1001, 1002});
    QCOMPARE(exam->atime->text(), u"0:03"_s);
    key(exam, Qt::Key_4);
    QTest::mouseClick(exam->bt_jj, Qt::LeftButton);
    QPointer<Tksqr> confirm = app::roster().get<Tksqr>();
    int resultsSeenAtNotice = -1;
    m_messages->onNotice = [&] { resultsSeenAtNotice = app::roster().builds(Slot::xxts); };
    exam->Timer1Timer();
    exam->Timer1Timer();
    QVERIFY(m_messages->notices.isEmpty());
    exam->Timer1Timer(); // 0: time is up
    QCOMPARE(m_messages->notices, QStringList{u"时间到！"_s});
    QCOMPARE(resultsSeenAtNotice, 0); // the message comes first
    QCOMPARE(exam->atime->text(), u"0:00"_s);
    QVERIFY(!exam->isVisible());
    QVERIFY(!app::roster().object(Slot::ksqr)); // the confirmation went with the exam
    QVERIFY(!confirm || !confirm->isVisible());
    auto *result = app::roster().get<Txxts>();
    QVERIFY(result->isVisible());
    QCOMPARE(result->lbksfs->text(), u"1"_s);
    QCOMPARE(result->lb_ksjg->text(), u"恭喜您，考试合格！！"_s);
    // Nothing after the end opens another result.
    exam->Timer1Timer();
    exam->Timer1Timer();
    if (confirm)
        QTest::mouseClick(confirm->Button1, Qt::LeftButton);
    key(exam, Qt::Key_Slash);
    QCOMPARE(app::roster().builds(Slot::xxts), 1);
    QCOMPARE(m_messages->notices.size(), 1);
    QVERIFY(!app::roster().object(Slot::ksqr));
}

void ExamWindowTest::resultKeysEndTheExam()
{
    start({{1, {2, 0, 0, 0, 0}, 4, 4}});
    Tmnks *exam = startMockExam();
    QVERIFY(exam);
    key(exam, Qt::Key_Slash);
    key(app::roster().get<Tksqr>(), Qt::Key_0);
    key(app::roster().get<Txxts>(), Qt::Key_Enter);
    QVERIFY(!app::roster().object(Slot::mnks));
    QVERIFY(!app::roster().object(Slot::ksxz));
    QVERIFY(!app::roster().get<Txxts>()->isVisible());
    QVERIFY(!app::roster().object(Slot::ckct));

    exam = startMockExam();
    key(exam, Qt::Key_Slash);
    key(app::roster().get<Tksqr>(), Qt::Key_0);
    key(app::roster().get<Txxts>(), Qt::Key_Period); // keypad Del: the review
    QVERIFY(!app::roster().object(Slot::mnks));
    QVERIFY(!app::roster().object(Slot::ksxz));
    QVERIFY(app::roster().get<Tckct>()->isVisible());
    QCOMPARE(noteRows().size(), 2); // the paper stays for the review
}

void ExamWindowTest::keypadOnlyFromMenuToResult()
{
    start({{1, {10, 10, 0, 0, 0}, 8, 12}});
    auto *menu = app::roster().get<Tmain>();
    key(menu, Qt::Key_Asterisk);
    key(app::roster().get<Txccx>(), Qt::Key_Enter);
    key(app::roster().get<Tksxz>(), Qt::Key_Enter);
    Tmnks *exam = app::roster().get<Tmnks>();
    QCOMPARE(exam->questionCount(), 10);
    for (int i = 0; i < 4; ++i)
        key(exam, i % 2 ? Qt::Key_6 : Qt::Key_4);
    for (const Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_5, Qt::Key_1, Qt::Key_2})
        key(exam, k);
    QList<QPair<qint64, qint64>> rows = noteRows();
    for (const auto &row : rows)
        QVERIFY(row.first > 0); // every question answered
    key(exam, Qt::Key_Slash);
    key(app::roster().get<Tksqr>(), Qt::Key_0);
    auto *result = app::roster().get<Txxts>();
    qint64 right = 0;
    for (const auto &row : rows)
        right += row.second;
    QCOMPARE(result->lbksfs->text(), QString::number(right));
    key(result, Qt::Key_Enter);
    QVERIFY(menu->isVisible());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(w == menu || !w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(menu->tag(), 2);
    QVERIFY(m_messages->errors.isEmpty());
}

void ExamWindowTest::subject4ByKeypad()
{
    // A 科目一 type beside two 科目四 types whose shares make 50 for class 0.
    start({{1, {2, 2, 2, 0, 0}, 2, 2}, {2, {30, 0, 0, 0, 0}, 15, 15, 8, 4}, {3, {20, 0, 0, 0, 0}, 10, 10, 6, 4}},
          "alltime=2700\nmark=90\nkm4time=1200\n");
    auto *menu = app::roster().get<Tmain>();
    QVERIFY(menu->pn_km->isVisible());
    QVERIFY(menu->bt_km1->isChecked());
    key(menu, Qt::Key_Plus);
    QVERIFY(menu->bt_km4->isChecked());
    Tmnks *exam = startMockExam();
    QCOMPARE(exam->GroupBox4->title(), u"科目四考试题目："_s);
    QCOMPARE(exam->atime->text(), u"20:00"_s);

    // 20 true/false, 20 one-answer, 10 multi-answer, in that order.
    const auto kindOf = [](qint64 subid) { return subid % 1000 < 500 ? u'1' : subid % 1000 < 800 ? u'2' : u'3'; };
    QString kinds;
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.open();
    note.setSort(u"noteId"_s);
    for (note.first(); !note.eof(); note.next())
        kinds += kindOf(note.asInt(u"subid"_s));
    QCOMPARE(kinds, QString(20, u'1') + QString(20, u'2') + QString(10, u'3'));

    // Question 41 is multi-answer: the keypad toggles its options, each
    // change is stored, and the question stays.
    key(exam, Qt::Key_8);
    QCOMPARE(exam->info->text(), u"多选题，请选择所有正确答案"_s);
    note.setRecNo(41);
    const QString correct = (note.asInt(u"subid"_s) % 1000 - 800) % 2 ? u"ABD"_s : u"AC"_s;
    const QMap<QChar, Qt::Key> keys = {{u'A', Qt::Key_1}, {u'B', Qt::Key_2}, {u'C', Qt::Key_3}, {u'D', Qt::Key_5}};
    key(exam, Qt::Key_3); // C, then the correct letters, then C again
    for (const QChar letter : correct)
        key(exam, keys.value(letter));
    key(exam, Qt::Key_3);
    QCOMPARE(exam->currentQuestion(), 41);
    QCOMPARE(exam->StringGrid1->cellText(41), u"41"_s + correct);
    QCOMPARE(exam->da->text(), correct);
    QCOMPARE(noteRows().at(40).second, 1);
    key(exam, correct.contains(u'B') ? Qt::Key_3 : Qt::Key_2); // one more: a superset is wrong
    QCOMPARE(noteRows().at(40).second, 0);
    key(exam, correct.contains(u'B') ? Qt::Key_3 : Qt::Key_2);
    // Every option given up: unanswered again, and still stored.
    for (const QChar letter : correct)
        key(exam, keys.value(letter));
    QCOMPARE(noteRows().at(40), (QPair<qint64, qint64>(0, 0)));
    QCOMPARE(exam->StringGrid1->cellText(41), u"41"_s);
    for (const QChar letter : correct)
        key(exam, keys.value(letter));

    // Handed in: one right answer of 50 is 2 points out of 100.
    key(exam, Qt::Key_Slash);
    key(app::roster().get<Tksqr>(), Qt::Key_0);
    QCOMPARE(app::roster().get<Txxts>()->lbksfs->text(), u"2"_s);
    QVERIFY(m_messages->errors.isEmpty());
}

void ExamWindowTest::longOptionsTakeTheirRoom()
{
    const QString option45 = u"驾驶校车在高速公路、城市快速路以外的道路上行驶超过规定时速的百分之十以上未达到百分之二十的"_s;
    const QString option200 = u"驾驶机动车在高速公路上行驶，遇有雾、雨、雪、沙尘、冰雹等低能见度气象条件时，应当"_s.repeated(5);
    qbank::Bank bank = testing::bankOf({{1, {0, 0, 0, 0, 0}, 0, 2}});
    bank.questions[0].options[0].optcontent = option45;
    bank.questions[0].options[1].optcontent = option200;
    m_folder->writeBank(bank);
    startUp();
    Tmnks *exam = openExam({1500, 1501});
    auto *a = qobject_cast<Label *>(exam->lb1);
    auto *b = qobject_cast<Label *>(exam->lb2);
    auto *c = qobject_cast<Label *>(exam->lb3);
    QVERIFY(a && b && c);

    // 45 characters: a second line, down to the next option, nothing cut.
    QCOMPARE(a->text(), u"A "_s + option45);
    QCOMPARE(a->lineCount(), 2);
    QVERIFY(!a->isElided());
    QVERIFY(a->toolTip().isEmpty());
    QVERIFY(a->geometry().bottom() < b->geometry().top());
    // 200 characters: two lines ending in "…", the whole text in the tooltip.
    QVERIFY(b->isElided());
    QCOMPARE(b->lineCount(), 2);
    QCOMPARE(b->toolTip(), u"B "_s + option200);
    // A short option as it always was.
    QCOMPARE(c->geometry(), QRect(8, 178, 381, 32));
    QCOMPARE(c->lineCount(), 1);
    QVERIFY(c->toolTip().isEmpty());

    // The next question's short options stand where short options stand.
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(b->geometry(), QRect(8, 141, 381, 32));
    QVERIFY(b->toolTip().isEmpty());
}

void ExamWindowTest::sheetsOfAnyLength_data()
{
    QTest::addColumn<int>("questions");
    QTest::newRow("87") << 87;
    QTest::newRow("100") << 100;
    QTest::newRow("150") << 150;
    QTest::newRow("1000") << 1000;
}

void ExamWindowTest::sheetsOfAnyLength()
{
    QFETCH(int, questions);
    // Questions 1 to 500 true/false, 501 to 1000 multiple choice.
    start({{1, {0, 0, 0, 0, 0}, 500, 500}});
    QList<qint64> subids;
    for (int i = 0; i < questions; ++i)
        subids << 1000 + i;
    Tmnks *exam = openExam(subids);
    AnswerSheet *sheet = exam->StringGrid1;
    if (questions <= 100) {
        QCOMPARE(sheet->columnWidth(AnswerSheet::kColumns - 1), 38); // as the sheet always was
        QVERIFY(!sheet->verticalScrollBar()->isVisible());
    }

    // The pupil goes on with keypad + and answers from question 95 on (80
    // in the shortest paper), past the fifth row where the paper goes on.
    const int from = std::min(questions, 100) - 7;
    while (exam->currentQuestion() < from)
        key(exam, Qt::Key_Plus);
    for (int n = from; n <= std::min(questions, 105); ++n) {
        key(exam, Qt::Key_4);
        QVERIFY2(rowInView(sheet, exam->currentQuestion()), qPrintable(QString::number(exam->currentQuestion())));
    }
    for (const Qt::Key jump : {Qt::Key_7, Qt::Key_9, Qt::Key_8}) {
        key(exam, jump);
        QVERIFY(rowInView(sheet, exam->currentQuestion()));
    }
    // The navigation keys on the sheet reach its last cell.
    QTest::keyClick(sheet, Qt::Key_End, Qt::ControlModifier);
    if (questions == 1000) {
        QCOMPARE(exam->currentQuestion(), 1000);
        key(exam, Qt::Key_1);
        QCOMPARE(exam->StringGrid1->cellText(1000), u"1000A"_s);
    }
    QVERIFY(rowInView(sheet, exam->currentQuestion()));
    QCOMPARE(cutCells(sheet), QStringList());
    QCOMPARE(exam->StringGrid1->cellText(std::min(questions, 100)), u"%1√"_s.arg(std::min(questions, 100)));
}

void ExamWindowTest::questionWithoutOptionsSaysSo()
{
    qbank::Bank bank = testing::bankOf({{1, {0, 0, 0, 0, 0}, 2, 2}});
    bank.questions[0].options.pop_back(); // true/false with one option
    bank.questions[2].options.clear();    // multiple choice with none
    m_folder->writeBank(bank);
    startUp();
    Tmnks *exam = openExam({1000, 1500, 1501, 1001});
    const QString cannot = u"本题缺少选项，无法作答"_s;
    QCOMPARE(exam->info->text(), cannot);
    QVERIFY(!exam->opt2->isEnabled());
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(exam->info->text(), cannot);
    for (QPushButton *b : {exam->opt1, exam->opt2, exam->opt3, exam->opt4})
        QVERIFY(!b->isEnabled());
    QVERIFY(exam->bt_next->isEnabled()); // the pupil moves on
    QTest::mouseClick(exam->bt_next, Qt::LeftButton);
    QCOMPARE(exam->info->text(), u"选择题，请选择你认为正确的答案"_s);
}

void ExamWindowTest::durationOfNoTimeEndsAtFirstTick_data()
{
    QTest::addColumn<QByteArray>("systemIni");
    QTest::newRow("negative") << QByteArray("alltime=-30\nmark=90\n");
    QTest::newRow("zero") << QByteArray("alltime=0\nmark=90\n");
}

void ExamWindowTest::durationOfNoTimeEndsAtFirstTick()
{
    QFETCH(QByteArray, systemIni);
    start({{1, {0, 0, 0, 0, 0}, 2, 0}}, systemIni);
    Tmnks *exam = openExam({1000, 1001});
    QCOMPARE(exam->atime->text(), u"0:00"_s);
    exam->Timer1Timer();
    QCOMPARE(m_messages->notices, QStringList{u"时间到！"_s});
    QVERIFY(!exam->isVisible());
    QVERIFY(app::roster().get<Txxts>()->isVisible());
    exam->Timer1Timer();
    QCOMPARE(app::roster().builds(Slot::xxts), 1);
    QCOMPARE(m_messages->notices.size(), 1);
}

EXAM_TEST(ExamWindowTest)
#include "tst_examwindow.moc"
