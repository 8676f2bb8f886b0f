#include "tmnks.h"

using namespace Qt::StringLiterals;

Tmnks::Tmnks(QWidget *parent) : Form(parent)
{
    setObjectName(u"mnks"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(792, 576), true);
    setKeyPreview(true);
}
