#include "txtxx.h"

#include "connection.h"
#include "examopener.h"
#include "fonts.h"
#include "noticerules.h"
#include "paperdraw.h"
#include "tado.h"
#include "widgets.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

Txtxx::Txtxx(QWidget *parent) : Form(parent)
{
    setObjectName(u"xtxx"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(792, 576), false);
    setKeyPreview(true);

    Image1 = new Picture(this, u"Image1"_s, QRect(-8, 0, 800, 153), Picture::Fit::Stretch);
    Image1->setPicture(u":/assets/banner_notice.bmp"_s);
    const QColor silver(192, 192, 192);
    Shape1 = new Shape(this, u"Shape1"_s, QRect(0, 144, 793, 433), QColor(230, 230, 250), silver, 3);
    Shape2 = new Shape(this, u"Shape2"_s, QRect(320, 155, 2, 404), silver, silver);
    QLabel *ruleLabels[9];
    addExamRules(this, ruleLabels);
    std::copy(std::begin(ruleLabels), std::end(ruleLabels), rules.begin());

    Label10 = makeLabel(this, u"Label10"_s, u"小型车试题八套，学习C1的只需看会这八套试题即可"_s,
                        QRect(336, 168, 449, 16), fonts::sans(13, true), QColor(128, 0, 0));

    m_group = new QButtonGroup(this);
    const auto radio = [this](int number, const QString &text, const QRect &bounds) {
        auto *button = new QRadioButton(text, this);
        button->setObjectName(u"R%1"_s.arg(number));
        button->setGeometry(bounds);
        button->setFont(fonts::sans(13, true));
        m_group->addButton(button, number);
        m_sets[static_cast<size_t>(number - 1)] = button;
        return button;
    };
    const QString names[8] = {u"第一套"_s, u"第二套"_s, u"第三套"_s, u"第四套"_s,
                              u"第五套"_s, u"第六套"_s, u"第七套"_s, u"第八套"_s};
    const int lefts[4] = {352, 464, 568, 664};
    for (int i = 0; i < 8; ++i)
        radio(i + 1, names[i], QRect(lefts[i % 4], i < 4 ? 208 : 244, 81, 17));
    R1 = m_sets[0];
    R2 = m_sets[1];
    R3 = m_sets[2];
    R4 = m_sets[3];
    R5 = m_sets[4];
    R6 = m_sets[5];
    R7 = m_sets[6];
    R8 = m_sets[7];
    Label16 = makeLabel(this, u"Label16"_s, u"学习货车或者客车的学员在学习好以上八套的基础上再学会一下对应的车型即可"_s,
                        QRect(352, 288, 392, 40), fonts::sans(16, true), QColor(255, 0, 0), true);
    R9 = radio(9, u"货车专用试题"_s, QRect(360, 352, 137, 17));
    R10 = radio(10, u"客车专用试题"_s, QRect(584, 352, 161, 17));
    R1->setChecked(true);

    BitBtn1 = makeButton(this, u"BitBtn1"_s, u"确定"_s, QRect(440, 384, 81, 33));
    Button1 = makeButton(this, u"Button1"_s, u"返回主界面"_s, QRect(616, 384, 75, 33));
    Label15 = makeLabel(this, u"Label15"_s, u"点下每套试题前边的圈，点确定即可进入该套试题"_s,
                        QRect(344, 432, 409, 16), fonts::sans(13, true), QColor(0, 128, 0));
    Label13 = makeLabel(this, u"Label13"_s,
                        u"试题学习中对应车型的题库看会后，返回软件主界面，进行模拟考试，以检验学习的效果，每次都考95分以上，可以参加正式考试"_s,
                        QRect(320, 464, 440, 57), fonts::song(19, true), QColor(255, 0, 0), true);
    Label14 = makeLabel(this, u"Label14"_s,
                        u"关于课本和试题浏览里边的云泽省地方性法规的试题，正式考试所占比例很少，只要以上题目都看会了可以不看。另外地方性法规试题遇到不确定的试题选择处罚轻的选项。"_s,
                        QRect(16, 536, 750, 28), fonts::song(14, true), QColor(128, 128, 128), true);

    // "确定" first in tab order, then the sets, then the way back.
    QWidget::setTabOrder(BitBtn1, R1);
    QWidget *previous = R1;
    for (size_t i = 1; i < m_sets.size(); ++i) {
        QWidget::setTabOrder(previous, m_sets[i]);
        previous = m_sets[i];
    }
    QWidget::setTabOrder(previous, Button1);
    BitBtn1->setFocus();

    onEvent(BitBtn1, &QPushButton::clicked, this, &Txtxx::BitBtn1Click);
    onEvent(Button1, &QPushButton::clicked, this, &Txtxx::Button1Click);
}

void Txtxx::FormCreate()
{
    ADO_note.setConnectionString(data::connectionString());
    ADO_note.open();
    ADO_note.setSort(u"noteId"_s);
}

int Txtxx::chosenSet() const
{
    for (size_t i = 0; i < m_sets.size(); ++i) {
        if (m_sets[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 1;
}

void Txtxx::FormKeyDown(int key)
{
    if (key == app::vk::Enter)
        BitBtn1Click();
}

void Txtxx::BitBtn1Click()
{
    const int set = chosenSet();
    exam::assembleStudySet(app::ado(), ADO_note, set);
    hide();
    openExamWindow(u"试卷编号：第%1套"_s.arg(set), 1);
}

void Txtxx::Button1Click()
{
    hide();
}
