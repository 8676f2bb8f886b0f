#pragma once

#include "helppage.h"
#include "roster.h"

// Help page: the traffic police's hand signals.
class Tjtbz : public HelpPage {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::jtbz;
    explicit Tjtbz();
};
