#pragma once

#include "form.h"
#include "roster.h"

// The browser of the most-missed questions.
class Tycst : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ycst;
    explicit Tycst(QWidget *parent = nullptr);
    void FormCreate() {}
};
