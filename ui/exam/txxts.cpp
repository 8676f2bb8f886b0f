#include "txxts.h"

using namespace Qt::StringLiterals;

Txxts::Txxts(QWidget *parent) : Form(parent)
{
    setObjectName(u"xxts"_s);
    setupWindow(Frame::Sizeable, TitleButtons::None, QSize(458, 431), true, app::title() + u"-测试成绩"_s);
    setKeyPreview(true);
}
