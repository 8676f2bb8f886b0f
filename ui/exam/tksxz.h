#pragma once

#include "form.h"
#include "roster.h"

// The exam notice; confirming it draws the paper.
class Tksxz : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ksxz;
    explicit Tksxz(QWidget *parent = nullptr);
    void FormCreate() {}
};
