#include "tksqr.h"

#include "dialogcolours.h"
#include "fonts.h"
#include "tmnks.h"
#include "txxts.h"
#include "widgets.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace dialogcolours;

Tksqr::Tksqr(QWidget *parent) : Form(parent)
{
    setObjectName(u"ksqr"_s);
    setupWindow(Frame::Single, TitleButtons::None, QSize(459, 402), true, app::title() + u"-交卷确认"_s);
    setKeyPreview(true);

    Shape1 = new Shape(this, u"Shape1"_s, QRect(0, -1, 460, 60), teal, Qt::white);
    Label2 = makeLabel(this, u"Label2"_s, u"考试确认窗口"_s, QRect(96, 8, 288, 48), fonts::song(48), QColor(255, 0, 0));
    Shape2 = new Shape(this, u"Shape2"_s, QRect(0, 60, 460, 40), green, Qt::white);
    Label1 = makeLabel(this, u"Label1"_s, u"操作提示："_s, QRect(8, 68, 145, 29), fonts::song(29));
    Shape3 = new Shape(this, u"Shape3"_s, QRect(0, 101, 460, 210), green, Qt::white);
    Label4 = makeLabel(this, u"Label4"_s, u"1：点击【确认交卷】，将提交考试成绩，结束考试！"_s, QRect(16, 112, 433, 57),
                       fonts::song(29), Qt::black, true);
    Label5 = makeLabel(this, u"Label5"_s, u"1：点击【继续考试】，将关闭本窗口，继续考试！"_s, QRect(16, 184, 421, 58),
                       fonts::song(29), Qt::black, true);
    Shape4 = new Shape(this, u"Shape4"_s, QRect(0, 313, 460, 90), purple, Qt::white);
    Button1 = dialogButton(this, u"Button1"_s, u"确认交卷"_s, QRect(104, 324, 100, 38));
    Button2 = dialogButton(this, u"Button2"_s, u"继续考试"_s, QRect(216, 324, 100, 38));
    Label3 = makeLabel(this, u"Label3"_s, u"键盘操作：小键盘0键确认交卷 小键盘Del键继续考试"_s, QRect(24, 372, 402, 16),
                       fonts::song(16, true), QColor(255, 0, 0));

    onEvent(Button1, &QPushButton::clicked, this, &Tksqr::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Tksqr::Button2Click);
}

void Tksqr::FormKeyDown(int key)
{
    if (key == app::vk::Numpad0)
        Button1Click();
    else if (key == app::vk::Decimal)
        Button2Click();
}

void Tksqr::Button1Click()
{
    hide();
    // An exam that has ended already (time out) opens no second result.
    auto *exam = app::roster().get<Tmnks>();
    if (!exam || exam->finished())
        return;
    app::showWindow(app::build<Txxts>());
}

void Tksqr::Button2Click()
{
    hide();
    if (auto *exam = app::roster().get<Tmnks>())
        app::showWindow(exam);
}
