#include "txxts.h"

#include "apperror.h"
#include "dialogcolours.h"
#include "fonts.h"
#include "paperdraw.h"
#include "tckct.h"
#include "tmnks.h"
#include "widgets.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace dialogcolours;

Txxts::Txxts(QWidget *parent) : Form(parent)
{
    setObjectName(u"xxts"_s);
    setupWindow(Frame::Sizeable, TitleButtons::None, QSize(458, 431), true, app::title() + u"-测试成绩"_s);
    setKeyPreview(true);

    const QFont bold21 = fonts::song(21, true);
    Shape1 = new Shape(this, u"Shape1"_s, QRect(-1, -1, 460, 60), teal, Qt::white);
    Label2 = makeLabel(this, u"Label2"_s, u"信 息 提 示"_s, QRect(87, 5, 271, 48), fonts::song(48, true),
                       QColor(255, 0, 0));
    Shape2 = new Shape(this, u"Shape2"_s, QRect(-1, 60, 460, 40), green, Qt::white);
    Label3 = makeLabel(this, u"Label3"_s, u"尊敬的青岚驾校学员您好："_s, QRect(8, 72, 264, 21), bold21);
    Shape3 = new Shape(this, u"Shape3"_s, QRect(-1, 101, 460, 210), green, Qt::white);
    lb_tsxx = makeLabel(this, u"lb_tsxx"_s, u"您的本次成绩为："_s, QPoint(55, 157), bold21);
    lbksfs = makeLabel(this, u"lbksfs"_s, QString(), QPoint(311, 157), bold21, QColor(255, 0, 0));
    lb_ksjg = makeLabel(this, u"lb_ksjg"_s, QString(), QPoint(63, 213), fonts::song(21), QColor(128, 0, 0));
    Shape4 = new Shape(this, u"Shape4"_s, QRect(-2, 312, 460, 40), QColor(255, 222, 173), Qt::white);
    Shape5 = new Shape(this, u"Shape5"_s, QRect(-1, 354, 460, 80), purple, Qt::white);
    Button1 = dialogButton(this, u"Button1"_s, u"关  闭"_s, QRect(114, 365, 100, 35));
    Button2 = dialogButton(this, u"Button2"_s, u"查看错题"_s, QRect(223, 365, 100, 35));
    Label1 = makeLabel(this, u"Label1"_s, u"键盘操作：按回车Enter键结束本次考试"_s, QRect(31, 402, 355, 19),
                       fonts::song(19, true), QColor(255, 0, 0));

    onEvent(Button1, &QPushButton::clicked, this, &Txxts::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Txxts::Button2Click);
}

void Txxts::FormCreate()
{
    auto *exam = app::roster().get<Tmnks>();
    if (!exam)
        throw AppError(u"没有可以计分的考试"_s);
    exam->finish();
    exam->hide();

    const qint64 score = exam::scorePaper(exam->ADO_Note).score;
    lb_ksjg->setText(exam::passes(score, exam->passMark()) ? u"恭喜您，考试合格！！"_s : u"考试不合格，还需要努力！！"_s);
    lb_tsxx->setText(exam->tag() == 2 ? u"您的本次模拟考试成绩为："_s : u"您的本次学习成绩为："_s);
    lbksfs->setText(QString::number(score));
    for (QLabel *label : {lb_ksjg, lb_tsxx, lbksfs})
        label->adjustSize();
}

void Txxts::FormKeyDown(int key)
{
    if (key == app::vk::Enter)
        Button1Click();
    else if (key == app::vk::Decimal)
        Button2Click();
}

void Txxts::endExam()
{
    app::roster().dispose(app::Slot::mnks);
    app::roster().dispose(app::Slot::ksxz);
    hide();
}

void Txxts::Button1Click()
{
    endExam();
}

void Txxts::Button2Click()
{
    endExam();
    app::showWindow(app::build<Tckct>());
}
