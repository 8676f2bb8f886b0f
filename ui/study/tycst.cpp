#include "tycst.h"

using namespace Qt::StringLiterals;

Tycst::Tycst(QWidget *parent) : Form(parent)
{
    setObjectName(u"ycst"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 585), true);
}
