#include "questionview.h"

#include "fonts.h"
#include "questionoptions.h"
#include "questionpicture.h"
#include "table.h"
#include "widgets.h"

#include <QApplication>
#include <algorithm>
#include <QPixmap>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QColor kFrame(128, 128, 0); // olive
const QColor kLetter(0, 0, 255);
const QColor kCorrect(255, 0, 0);
const QColor kPlain(0, 0, 0);

Label *textLabel(QWidget *window, const QString &name, const QRect &bounds, const QFont &font, bool wordWrap)
{
    Label *label = makeLabel(window, name, QString(), bounds, font, kPlain, wordWrap);
    // Question texts are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// An option line: one line beside its letter, or up to three within the
// option's frame when the option is longer.
Label *newOptionLine(QWidget *window, const QString &name, const QRect &bounds, const Shape *frame)
{
    Label *line = textLabel(window, name, bounds, fonts::song(16, true), false);
    const QRect inside = frame->geometry().adjusted(0, 1, 0, -1);
    line->fitLongTexts(3, QRect(bounds.x(), inside.y(), bounds.width(), inside.height()));
    return line;
}

} // namespace

QuestionView::QuestionView(QWidget *window, const Layout &layout)
{
    const int dy = layout.top;
    const auto frame = [window, dy](const QString &name, int x, int y, int w, int h) {
        return new Shape(window, name, QRect(x, y + dy, w, h), kFrame);
    };
    Shape1 = frame(u"Shape1"_s, 25, 112, 489, 169);
    Shape5 = frame(u"Shape5"_s, 25, 280, 65, 65);
    Shape3 = frame(u"Shape3"_s, 25, 344, 65, 65);
    Shape4 = frame(u"Shape4"_s, 25, 408, 65, 65);
    Shape2 = frame(u"Shape2"_s, 25, 472, 65, 65);
    Shape6 = frame(u"Shape6"_s, 89, 280, 425, 65);
    Shape7 = frame(u"Shape7"_s, 89, 344, 425, 65);
    Shape8 = frame(u"Shape8"_s, 89, 408, 425, 65);
    Shape9 = frame(u"Shape9"_s, 89, 472, 425, 65);
    Shape10 = frame(u"Shape10"_s, 513, 112, 256, 201);
    Shape11 = frame(u"Shape11"_s, 513, 312, 256, 225);

    const QFont letters = fonts::arialBlack(29);
    Label1 = makeLabel(window, u"Label1"_s, u"A"_s, QPoint(49, 296 + dy), letters, kLetter);
    Label2 = makeLabel(window, u"Label2"_s, u"B"_s, QPoint(49, 352 + dy), letters, kLetter);
    Label3 = makeLabel(window, u"Label3"_s, u"C"_s, QPoint(49, 416 + dy), letters, kLetter);
    Label4 = makeLabel(window, u"Label4"_s, u"D"_s, QPoint(49, 480 + dy), letters, kLetter);

    m_note = textLabel(window, u"note"_s, QRect(40, 128 + dy, 465, 129), fonts::song(16, true), true);
    m_note->scrollLongTexts();
    note = m_note;
    m_lines = {newOptionLine(window, u"lb1"_s, QRect(104, 304 + dy, 369, 16), Shape6),
               newOptionLine(window, u"lb2"_s, QRect(104, 368 + dy, 369, 16), Shape7),
               newOptionLine(window, u"lb3"_s, QRect(104, 424 + dy, 385, 16), Shape8),
               newOptionLine(window, u"lb4"_s, QRect(104, 496 + dy, 377, 16), Shape9)};
    lb1 = m_lines[0];
    lb2 = m_lines[1];
    lb3 = m_lines[2];
    lb4 = m_lines[3];

    pic = new Picture(window, u"pic"_s, QRect(520, 120 + dy, 241, 185), Picture::Fit::Centre);
    pic->setPicture(u":/assets/nopic.png"_s);

    Label5 =
        makeLabel(window, u"Label5"_s, u"难点分析"_s, QPoint(608, 320 + dy), fonts::song(16, true), kCorrect);
    m_info =
        textLabel(window, u"info"_s, QRect(528, 344 + dy, 225, 185), fonts::song(layout.infoPixels), true);
    m_info->scrollLongTexts();
    info = m_info;
}

