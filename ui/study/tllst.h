#pragma once

#include "form.h"
#include "roster.h"

// The question browser for one question type.
class Tllst : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::llst;
    explicit Tllst(QWidget *parent = nullptr);
    void FormCreate() {}
};
