#include "tmnks.h"

#include "answersheet.h"
#include "bankplace.h"
#include "connection.h"
#include "fonts.h"
#include "examrules.h"
#include "questionoptions.h"
#include "questionpicture.h"
#include "tado.h"
#include "tksqr.h"
#include "txxts.h"
#include "widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QColor kRed(255, 0, 0);
// A long option takes the room of its line: down to the next line, 37
// pixels below, and across to a few pixels short of the picture.
constexpr int kLineRoomHeight = 37;
constexpr int kLineRoomWidth = 388;
const QString kUnanswerable = u"本题缺少选项，无法作答"_s;
const QString kLetters = u"ABCD"_s;
const QString kChosenStyle =
    u"QPushButton:checked { background: #c00000; color: white; border: 2px solid #800000; border-radius: 3px; }"_s;


QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title, const QRect &bounds)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(bounds);
    box->setFont(fonts::sans(11));
    // The caption sits on the frame's top line, as on the exam terminals.
    box->setStyleSheet(u"QGroupBox#%1 { border: 1px solid #a0a0a0; margin-top: 6px; }"
                       "QGroupBox#%1::title { subcontrol-origin: margin; left: 8px; padding: 0px 2px; color: #000080; }"_s
                           .arg(name));
    return box;
}

} // namespace

QString Tmnks::timeText(int seconds)
{
    const int shown = std::max(0, seconds);
    return u"%1:%2"_s.arg(shown / 60).arg(shown % 60, 2, 10, QChar(u'0'));
}

