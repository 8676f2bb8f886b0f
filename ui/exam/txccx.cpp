#include "txccx.h"

#include "fonts.h"
#include "tksxz.h"
#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// A label at a position, sized to its text when the window is first shown.
// Measuring text needs the window's 宋体 faces, and start-up builds this
// window hidden: the faces are loaded when a pupil first opens it.
QLabel *labelAt(QWidget *parent, const QString &name, const QString &text, const QPoint &at, const QFont &font)
{
    QLabel *label = makeLabel(parent, name, text, QRect(at, QSize(0, 0)), font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter); // as a label sized to its text has it
    return label;
}

} // namespace

QString Txccx::classLabel(int classIndex)
{
    switch (classIndex) {
    case 0: return u"考试车型：C1"_s;
    case 1: return u"考试车型：A2"_s;
    case 2: return u"考试车型：A1"_s;
    default: return QString();
    }
}

Txccx::Txccx(QWidget *parent) : Form(parent)
{
    setObjectName(u"xccx"_s);
    setupWindowOuter(Frame::Sizeable, TitleButtons::CloseOnly, QSize(381, 284), true, u"选择车型"_s);
    setKeyPreview(true);

    Label1 = makeLabel(this, u"Label1"_s, u"请选择您所学的车型"_s, QRect(72, 24, 185, 25), fonts::song(19));
    Label2 = labelAt(this, u"Label2"_s, u"所有车型："_s, QPoint(24, 64), fonts::song(19));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(u"ComboBox1"_s);
    ComboBox1->setFont(fonts::song(14));
    ComboBox1->addItems({u"C1、C2、C3、C4"_s, u"A2、B2"_s, u"A1、A3、B1"_s, u"E1_摩托车"_s, u"F1_恢复性驾驶证"_s});
    ComboBox1->setCurrentIndex(0);
    ComboBox1->move(128, 64); // its height is the font's, set at the first show

    Button1 = makeButton(this, u"Button1"_s, u"确定"_s, QRect(88, 112, 80, 32));
    Button1->setFocusPolicy(Qt::ClickFocus);
    Button2 = makeButton(this, u"Button2"_s, u"取消"_s, QRect(192, 112, 80, 32));
    Button2->setFocusPolicy(Qt::ClickFocus);

    Label3 = labelAt(this, u"Label3"_s, u"小键盘+切换所学车型"_s, QPoint(48, 168), fonts::song(16, true));
    Label4 = labelAt(this, u"Label4"_s, u"小键盘Enter确定 小键盘 DEL 取消"_s, QPoint(48, 192),
                     fonts::song(16, true));
    ComboBox1->setFocus();

    onEvent(Button1, &QPushButton::clicked, this, &Txccx::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Txccx::Button2Click);
}

void Txccx::showEvent(QShowEvent *event)
{
    if (!m_sized) {
        m_sized = true;
        for (QLabel *label : {Label2, Label3, Label4})
            label->adjustSize();
        ComboBox1->setGeometry(128, 64, 161, ComboBox1->sizeHint().height());
    }
    Form::showEvent(event);
}

void Txccx::FormKeyDown(int key)
{
    if (key == app::vk::Add) {
        // Keypad + cycles the car classes C1, A2, A1; the motorcycle and
        // reinstatement entries are left as they are.
        const int index = ComboBox1->currentIndex();
        if (index >= 0 && index <= 2)
            ComboBox1->setCurrentIndex((index + 1) % 3);
    }
    if (key == app::vk::Enter)
        Button1Click();
    if (key == app::vk::Decimal)
        Button2Click();
}

void Txccx::Button1Click()
{
    hide();
    auto *notice = app::build<Tksxz>();
    notice->setTag(tag());
    app::showWindow(notice);
}

void Txccx::Button2Click()
{
    Button1->setFocus();
    hide();
}
