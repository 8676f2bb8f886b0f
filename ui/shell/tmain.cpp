#include "tmain.h"

#include "decipher.h"
#include "examrules.h"
#include "fonts.h"
#include "tado.h"
#include "tlxxc.h"
#include "txccx.h"
#include "tycst.h"
#include "widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The banner line, enciphered (110 bytes of GBK text).
const QString kBannerText = u"8173C423A8609833890BC323A8098C10DB75AB53B27AF72DF07EC33FA234892BFE66D36C"
                            "DD658124F570DA3D42F9FA58F93EDF46AD06E84A0AFD20BF4FEF7DC802E526BC51ED6B"
                            "45E213A02DD808EC489407A0B65A638ED04DB260A013B0259756A479A308A1659542A4"
                            "7AFE0EBC"_s;

// The title-bar gradient colour of an active window, which the bottom bar
// and the menu area's outline are drawn in.
const QColor kActiveCaptionGradient(61, 149, 255);

} // namespace

const QString Tmain::kSchoolSite = u"http://www.qinglan-jx.example/"_s;

Tmain::Tmain(QWidget *parent) : Form(parent)
{
    setObjectName(u"main"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(786, 576), false);
    setWindowTitle(app::title()); // the task bar entry; the window has no title bar
    setKeyPreview(true);

    Shape1 = new Shape(this, u"Shape1"_s, QRect(0, 80, 795, 496),
                       QApplication::palette().color(QPalette::Highlight), kActiveCaptionGradient);
    Image1 = new Picture(this, u"Image1"_s, QRect(-8, -8, 817, 89), Picture::Fit::Stretch);
    Image1->setPicture(u":/assets/banner_main.png"_s, Picture::Decode::InBackground);
    Image2 = new Picture(this, u"Image2"_s, QRect(0, 88, 577, 470), Picture::Fit::Stretch);
    Image2->setPicture(u":/assets/school.jpg"_s, Picture::Decode::InBackground);

    const auto menu = [this](const QString &name, int top, const QString &picture) {
        auto *image = new Picture(this, name, QRect(576, top, 220, 46), Picture::Fit::Stretch);
        image->setPicture(u":/assets/"_s + picture, Picture::Decode::InBackground);
        image->setCursor(Qt::PointingHandCursor);
        return image;
    };
    Image9 = menu(u"Image9"_s, 94, u"menu_study.png"_s);
    Image8 = menu(u"Image8"_s, 151, u"menu_exam.png"_s);
    Image7 = menu(u"Image7"_s, 208, u"menu_errors.png"_s);
    Image6 = menu(u"Image6"_s, 266, u"menu_browse.png"_s);
    Image10 = menu(u"Image10"_s, 323, u"menu_tips.png"_s);
    Image4 = menu(u"Image4"_s, 381, u"menu_signs.png"_s);
    Image5 = menu(u"Image5"_s, 438, u"menu_school.png"_s);
    Image3 = menu(u"Image3"_s, 496, u"menu_exit.png"_s);

    Shape2 = new Shape(this, u"Shape2"_s, QRect(0, 550, 793, 27), kActiveCaptionGradient,
                       kActiveCaptionGradient);
    Label1 = new ClickLabel(this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setGeometry(21, 557, 788, 13);
    Label1->setFont(fonts::sans(11, true));
    setTextColour(Label1, Qt::white);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setText(u"澄原市青岚驾校"_s);

    // The choice of exam: a small white panel in the sky of the photograph.
    pn_km = new QWidget(this);
    pn_km->setObjectName(u"pn_km"_s);
    pn_km->setGeometry(10, 98, 176, 54);
    pn_km->setAttribute(Qt::WA_StyledBackground);
    pn_km->setStyleSheet(u"QWidget#pn_km { background: rgba(255, 255, 255, 225); border: 1px solid #3d95ff;"
                         " border-radius: 4px; }"
                         "QPushButton { background: white; color: #1c4f9c; border: 1px solid #3d95ff;"
                         " border-radius: 3px; }"
                         "QPushButton:checked { background: #1c5fc4; color: white; }"
                         "QPushButton:disabled { color: #a8b4c8; border-color: #c8d2e0; }"_s);
    const QFont choice = fonts::song(15, true);
    bt_km1 = makeButton(pn_km, u"bt_km1"_s, exam::examName(exam::kSubject1), QRect(6, 5, 78, 26), choice,
                        Qt::NoFocus);
    bt_km4 = makeButton(pn_km, u"bt_km4"_s, exam::examName(exam::kSubject4), QRect(92, 5, 78, 26), choice,
                        Qt::NoFocus);
    for (QPushButton *button : {bt_km1, bt_km4}) {
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    lb_km = makeLabel(pn_km, u"lb_km"_s, u"小键盘+切换科目"_s, QRect(6, 34, 164, 16), fonts::song(12, true),
                      QColor(192, 0, 0));
    lb_km->setAlignment(Qt::AlignCenter);
    pn_km->hide();

    onEvent(Image9, &Picture::clicked, this, &Tmain::Image9Click);
    onEvent(Image8, &Picture::clicked, this, &Tmain::Image8Click);
    onEvent(Image7, &Picture::clicked, this, &Tmain::Image7Click);
    onEvent(Image6, &Picture::clicked, this, &Tmain::Image6Click);
    onEvent(Image10, &Picture::clicked, this, &Tmain::Image10Click);
    onEvent(Image4, &Picture::clicked, this, &Tmain::Image4Click);
    onEvent(Image5, &Picture::clicked, this, &Tmain::Image5Click);
    onEvent(Image3, &Picture::clicked, this, &Tmain::Image3Click);
    onEvent(Label1, &ClickLabel::clicked, this, &Tmain::Label1Click);
    onEvent(bt_km1, &QPushButton::clicked, this, &Tmain::bt_km1Click);
    onEvent(bt_km4, &QPushButton::clicked, this, &Tmain::bt_km4Click);
}

void Tmain::FormCreate()
{
    Label1->setText(decipher(kBannerText));
}

void Tmain::FormKeyDown(int key)
{
    if (key == app::vk::Multiply)
        Image8Click();
    else if (key == app::vk::Add)
        switchExam();
}

void Tmain::showExamChoice()
{
    const auto *ado = qobject_cast<Tado *>(app::roster().object(app::Slot::ado));
    const bool shown = ado && ado->holds(exam::kSubject4);
    pn_km->setVisible(shown);
    if (!shown)
        return;
    bt_km1->setEnabled(ado->holds(exam::kSubject1));
    bt_km1->setChecked(ado->exam() == exam::kSubject1);
    bt_km4->setChecked(ado->exam() == exam::kSubject4);
}

void Tmain::chooseExam(int exam)
{
    app::ado().setExam(exam);
    showExamChoice();
}

void Tmain::bt_km1Click()
{
    chooseExam(exam::kSubject1);
}

void Tmain::bt_km4Click()
{
    chooseExam(exam::kSubject4);
}

void Tmain::switchExam()
{
    Tado &ado = app::ado();
    if (!ado.severalExams()) {
        const int only = ado.exams().front();
        const int other = only == exam::kSubject4 ? exam::kSubject1 : exam::kSubject4;
        app::messages().notice(u"题库中没有%1的试题，只能练习%2。"_s.arg(exam::examName(other), exam::examName(only)));
        return;
    }
    chooseExam(ado.exam() == exam::kSubject4 ? exam::kSubject1 : exam::kSubject4);
}

void Tmain::Image9Click()
{
    setTag(1);
    app::showSlot(app::Slot::xtxx);
}

void Tmain::Image8Click()
{
    setTag(2);
    if (auto *xccx = app::roster().get<Txccx>())
        xccx->setTag(2);
    app::showSlot(app::Slot::xccx);
}

void Tmain::Image7Click()
{
    app::showWindow(app::build<Tycst>());
}

void Tmain::Image6Click()
{
    app::showWindow(app::build<Tlxxc>());
}

void Tmain::Image10Click()
{
    app::showSlot(app::Slot::dtjq);
}

void Tmain::Image4Click()
{
    app::showSlot(app::Slot::jtbz);
}

void Tmain::Image5Click()
{
    app::showSlot(app::Slot::jxjs);
}

void Tmain::Image3Click()
{
    if (app::messages().confirm(u"你确定要退出本程序吗?"_s, u"提示"_s))
        close();
}

void Tmain::Label1Click()
{
    // Whether a browser opens is the desktop's business; nothing is reported.
    QDesktopServices::openUrl(QUrl(kSchoolSite));
}

void Tmain::closeEvent(QCloseEvent *event)
{
    // Closing the main menu ends the program.
    event->accept();
    app::quitProgram();
}
