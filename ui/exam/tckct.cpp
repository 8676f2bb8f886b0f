#include "tckct.h"

#include "connection.h"
#include "tado.h"
#include "widgets.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

using namespace Qt::StringLiterals;

Tckct::Tckct(QWidget *parent) : Form(parent), QuestionView(this, Layout{-11, 16})
{
    setObjectName(u"ckct"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 576), true);

    // The banner, stretched beneath, shows only as a strip at the left.
    Image1 = new Picture(this, u"Image1"_s, QRect(0, 0, 800, 89), Picture::Fit::Stretch);
    Image1->setPixmap(QPixmap(u":/assets/banner_header.png"_s));
    Image2 = new Picture(this, u"Image2"_s, QRect(2, 0, 793, 89), Picture::Fit::Centre);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2->setPixmap(QPixmap(u":/assets/banner_header.png"_s));
    Image2->lower();
    Image1->lower();

    const auto button = [this](const QString &name, const QString &caption, int x, int width) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 538, width, 25);
        return b;
    };
    Button1 = button(u"Button1"_s, u"第一题"_s, 96, 75);
    Button2 = button(u"Button2"_s, u"上一题"_s, 200, 75);
    Button3 = button(u"Button3"_s, u"下一题"_s, 304, 75);
    Button4 = button(u"Button4"_s, u"最末题"_s, 408, 75);
    Button5 = button(u"Button5"_s, u"返回主窗口"_s, 512, 81);

    onEvent(Button1, &QPushButton::clicked, this, &Tckct::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Tckct::Button2Click);
    onEvent(Button3, &QPushButton::clicked, this, &Tckct::Button3Click);
    onEvent(Button4, &QPushButton::clicked, this, &Tckct::Button4Click);
    onEvent(Button5, &QPushButton::clicked, this, &Tckct::Button5Click);
}

void Tckct::FormCreate()
{
    app::ado().subject.setFiltered(false);
    app::ado().options.setFiltered(false);

    ado_note.setConnectionString(data::connectionString());
    ado_note.open();
    ado_note.setFilter(u"isright=0"_s);
    ado_note.setFiltered(true);

    m_p = 1;
    // Every question answered correctly: nothing to review, nowhere to go.
    if (ado_note.recordCount() == 0) {
        for (QPushButton *b : {Button1, Button2, Button3, Button4})
            b->setEnabled(false);
    }
    ShowQuestion();
}

int Tckct::reviewedCount() const
{
    return ado_note.isOpen() ? ado_note.recordCount() : 0;
}

void Tckct::ShowQuestion()
{
    if (reviewedCount() == 0) {
        displayNothing();
        return;
    }
    ado_note.first();
    ado_note.moveBy(m_p - 1);
    const qint64 subid = ado_note.asInt(u"subid"_s);
    const qint64 chosen = ado_note.asInt(u"optionid"_s);

    data::Table &subject = app::ado().subject;
    subject.setFilter(u"subid=%1"_s.arg(subid));
    subject.setFiltered(true);
    subject.first();
    if (subject.eof() || subject.recordCount() == 0) {
        // The question has gone from the bank since the paper was drawn:
        // its number, and nothing that belongs to another question.
        displayNothing();
        note->setText(questionText(m_p, QString()));
        return;
    }
    displayQuestion(m_p, subject, app::ado().options, Marks{Lines::ByOptions, chosen});
}

void Tckct::navigate(Step step)
{
    const int count = reviewedCount();
    m_p = stepped(m_p, count, step);
    applyButtonRule(m_p, count, Button1, Button2, Button3, Button4);
    ShowQuestion();
}

void Tckct::Button1Click()
{
    navigate(Step::First);
}

void Tckct::Button2Click()
{
    navigate(Step::Prior);
}

void Tckct::Button3Click()
{
    navigate(Step::Next);
}

void Tckct::Button4Click()
{
    navigate(Step::Last);
}

void Tckct::Button5Click()
{
    hide();
}
