#pragma once

#include "questionwindow.h"
#include "roster.h"
#include "table.h"

class Picture;

// The review of an exam paper's wrong answers: one at a time, the questions
// the pupil answered wrongly or left unanswered, with the chosen option
// marked "×" and the correct one "√" in red. It only reads the question bank.
class Tckct : public QuestionWindow {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ckct;
    explicit Tckct(QWidget *parent = nullptr);
    void FormCreate();

    // How many rows the review holds.
    int questionCount() const override;

    Picture *Image1;
    Picture *Image2;

    // The paper's rows answered wrongly or not at all, in table order.
    data::Table ado_note{QStringLiteral("note")};

private:
    void showQuestionAt(int p) override;
};
