#include "txccx.h"

using namespace Qt::StringLiterals;

Txccx::Txccx(QWidget *parent) : Form(parent)
{
    setObjectName(u"xccx"_s);
    setupWindowOuter(Frame::Sizeable, TitleButtons::CloseOnly, QSize(381, 284), true, u"选择车型"_s);
    setKeyPreview(true);
}
