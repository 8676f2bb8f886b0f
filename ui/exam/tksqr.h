#pragma once

#include "form.h"
#include "roster.h"

// The hand-in confirmation.
class Tksqr : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ksqr;
    explicit Tksqr(QWidget *parent = nullptr);
    void FormCreate() {}
};
