#include "tckct.h"

using namespace Qt::StringLiterals;

Tckct::Tckct(QWidget *parent) : Form(parent)
{
    setObjectName(u"ckct"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 576), true);
}
