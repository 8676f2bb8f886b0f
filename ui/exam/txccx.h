#pragma once

#include "form.h"
#include "roster.h"

// The vehicle-class choice of a mock exam.
class Txccx : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::xccx;
    explicit Txccx(QWidget *parent = nullptr);
    void FormCreate() {}
};