void QuestionView::displayQuestion(int number, const data::Table &subject, data::Table &options,
                                   const Marks &marks)
{
    const qint64 subid = subject.asInt(u"subid"_s);
    m_note->setFittedText(questionText(number, subject.asText(u"subtitle"_s)));
    m_info->setFittedText(explanationText(subject.value(u"info"_s)));
    showPicture(subject.value(u"subpic"_s));
    if (marks.lines == Lines::ByKind) {
        const bool twoOptions = subject.asInt(u"typeId"_s) == 1;
        lb3->setVisible(!twoOptions);
        lb4->setVisible(!twoOptions);
    }

    const std::vector<data::QuestionOption> shown = data::readQuestionOptions(options, subid);
    const size_t count = shown.size();
    for (size_t k = 0; k < count; ++k) {
        const data::QuestionOption &option = shown[k];
        const bool chosen = (marks.chosen && option.optid == *marks.chosen)
                            || (!option.correct()
                                && std::find(marks.chosenSeveral.begin(), marks.chosenSeveral.end(), option.optid)
                                       != marks.chosenSeveral.end());
        Label *line = m_lines[k];
        line->setFittedText(optionLineText(option.text, chosen, option.correct()));
        setTextColour(line, option.correct() ? kCorrect : kPlain);
        if (marks.lines == Lines::ByOptions) {
            if (k < 2) {
                lb3->hide();
                lb4->hide();
            } else {
                line->show();
            }
        }
    }
    // Lines the question has no option for: nothing left over from the
    // question shown before.
    for (size_t j = count; j < 4; ++j) {
        Label *line = m_lines[j];
        line->setFittedText(QString());
        setTextColour(line, kPlain);
        if (marks.lines == Lines::ByOptions && j >= 2)
            line->hide();
    }
}

void QuestionView::displayNothing()
{
    m_note->setFittedText(QString());
    m_info->setFittedText(QString());
    pic->clear();
    pic->hide();
    for (Label *line : m_lines) {
        line->setFittedText(QString());
        setTextColour(line, kPlain);
    }
}

void QuestionView::showPicture(const QVariant &subpic)
{
    showQuestionPicture(pic, subpic);
}

QString questionText(int number, const QString &subtitle)
{
    return u"第%1题\n\n"_s.arg(number) + subtitle;
}

QString explanationText(const QVariant &info)
{
    if (info.isNull())
        return QString();
    const QString text = info.toString();
    return text == u"NULL"_s ? QString() : text;
}

QString optionLineText(const QString &optcontent, bool chosen, bool correct)
{
    QString text = optcontent;
    if (chosen)
        text += u"×"_s;
    if (correct)
        text += u"√"_s;
    return text;
}

QColor menuBarColour()
{
    return QApplication::palette().color(QPalette::Window);
}

int stepped(int p, int count, Step step)
{
    switch (step) {
    case Step::First: return count >= 1 ? 1 : p;
    case Step::Prior: return p > 1 ? p - 1 : p;
    case Step::Next: return p < count ? p + 1 : p;
    case Step::Last: return count >= 1 ? count : p;
    }
    return p;
}

void applyButtonRule(int p, int count, QPushButton *first, QPushButton *prior, QPushButton *next,
                     QPushButton *last)
{
    const bool any = count >= 1;
    next->setEnabled(any && p != count);
    last->setEnabled(any && p != count);
    first->setEnabled(any && p != 1);
    prior->setEnabled(any && p != 1);
}
