#include "questionwindow.h"

#include "widgets.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

QuestionWindow::QuestionWindow(QWidget *parent, const Layout &layout, const ButtonRow &buttons)
    : Form(parent), QuestionView(this, layout)
{
    const auto button = [this, &buttons](size_t i, const QString &caption) {
        return makeButton(this, u"Button%1"_s.arg(i + 1), caption,
                          QRect(buttons.x[i], buttons.y, buttons.width[i], 25));
    };
    Button1 = button(0, u"第一题"_s);
    Button2 = button(1, u"上一题"_s);
    Button3 = button(2, u"下一题"_s);
    Button4 = button(3, u"最末题"_s);
    Button5 = button(4, u"返回主窗口"_s);

    onEvent(Button1, &QPushButton::clicked, this, &QuestionWindow::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &QuestionWindow::Button2Click);
    onEvent(Button3, &QPushButton::clicked, this, &QuestionWindow::Button3Click);
    onEvent(Button4, &QPushButton::clicked, this, &QuestionWindow::Button4Click);
    onEvent(Button5, &QPushButton::clicked, this, &QuestionWindow::Button5Click);
}

void QuestionWindow::showFirst()
{
    m_p = 1;
    if (questionCount() == 0) {
        for (QPushButton *b : {Button1, Button2, Button3, Button4})
            b->setEnabled(false);
    }
    ShowQuestion();
}

void QuestionWindow::ShowQuestion()
{
    if (questionCount() == 0)
        displayNothing();
    else
        showQuestionAt(m_p);
}

void QuestionWindow::navigate(Step step)
{
    const int count = questionCount();
    m_p = stepped(m_p, count, step);
    applyButtonRule(m_p, count, Button1, Button2, Button3, Button4);
    ShowQuestion();
}

void QuestionWindow::Button1Click()
{
    navigate(Step::First);
}

void QuestionWindow::Button2Click()
{
    navigate(Step::Prior);
}

void QuestionWindow::Button3Click()
{
    navigate(Step::Next);
}

void QuestionWindow::Button4Click()
{
    navigate(Step::Last);
}

void QuestionWindow::Button5Click()
{
    hide();
}