Tmnks::Tmnks(QWidget *parent) : Form(parent)
{
    setObjectName(u"mnks"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(792, 576), true);
    setKeyPreview(true);

    const QFont small = fonts::sans(11);
    StringGrid1 = nullptr;

    GroupBox1 = groupBox(this, u"GroupBox1"_s, u"驾校理论考试室"_s, QRect(8, 8, 145, 41));
    Label1 = makeLabel(GroupBox1, u"Label1"_s, u"第01号考台"_s, QRect(24, 20, 73, 13), small, QColor(0, 0, 255));

    GroupBox2 = groupBox(this, u"GroupBox2"_s, u"考生信息："_s, QRect(6, 56, 155, 250));
    Image3 = new Picture(GroupBox2, u"Image3"_s, QRect(8, 16, 121, 121), Picture::Fit::Centre);
    Image3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image3->setPicture(u":/assets/portrait.jpg"_s);
    Label2 = makeLabel(GroupBox2, u"Label2"_s, u"考生姓名：青岚驾校"_s, QRect(0, 144, 145, 13), small);
    Label3 = makeLabel(GroupBox2, u"Label3"_s, u"姓         别：女"_s, QRect(8, 164, 97, 13), small);
    lb_kscx = makeLabel(GroupBox2, u"lb_kscx"_s, u"考试车型："_s, QRect(8, 186, 129, 13), small);
    Label5 = makeLabel(GroupBox2, u"Label5"_s, u"申请原因：初次申请"_s, QRect(8, 208, 129, 13), small);

    GroupBox4 = groupBox(this, u"GroupBox4"_s, u"考试题目："_s, QRect(157, 8, 630, 297));
    const QFont text16 = fonts::song(16, true);
    m_note = makeLabel(GroupBox4, u"Note"_s, QString(), QRect(16, 24, 593, 73), text16, Qt::black, true);
    m_note->scrollLongTexts();
    Note = m_note;
    const int lineTops[4] = {104, 141, 178, 216};
    const char16_t *lineNames[4] = {u"lb1", u"lb2", u"lb3", u"lb4"};
    for (int i = 0; i < 4; ++i) {
        Label *line = makeLabel(GroupBox4, QString::fromUtf16(lineNames[i]), QString(),
                                QRect(8, lineTops[i], 381, 32), text16);
        line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        line->fitLongTexts(2, QRect(8, lineTops[i], kLineRoomWidth, kLineRoomHeight));
        m_lines[static_cast<size_t>(i)] = line;
    }
    lb1 = m_lines[0];
    lb2 = m_lines[1];
    lb3 = m_lines[2];
    lb4 = m_lines[3];
    pic = new Picture(GroupBox4, u"pic"_s, QRect(400, 104, 225, 137), Picture::Fit::Centre);
    Label8 = makeLabel(GroupBox4, u"Label8"_s, u"您选择的答案是："_s, QRect(8, 266, 128, 15), fonts::song(15, true));
    da = makeLabel(GroupBox4, u"da"_s, QString(), QRect(129, 263, 32, 20), fonts::song(19, true), kRed);
    Label6 = makeLabel(GroupBox4, u"Label6"_s, u"请选择："_s, QRect(166, 266, 64, 15), fonts::song(15, true));
    const int buttonLefts[4] = {228, 280, 334, 387};
    const char16_t *buttonNames[4] = {u"opt1", u"opt2", u"opt3", u"opt4"};
    const QString captions[4] = {u"√"_s, u"×"_s, u"C"_s, u"D"_s};
    for (int i = 0; i < 4; ++i)
        m_buttons[static_cast<size_t>(i)] = makeButton(GroupBox4, QString::fromUtf16(buttonNames[i]), captions[i],
                                                   QRect(buttonLefts[i], 258, 40, 30), fonts::song(19, true),
                                                   Qt::StrongFocus);
    opt1 = m_buttons[0];
    opt2 = m_buttons[1];
    opt3 = m_buttons[2];
    opt4 = m_buttons[3];

    autoshow = new QCheckBox(u"自动显示答案"_s, this);
    autoshow->setObjectName(u"autoshow"_s);
    autoshow->setGeometry(600, 272, 105, 17);
    autoshow->setFont(fonts::song(12));
    autoshow->setFocusPolicy(Qt::ClickFocus);
    bt_show = makeButton(this, u"bt_show"_s, u"显示答案"_s, QRect(704, 266, 75, 25), fonts::song(12), Qt::ClickFocus);

    const QFont nav = fonts::song(16, true);
    bt_Prior = makeButton(this, u"bt_Prior"_s, u"上一题"_s, QRect(445, 310, 90, 41), nav, Qt::ClickFocus);
    bt_Prior->setEnabled(false);
    bt_next = makeButton(this, u"bt_next"_s, u"下一题"_s, QRect(555, 310, 90, 41), nav, Qt::ClickFocus);
    bt_jj = makeButton(this, u"bt_jj"_s, u"交卷"_s, QRect(664, 310, 107, 41), nav, Qt::ClickFocus);

    GroupBox5 = groupBox(this, u"GroupBox5"_s, u"剩余时间"_s, QRect(8, 311, 145, 41));
    atime = makeLabel(GroupBox5, u"atime"_s, QString(), QRect(40, 16, 49, 13), fonts::song(13));
    GroupBox6 = groupBox(this, u"GroupBox6"_s, u"提示信息"_s, QRect(176, 311, 241, 41));
    info = makeLabel(GroupBox6, u"info"_s, QString(), QRect(2, 15, 231, 24), fonts::song(13));
    info->setAlignment(Qt::AlignCenter);

    GroupBox3 = groupBox(this, u"GroupBox3"_s, u"答题信息"_s, QRect(8, 352, 777, 220));
    StringGrid1 = new AnswerSheet(GroupBox3);
    StringGrid1->setObjectName(u"StringGrid1"_s);
    StringGrid1->setGeometry(8, 16, 762, 192);

    // The answer sheet comes first in tab order and has the focus.
    QWidget::setTabOrder(StringGrid1, opt1);
    QWidget::setTabOrder(opt1, opt2);
    QWidget::setTabOrder(opt2, opt3);
    QWidget::setTabOrder(opt3, opt4);
    StringGrid1->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(1000);

    onEvent(bt_next, &QPushButton::clicked, this, &Tmnks::bt_nextClick);
    onEvent(bt_Prior, &QPushButton::clicked, this, &Tmnks::bt_PriorClick);
    onEvent(opt1, &QPushButton::clicked, this, &Tmnks::opt1Click);
    onEvent(opt2, &QPushButton::clicked, this, &Tmnks::opt2Click);
    onEvent(opt3, &QPushButton::clicked, this, &Tmnks::opt3Click);
    onEvent(opt4, &QPushButton::clicked, this, &Tmnks::opt4Click);
    onEvent(StringGrid1, &QTableWidget::cellClicked, this, &Tmnks::StringGrid1Click);
    onEvent(StringGrid1, &QTableWidget::currentCellChanged, this, &Tmnks::StringGrid1Click);
    onEvent(autoshow, &QCheckBox::clicked, this, &Tmnks::autoshowClick);
    onEvent(bt_show, &QPushButton::clicked, this, &Tmnks::bt_showClick);
    onEvent(bt_jj, &QPushButton::clicked, this, &Tmnks::bt_jjClick);
    onEvent(Timer1, &QTimer::timeout, this, &Tmnks::Timer1Timer);
    // The countdown runs from the window's creation.
    Timer1->start();
}

