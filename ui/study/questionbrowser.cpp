#include "questionbrowser.h"

#include "connection.h"
#include "roster.h"
#include "tado.h"
#include "widgets.h"

#include <QPixmap>
#include <QPushButton>

using namespace Qt::StringLiterals;

QuestionBrowser::QuestionBrowser(QWidget *parent, int top) : Form(parent), QuestionView(this, Layout{top, 14})
{
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 585), true);

    // The banner as it is, from the top left corner.
    Image1 = new Picture(this, u"Image1"_s, QRect(0, 0, 793, 89), Picture::Fit::Centre);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(u":/assets/banner_header.png"_s));
    Image1->lower();

    const auto button = [this, top](const QString &name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 544 + top, 80, 25);
        return b;
    };
    Button1 = button(u"Button1"_s, u"第一题"_s, 152);
    Button2 = button(u"Button2"_s, u"上一题"_s, 254);
    Button3 = button(u"Button3"_s, u"下一题"_s, 356);
    Button4 = button(u"Button4"_s, u"最末题"_s, 458);
    Button5 = button(u"Button5"_s, u"返回主窗口"_s, 560);

    onEvent(Button1, &QPushButton::clicked, this, &QuestionBrowser::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &QuestionBrowser::Button2Click);
    onEvent(Button3, &QPushButton::clicked, this, &QuestionBrowser::Button3Click);
    onEvent(Button4, &QPushButton::clicked, this, &QuestionBrowser::Button4Click);
    onEvent(Button5, &QPushButton::clicked, this, &QuestionBrowser::Button5Click);
}

void QuestionBrowser::openQuestions()
{
    m_subject.setConnectionString(data::connectionString());
    m_subject.setIndexName(u"subId"_s);
    m_subject.open();
}

void QuestionBrowser::showFirst()
{
    m_p = 1;
    if (m_subject.recordCount() == 0) {
        for (QPushButton *b : {Button1, Button2, Button3, Button4})
            b->setEnabled(false);
    }
    ShowQuestion();
}

void QuestionBrowser::ShowQuestion()
{
    // A set that could not be read (reported when the window was built)
    // shows nothing, as an empty one does.
    if (!m_subject.isOpen() || m_subject.recordCount() == 0) {
        displayNothing();
        return;
    }
    m_subject.first();
    m_subject.moveBy(m_p - 1);
    displayQuestion(m_p, m_subject, app::ado().options, Marks{});
}

void QuestionBrowser::navigate(Step step)
{
    const int count = m_subject.isOpen() ? m_subject.recordCount() : 0;
    m_p = stepped(m_p, count, step);
    applyButtonRule(m_p, count, Button1, Button2, Button3, Button4);
    ShowQuestion();
}

void QuestionBrowser::Button1Click()
{
    navigate(Step::First);
}

void QuestionBrowser::Button2Click()
{
    navigate(Step::Prior);
}

void QuestionBrowser::Button3Click()
{
    navigate(Step::Next);
}

void QuestionBrowser::Button4Click()
{
    navigate(Step::Last);
}

void QuestionBrowser::Button5Click()
{
    hide();
}
