#include "tjtbz.h"

using namespace Qt::StringLiterals;

Tjtbz::Tjtbz() : HelpPage(u"jtbz"_s, u"html\\jiaojingshoushi.html"_s, QRect(1, 2, 816, 559))
{
    setupWindow(Frame::Single, TitleButtons::CloseOnly, QSize(821, 560), true, app::title());
}