void Tmnks::FormCreate()
{
    ADO_Note.setConnectionString(data::connectionString());
    ADO_Note.open();
    ADO_Note.setSort(u"noteId"_s);
    ADO_Note.first();
    Tado &ado = app::ado();
    ado.subject.setFiltered(false);

    // A bank of more than one exam says which one this paper is.
    m_exam = ado.exam();
    if (ado.severalExams() || m_exam != exam::kSubject1)
        GroupBox4->setTitle(exam::examName(m_exam) + u"考试题目："_s);

    m_settings = data::readSystemIni(app::settingsFile());
    m_remaining = m_settings.durationOf(m_exam);
    atime->setText(timeText(m_remaining));

    m_count = ADO_Note.recordCount();
    StringGrid1->number(m_count);

    const auto *main = qobject_cast<Form *>(app::roster().object(app::Slot::main));
    setTag(main ? main->tag() : 0);
    m_showAnswer = false;
    if (tag() == 1) {
        autoshow->show();
        bt_show->show();
    } else {
        autoshow->setChecked(false);
        autoshow->hide();
        bt_show->hide();
    }
    m_current = 1;
    ShowQuestion();
}

void Tmnks::showNoQuestion(const QString &text)
{
    m_note->setFittedText(text);
    pic->hide();
    info->clear();
    for (size_t i = 0; i < 4; ++i) {
        m_lines[i]->setFittedText(QString());
        m_buttons[i]->setEnabled(false);
    }
    m_shown.clear();
    m_kind = 0;
}

void Tmnks::ShowQuestion()
{
    if (m_count == 0) {
        // An empty paper: nothing to show or answer; hand-in scores 0.
        showNoQuestion(QString());
        StringGrid1->clearSelection();
        bt_Prior->setEnabled(false);
        bt_next->setEnabled(false);
        return;
    }
    const int n = m_current;
    ADO_Note.setRecNo(n);
    const qint64 subid = ADO_Note.asInt(u"subId"_s);
    data::Table &subject = app::ado().subject;
    subject.setFiltered(false);

    if (!subject.locate(u"subId"_s, subid)) {
        // The question is no longer in the bank: its number, nothing to answer.
        showNoQuestion(u"%1、"_s.arg(n));
        info->setText(kUnanswerable);
    } else {
        m_note->setFittedText(u"%1、%2"_s.arg(n).arg(subject.asText(u"subtitle"_s)));
        showQuestionPicture(pic, subject.value(u"subpic"_s));

        const qint64 typeId = subject.asInt(u"typeId"_s);
        m_kind = typeId;
        if (typeId == exam::kTrueFalse) {
            info->setText(u"判断题，请判断对错"_s);
            opt1->setText(u"√"_s);
            opt2->setText(u"×"_s);
            opt3->hide();
            opt4->hide();
            for (Label *line : m_lines)
                line->hide();
        } else {
            info->setText(typeId == exam::kMultiAnswer ? u"多选题，请选择所有正确答案"_s
                                                       : u"选择题，请选择你认为正确的答案"_s);
            for (Label *line : m_lines)
                line->show();
            opt1->setText(u"A"_s);
            opt2->setText(u"B"_s);
            opt3->show();
            opt4->show();
        }

        m_shown = data::readQuestionOptions(app::ado().options, subid);
        const int count = static_cast<int>(m_shown.size());
        for (size_t i = 0; i < m_shown.size(); ++i) {
            const data::QuestionOption &option = m_shown[i];
            QString text = typeId != exam::kTrueFalse ? QString(kLetters.at(static_cast<qsizetype>(i))) + u' ' + option.text
                                                      : option.text;
            const bool correct = option.correct();
            if (correct && m_showAnswer && typeId != exam::kTrueFalse)
                text += u"√"_s;
            Label *line = m_lines[i];
            setTextColour(line, correct && m_showAnswer ? kRed : QColor(Qt::black));
            if (i < 2) {
                if (correct && m_showAnswer)
                    line->show();
                else if (typeId == exam::kTrueFalse)
                    line->hide();
            }
            line->setFittedText(text);
            m_buttons[i]->setEnabled(true);
        }
        // A question with fewer options offers no button, and no stale line,
        // for the ones it lacks.
        for (int k = count; k < 4; ++k) {
            const size_t i = static_cast<size_t>(k);
            m_lines[i]->setFittedText(QString());
            m_buttons[i]->setEnabled(false);
            if (k >= 2)
                m_buttons[i]->hide();
        }
        // Without its options the question cannot be answered: the pupil is
        // told so, and moves on.
        if (count == 0 || (typeId == exam::kTrueFalse && count < 2))
            info->setText(kUnanswerable);
    }
    // The options chosen so far stand pressed on a multi-answer question.
    const bool several = m_kind == exam::kMultiAnswer;
    const std::vector<qint64> chosen =
        several ? exam::chosenOptions(ADO_Note.asText(u"optionids"_s)) : std::vector<qint64>();
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        QPushButton *button = m_buttons[i];
        // A chosen option's button stands pressed in the answer's colours
        // (a style sheet set only when it changes: setting one re-polishes).
        if (button->isCheckable() != several) {
            button->setStyleSheet(several ? kChosenStyle : QString());
            button->setCheckable(several);
        }
        button->setChecked(several && i < m_shown.size()
                           && std::find(chosen.begin(), chosen.end(), m_shown[i].optid) != chosen.end());
    }
    selectCell(n);
    bt_Prior->setEnabled(n != 1);
    bt_next->setEnabled(n != m_count);
}

