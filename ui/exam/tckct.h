#pragma once

#include "form.h"
#include "roster.h"

// The review of the questions answered wrongly.
class Tckct : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ckct;
    explicit Tckct(QWidget *parent = nullptr);
    void FormCreate() {}
};
