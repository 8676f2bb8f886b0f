#pragma once

#include "form.h"
#include "roster.h"

// The result of an exam.
class Txxts : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::xxts;
    explicit Txxts(QWidget *parent = nullptr);
    void FormCreate() {}
};
