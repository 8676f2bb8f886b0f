#include "tksqr.h"

using namespace Qt::StringLiterals;

Tksqr::Tksqr(QWidget *parent) : Form(parent)
{
    setObjectName(u"ksqr"_s);
    setupWindow(Frame::Single, TitleButtons::None, QSize(459, 402), true, app::title() + u"-交卷确认"_s);
    setKeyPreview(true);
}