void Tmnks::selectCell(int question)
{
    const int row = AnswerSheet::rowOf(question);
    const int column = AnswerSheet::columnOf(question);
    if (StringGrid1->currentRow() != row || StringGrid1->currentColumn() != column) {
        {
            const QSignalBlocker blocker(StringGrid1);
            StringGrid1->setCurrentCell(row, column);
        }
        // Moving to another cell brings up the answer recorded there.
        setDaFromCell(question);
    }
    // The shown question's row stays in view, however the pupil got there.
    StringGrid1->scrollToItem(StringGrid1->item(row, column));
}

void Tmnks::setDaFromCell(int question)
{
    // The cell holds the number, then the answer marks: one, or the letters
    // chosen for a multi-answer question (47ACD).
    const QString text = StringGrid1->cellText(question);
    const QString number = QString::number(question);
    if (text.startsWith(number) && text.size() > number.size()) {
        const QString marks = text.mid(number.size());
        if (std::all_of(marks.begin(), marks.end(), [](QChar c) { return AnswerSheet::kMarks.contains(c); })) {
            setDa(marks);
            return;
        }
    }
    for (const QChar mark : AnswerSheet::kMarks) {
        if (text.contains(mark)) {
            setDa(mark);
            return;
        }
    }
    if (text == QString::number(m_current))
        da->clear();
}

void Tmnks::setDa(const QString &marks)
{
    QFont font = fonts::song(19, true);
    while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(marks) > da->width())
        font.setPixelSize(font.pixelSize() - 1);
    da->setFont(font);
    da->setText(marks);
}

void Tmnks::StringGrid1Click()
{
    const int row = StringGrid1->currentRow();
    const int column = StringGrid1->currentColumn();
    if (row < 0 || column < 0)
        return;
    const int question = AnswerSheet::questionAt(row, column);
    if (question > m_count) {
        // An empty cell: the shown question stays, and so does its cell.
        if (m_count > 0) {
            const QSignalBlocker blocker(StringGrid1);
            StringGrid1->setCurrentCell(AnswerSheet::rowOf(m_current), AnswerSheet::columnOf(m_current));
        } else {
            StringGrid1->clearSelection();
        }
        return;
    }
    m_current = question;
    setDaFromCell(question);
    ShowQuestion();
}

void Tmnks::SaveAnswer(const QString &mark, int k)
{
    if (m_finished || m_current < 1 || m_current > m_count)
        return;
    const size_t i = static_cast<size_t>(k);
    if (!m_buttons[i]->isEnabled() || i >= m_shown.size())
        return;
    if (m_kind == exam::kMultiAnswer) {
        toggleAnswer(k);
        return;
    }
    const qint64 optid = m_shown[i].optid;
    ADO_Note.setRecNo(m_current);
    ADO_Note.edit();
    ADO_Note.setValue(u"optionid"_s, optid);
    ADO_Note.setValue(u"isright"_s, exam::isRight(static_cast<int>(m_kind), m_shown, {optid}) ? 1 : 0);
    ADO_Note.post();
    StringGrid1->setCellText(m_current, QString::number(m_current) + mark);
    if (m_current < m_count) {
        ++m_current;
        ShowQuestion();
    }
}

