#include "tdtjq.h"

using namespace Qt::StringLiterals;

Tdtjq::Tdtjq() : HelpPage(u"dtjq"_s, u"html\\dtjq.html"_s, QRect(1, 1, 816, 559))
{
    setupWindowOuter(Frame::Sizeable, TitleButtons::CloseOnly, QSize(827, 594), false,
                     u"澄原市青岚驾校驾校驾驶员理论模拟考试系统答题技巧"_s);
}
