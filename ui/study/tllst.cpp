#include "tllst.h"

#include "fonts.h"
#include "tlxxc.h"
#include "widgets.h"

#include <QLabel>

using namespace Qt::StringLiterals;

Tllst::Tllst(QWidget *parent) : QuestionBrowser(parent, 0)
{
    setObjectName(u"llst"_s);
    noteinfo = makeLabel(this, u"noteinfo"_s, u"浏览试题"_s, QPoint(24, 64), fonts::song(14, true));
    noteinfo->setAutoFillBackground(true); // on the window's white, over the banner
}

void Tllst::FormCreate()
{
    auto *selection = app::roster().get<Tlxxc>();
    if (!selection)
        throw AppError(u"题库浏览：没有打开浏览选择窗口"_s);
    noteinfo->setText(u"试题类型："_s + selection->rgp->itemText(selection->rgp->itemIndex()));
    noteinfo->adjustSize();

    m_subject.setFilter(u"sortId=%1"_s.arg(selection->tag()));
    m_subject.setFiltered(true);
    // Every row has the same sortId: the rows keep the order of subId.
    m_subject.setSort(u"sortId"_s);
    openQuestions();
    showFirst();
}
