#pragma once

#include "questionwindow.h"
#include "table.h"

class Picture;

// What the two question browsers share: the banner, the display of the
// question at position p and the five buttons. Each browser chooses its set
// of questions in its creation step, as a filter and sort order on a cursor
// of its own on subject, so that another window changing the shared subject
// table does not change what a browser shows.
class QuestionBrowser : public QuestionWindow {
    Q_OBJECT
public:
    int questionCount() const override;
    // The browsed set: the browser's own cursor on subject.
    const data::Table &questions() const { return m_subject; }

    Picture *Image1;

protected:
    // `top` moves every control below the heading up or down.
    QuestionBrowser(QWidget *parent, int top);

    // Opens m_subject on the question bank, by its index subId, with the
    // filter and sort order set on it so far.
    void openQuestions();
    void showQuestionAt(int p) override;

    data::Table m_subject{QStringLiteral("subject")};
};
