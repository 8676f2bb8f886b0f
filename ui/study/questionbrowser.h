#pragma once

#include "form.h"
#include "questionview.h"
#include "table.h"

class Picture;
class QPushButton;

// What the two question browsers share: the layout, the display of the
// question at position p and the five buttons. Each browser chooses its set
// of questions in its creation step, as a filter and sort order on a cursor
// of its own on subject, so that another window changing the shared subject
// table does not change what a browser shows.
class QuestionBrowser : public Form, public QuestionView {
    Q_OBJECT
public:
    // The position of the question shown, from 1.
    int position() const { return m_p; }
    // The browsed set: the browser's own cursor on subject.
    const data::Table &questions() const { return m_subject; }

    Picture *Image1;
    QPushButton *Button1; // 第一题
    QPushButton *Button2; // 上一题
    QPushButton *Button3; // 下一题
    QPushButton *Button4; // 最末题
    QPushButton *Button5; // 返回主窗口

protected:
    // `top` moves every control below the heading up or down.
    QuestionBrowser(QWidget *parent, int top);

    // Opens m_subject on the question bank, by its index subId, with the
    // filter and sort order set on it so far.
    void openQuestions();
    // Starts at the set's first question (an empty set shows nothing and
    // turns the four navigation buttons off).
    void showFirst();
    void ShowQuestion();

    data::Table m_subject{QStringLiteral("subject")};

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void navigate(Step step);

    int m_p = 1;
};
