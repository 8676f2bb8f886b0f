#include "questionbrowser.h"

#include "connection.h"
#include "roster.h"
#include "tado.h"
#include "widgets.h"

#include <QPixmap>

using namespace Qt::StringLiterals;

QuestionBrowser::QuestionBrowser(QWidget *parent, int top)
    : QuestionWindow(parent, Layout{top, 14},
                     ButtonRow{544 + top, {152, 254, 356, 458, 560}, {80, 80, 80, 80, 80}})
{
    setupWindow(Frame::None, TitleButtons::None, QSize(795, 585), true);

    // The banner as it is, from the top left corner.
    Image1 = new Picture(this, u"Image1"_s, QRect(0, 0, 793, 89), Picture::Fit::Centre);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPicture(u":/assets/banner_header.png"_s);
    Image1->lower();
}

int QuestionBrowser::questionCount() const
{
    // A set that could not be read (reported when the window was built)
    // counts as empty.
    return m_subject.isOpen() ? m_subject.recordCount() : 0;
}

void QuestionBrowser::openQuestions()
{
    m_subject.setConnectionString(data::connectionString());
    m_subject.setIndexName(u"subId"_s);
    m_subject.open();
}

void QuestionBrowser::showQuestionAt(int p)
{
    m_subject.first();
    m_subject.moveBy(p - 1);
    displayQuestion(p, m_subject, app::ado().options, Marks{});
}
