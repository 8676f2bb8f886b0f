#pragma once

#include "form.h"
#include "roster.h"

// The exam window of a mock exam or a study set.
class Tmnks : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::mnks;
    explicit Tmnks(QWidget *parent = nullptr);
    void FormCreate() {}
};
