#pragma once

#include "questionbrowser.h"
#include "roster.h"

class QLabel;

// The browser of the most-missed questions: those whose errorTimes reaches
// that of the 200th most-missed question, most-missed first. The set is
// worked out afresh at every opening.
class Tycst : public QuestionBrowser {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ycst;
    // How many of the most-missed questions the set is meant to hold.
    static constexpr int kNominalSize = 200;

    explicit Tycst(QWidget *parent = nullptr);
    void FormCreate();

    QLabel *Label6; // the heading
};
