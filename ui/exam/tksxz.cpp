#include "tksxz.h"

#include "connection.h"
#include "decipher.h"
#include "fonts.h"
#include "noticerules.h"
#include "tado.h"
#include "tmnks.h"
#include "txccx.h"
#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The heading of the notice, enciphered (44 bytes of GBK text).
const QString kHeading = u"890BC323A8098C10DB75AB53B27AF00A8C6AA43BDE04814BF20EA848A666994BFA28D555A67A8F128579DD5A"_s;

} // namespace

exam::SeedSource &Tksxz::seedSource()
{
    static exam::SeedSource source = exam::counterSeed();
    return source;
}

Tksxz::Tksxz(QWidget *parent) : Form(parent)
{
    setObjectName(u"ksxz"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(792, 576), true);
    setKeyPreview(true);

    Image1 = new Picture(this, u"Image1"_s, QRect(0, 0, 800, 153), Picture::Fit::Stretch);
    Image1->setPicture(u":/assets/banner_notice.bmp"_s);
    Shape1 = new Shape(this, u"Shape1"_s, QRect(0, 154, 785, 405), QColor(230, 230, 250), QColor(192, 192, 192), 3);
    Shape2 = new Shape(this, u"Shape2"_s, QRect(320, 155, 2, 404), QColor(192, 192, 192), QColor(192, 192, 192));

    QLabel *rules[9];
    addExamRules(this, rules);
    Label1 = rules[0];
    Label2 = rules[1];
    Label3 = rules[2];
    Label4 = rules[3];
    Label5 = rules[4];
    Label6 = rules[5];
    Label7 = rules[6];
    Label8 = rules[7];
    Label9 = rules[8];

    const QFont bold19 = fonts::song(19, true);
    const QColor red(255, 0, 0);
    Label10 = makeLabel(this, u"Label10"_s, u"Label10"_s, QPoint(344, 240), bold19,
                        palette().color(QPalette::WindowText));
    Label11 = makeLabel(this, u"Label11"_s, u"身份证号：123456789012345678"_s, QPoint(360, 280), bold19, red);
    Label12 = makeLabel(this, u"Label12"_s, u"考生姓名：青岚驾校"_s, QPoint(360, 312), bold19, red);
    Label13 = makeLabel(this, u"Label13"_s, u"点击确认键开始考试！"_s, QPoint(360, 416), bold19, red);
    Label14 = makeLabel(this, u"Label14"_s, u"键盘操作：按下Enter键开始考试"_s, QPoint(360, 456), bold19, red);

    BitBtn1 = makeButton(this, u"BitBtn1"_s, u"确定"_s, QRect(584, 360, 81, 33));
    BitBtn1->setFocus();

    onEvent(BitBtn1, &QPushButton::clicked, this, &Tksxz::BitBtn1Click);
}

void Tksxz::FormCreate()
{
    Label10->setText(decipher(kHeading));
    Label10->adjustSize();
    ADO_note.setConnectionString(data::connectionString());
    ADO_note.open();
    ADO_note.setSort(u"noteId"_s);
}

void Tksxz::FormKeyDown(int key)
{
    if (key == app::vk::Enter)
        BitBtn1Click();
}

void Tksxz::BitBtn1Click()
{
    auto *xccx = app::roster().get<Txccx>();
    if (!xccx)
        throw AppError(u"选择车型的窗口不存在"_s);
    const int classIndex = xccx->ComboBox1->currentIndex();
    try {
        exam::assemblePaper(app::ado(), ADO_note, classIndex, seedSource());
    } catch (...) {
        // The notice has no way back of its own: leave it for the main menu,
        // and the error box says why no exam starts.
        hide();
        throw;
    }
    hide();
    auto *mnks = app::build<Tmnks>();
    if (classIndex >= 0 && classIndex <= 2)
        mnks->lb_kscx->setText(Txccx::classLabel(classIndex));
    mnks->setTag(tag());
    app::showWindow(mnks);
}
