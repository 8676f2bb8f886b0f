#pragma once

#include "helppage.h"
#include "roster.h"

// Help page: answering tips for the theory exam.
class Tdtjq : public HelpPage {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::dtjq;
    explicit Tdtjq();
};
