#pragma once

#include "form.h"
#include "roster.h"

// The browse selection: vehicle class and question type.
class Tlxxc : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::lxxc;
    explicit Tlxxc(QWidget *parent = nullptr);
    void FormCreate() {}
};
