#include "form.h"

namespace {

// What a title bar and a resizable border take from a window's outer size.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 34;

} // namespace

Form::Form(QWidget *parent) : QWidget(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
}

void Form::FormKeyDown(int) {}

void Form::setupWindow(Frame frame, TitleButtons buttons, QSize clientSize, bool stayOnTop,
                       const QString &caption)
{
    Qt::WindowFlags flags = Qt::Window;
    if (frame == Frame::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (buttons != TitleButtons::None)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (buttons == TitleButtons::Standard)
            flags |= Qt::WindowMinMaxButtonsHint;
    }
    if (stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    if (frame == Frame::Sizeable)
        resize(clientSize);
    else
        setFixedSize(clientSize);
    setWindowTitle(caption);
}

void Form::setupWindowOuter(Frame frame, TitleButtons buttons, QSize outerSize, bool stayOnTop,
                            const QString &caption)
{
    setupWindow(frame, buttons, outerSize - QSize(kFrameWidth, kFrameHeight), stayOnTop, caption);
}
