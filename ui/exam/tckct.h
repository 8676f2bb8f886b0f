#pragma once

#include "form.h"
#include "questionview.h"
#include "roster.h"
#include "table.h"

class Picture;
class QPushButton;

// The review of an exam paper's wrong answers: one at a time, the questions
// the pupil answered wrongly or left unanswered, with the chosen option
// marked "×" and the correct one "√" in red. It only reads the question bank.
class Tckct : public Form, public QuestionView {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ckct;
    explicit Tckct(QWidget *parent = nullptr);
    void FormCreate();

    // The position of the row shown among the reviewed rows, from 1.
    int position() const { return m_p; }
    // How many rows the review holds.
    int reviewedCount() const;

    Picture *Image1;
    Picture *Image2;
    QPushButton *Button1; // 第一题
    QPushButton *Button2; // 上一题
    QPushButton *Button3; // 下一题
    QPushButton *Button4; // 最末题
    QPushButton *Button5; // 返回主窗口

    // The paper's rows answered wrongly or not at all, in table order.
    data::Table ado_note{QStringLiteral("note")};

private:
    void ShowQuestion();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void navigate(Step step);

    int m_p = 1;
};
