#include "tksxz.h"

using namespace Qt::StringLiterals;

Tksxz::Tksxz(QWidget *parent) : Form(parent)
{
    setObjectName(u"ksxz"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(792, 576), true);
    setKeyPreview(true);
}
