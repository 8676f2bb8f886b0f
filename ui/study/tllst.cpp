#include "tllst.h"

using namespace Qt::StringLiterals;

Tllst::Tllst(QWidget *parent) : Form(parent)
{
    setObjectName(u"llst"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 585), true);
}
