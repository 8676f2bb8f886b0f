#include "tjxjs.h"

using namespace Qt::StringLiterals;

Tjxjs::Tjxjs() : HelpPage(u"jxjs"_s, u"html\\zhanshi.html"_s, QRect(0, 0, 825, 545))
{
    setupWindowOuter(Frame::Sizeable, TitleButtons::Standard, QSize(837, 590), true, app::title());
}
