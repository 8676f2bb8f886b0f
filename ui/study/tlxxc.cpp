#include "tlxxc.h"

using namespace Qt::StringLiterals;

Tlxxc::Tlxxc(QWidget *parent) : Form(parent)
{
    setObjectName(u"lxxc"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(798, 586), true);
}