void Tmnks::toggleAnswer(int k)
{
    const size_t i = static_cast<size_t>(k);
    ADO_Note.setRecNo(m_current);
    const std::vector<qint64> before = exam::chosenOptions(ADO_Note.asText(u"optionids"_s));
    // The chosen set in the order the options are shown, option k toggled.
    std::vector<qint64> chosen;
    QString letters;
    for (size_t j = 0; j < m_shown.size(); ++j) {
        const qint64 optid = m_shown[j].optid;
        const bool was = std::find(before.begin(), before.end(), optid) != before.end();
        if (j == i ? !was : was) {
            chosen.push_back(optid);
            letters += kLetters.at(static_cast<qsizetype>(j));
        }
    }
    ADO_Note.edit();
    ADO_Note.setValue(u"optionids"_s, exam::storedOptions(chosen));
    ADO_Note.setValue(u"optionid"_s, chosen.empty() ? 0 : chosen.front());
    ADO_Note.setValue(u"isright"_s, exam::isRight(exam::kMultiAnswer, m_shown, chosen) ? 1 : 0);
    ADO_Note.post();
    m_buttons[i]->setChecked(std::find(chosen.begin(), chosen.end(), m_shown[i].optid) != chosen.end());
    StringGrid1->setCellText(m_current, QString::number(m_current) + letters);
    if (letters.isEmpty())
        da->clear();
    else
        setDa(letters);
}

void Tmnks::opt1Click()
{
    SaveAnswer(opt1->text(), 0);
}

void Tmnks::opt2Click()
{
    SaveAnswer(opt2->text(), 1);
}

void Tmnks::opt3Click()
{
    SaveAnswer(opt3->text(), 2);
}

void Tmnks::opt4Click()
{
    SaveAnswer(opt4->text(), 3);
}

void Tmnks::bt_nextClick()
{
    if (m_current >= m_count)
        return;
    ++m_current;
    ShowQuestion();
}

void Tmnks::bt_PriorClick()
{
    if (m_current <= 1)
        return;
    --m_current;
    ShowQuestion();
}

void Tmnks::autoshowClick()
{
    m_showAnswer = autoshow->isChecked();
    bt_show->setEnabled(!m_showAnswer);
    ShowQuestion();
}

void Tmnks::bt_showClick()
{
    m_showAnswer = true;
    ShowQuestion();
    // The answer stays shown for this question only, unless the box is ticked.
    m_showAnswer = autoshow->isChecked();
    bt_show->setEnabled(!m_showAnswer);
}

void Tmnks::bt_jjClick()
{
    if (m_finished)
        return;
    StringGrid1->setFocus();
    app::showWindow(app::build<Tksqr>());
}

void Tmnks::Timer1Timer()
{
    if (m_finished)
        return;
    --m_remaining;
    if (m_remaining >= 0)
        atime->setText(timeText(m_remaining));
    // Zero or less: a duration of 0 or below in system.ini ends the exam at
    // the first tick.
    if (m_remaining <= 0) {
        finish();
        app::messages().notice(u"时间到！"_s);
        app::showWindow(app::build<Txxts>());
        hide();
    }
}

void Tmnks::finish()
{
    m_finished = true;
    Timer1->stop();
    app::roster().dispose(app::Slot::ksqr);
}

void Tmnks::FormKeyDown(int key)
{
    using namespace app::vk;
    const auto usable = [](QPushButton *b) { return !b->isHidden() && b->isEnabled(); };
    switch (key) {
    case Numpad4:
        if (opt1->text() == u"√"_s && opt1->isEnabled())
            opt1Click();
        break;
    case Numpad6:
        if (opt2->text() == u"×"_s && opt2->isEnabled())
            opt2Click();
        break;
    case Numpad1:
        if (opt1->text() == u"A"_s && opt1->isEnabled())
            opt1Click();
        break;
    case Numpad2:
        if (opt2->text() == u"B"_s && opt2->isEnabled())
            opt2Click();
        break;
    case Numpad3:
        if (usable(opt3))
            opt3Click();
        break;
    case Numpad5:
        if (usable(opt4))
            opt4Click();
        break;
    case Numpad7:
    case Numpad8:
    case Numpad9: {
        // Jumps to questions 1, 41 and 71, where the paper has them.
        const int target = key == Numpad7 ? 1 : key == Numpad8 ? 41 : 71;
        if (target <= m_count) {
            m_current = target;
            ShowQuestion();
        }
        break;
    }
    case Subtract:
        if (bt_Prior->isEnabled())
            bt_PriorClick();
        break;
    case Add:
        if (bt_next->isEnabled())
            bt_nextClick();
        break;
    case Divide:
        bt_jjClick();
        break;
    case Multiply:
        // A question longer than its box: the next lines, then its start.
        m_note->scrollPage();
        break;
    default:
        break;
    }
}

void Tmnks::paintEvent(QPaintEvent *event)
{
    Form::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
