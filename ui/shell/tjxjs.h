#pragma once

#include "helppage.h"
#include "roster.h"

// Help page: the school's presentation.
class Tjxjs : public HelpPage {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::jxjs;
    explicit Tjxjs();
};
