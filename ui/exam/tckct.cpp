#include "tckct.h"

#include "connection.h"
#include "examrules.h"
#include "tado.h"
#include "widgets.h"

#include <QLabel>
#include <QPixmap>

using namespace Qt::StringLiterals;

Tckct::Tckct(QWidget *parent)
    : QuestionWindow(parent, Layout{-11, 16}, ButtonRow{538, {96, 200, 304, 408, 512}, {75, 75, 75, 75, 81}})
{
    setObjectName(u"ckct"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 576), true);

    // The banner, stretched beneath, shows only as a strip at the left.
    Image1 = new Picture(this, u"Image1"_s, QRect(0, 0, 800, 89), Picture::Fit::Stretch);
    Image1->setPicture(u":/assets/banner_header.png"_s);
    Image2 = new Picture(this, u"Image2"_s, QRect(2, 0, 793, 89), Picture::Fit::Centre);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2->setPicture(u":/assets/banner_header.png"_s);
    Image2->lower();
    Image1->lower();
}

void Tckct::FormCreate()
{
    app::ado().subject.setFiltered(false);
    app::ado().options.setFiltered(false);

    ado_note.setConnectionString(data::connectionString());
    ado_note.open();
    ado_note.setFilter(u"isright=0"_s);
    ado_note.setFiltered(true);

    // A paper answered right throughout gives an empty review.
    showFirst();
}

int Tckct::questionCount() const
{
    return ado_note.isOpen() ? ado_note.recordCount() : 0;
}

void Tckct::showQuestionAt(int p)
{
    ado_note.first();
    ado_note.moveBy(p - 1);
    const qint64 subid = ado_note.asInt(u"subid"_s);
    const qint64 chosen = ado_note.asInt(u"optionid"_s);
    const std::vector<qint64> chosenSeveral = exam::chosenOptions(ado_note.asText(u"optionids"_s));

    data::Table &subject = app::ado().subject;
    subject.setFilter(u"subid=%1"_s.arg(subid));
    subject.setFiltered(true);
    subject.first();
    if (subject.recordCount() == 0) {
        // The question has gone from the bank since the paper was drawn:
        // its number, and nothing that belongs to another question.
        displayNothing();
        note->setText(questionText(p, QString()));
        return;
    }
    // A multi-answer answer marks its wrong options; the one chosen option
    // of the other kinds is marked whatever it was.
    if (subject.asInt(u"typeId"_s) == exam::kMultiAnswer)
        displayQuestion(p, subject, app::ado().options, Marks{Lines::ByOptions, std::nullopt, chosenSeveral});
    else
        displayQuestion(p, subject, app::ado().options, Marks{Lines::ByOptions, chosen, {}});
}
