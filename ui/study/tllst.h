#pragma once

#include "questionbrowser.h"
#include "roster.h"

class QLabel;

// The question browser for one question type, opened from the browse
// selection, which holds the chosen type in its Tag.
class Tllst : public QuestionBrowser {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::llst;
    explicit Tllst(QWidget *parent = nullptr);
    void FormCreate();

    QLabel *noteinfo; // the heading: the chosen type
};
