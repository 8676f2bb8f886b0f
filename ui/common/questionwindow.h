#pragma once

#include "form.h"
#include "questionview.h"

#include <array>

class QPushButton;

// A window that shows a set of questions one at a time: the question display
// and the buttons "第一题", "上一题", "下一题", "最末题" and "返回主窗口". The
// question browsers and the review of wrong answers differ only in the set,
// in how a question is marked and in where the controls stand.
class QuestionWindow : public Form, public QuestionView {
    Q_OBJECT
public:
    // The position of the question shown, from 1.
    int position() const { return m_p; }
    // How many questions the set holds (0 when it could not be read).
    virtual int questionCount() const = 0;

    QPushButton *Button1; // 第一题
    QPushButton *Button2; // 上一题
    QPushButton *Button3; // 下一题
    QPushButton *Button4; // 最末题
    QPushButton *Button5; // 返回主窗口

protected:
    // Where the five buttons stand: one row at height 25.
    struct ButtonRow {
        int y;
        std::array<int, 5> x;
        std::array<int, 5> width;
    };

    QuestionWindow(QWidget *parent, const Layout &layout, const ButtonRow &buttons);

    // Shows the question at position p of a set that holds at least one.
    virtual void showQuestionAt(int p) = 0;
    // Starts at the set's first question. An empty set shows nothing and
    // turns the four navigation buttons off; the rule for them is not
    // applied otherwise, so a new window has every button on.
    void showFirst();
    void ShowQuestion();

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void navigate(Step step);

    int m_p = 1;
};
