#pragma once

#include "form.h"
#include "roster.h"
#include "table.h"

// The study-set choice: ten fixed sets worked in the exam window.
class Txtxx : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::xtxx;
    explicit Txtxx(QWidget *parent = nullptr);
    void FormCreate();

    data::Table ADO_note{QStringLiteral("note")};
};
