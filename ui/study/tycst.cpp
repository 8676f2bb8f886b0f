#include "tycst.h"

#include "connection.h"
#include "filter.h"
#include "fonts.h"
#include "ranking.h"
#include "tado.h"
#include "widgets.h"

#include <QLabel>

using namespace Qt::StringLiterals;

Tycst::Tycst(QWidget *parent) : QuestionBrowser(parent, -8)
{
    setObjectName(u"ycst"_s);
    Label6 = makeLabel(this, u"Label6"_s, u"易错试题(200题)"_s, QPoint(32, 64), fonts::song(16, true));
    QPalette p = Label6->palette();
    p.setColor(QPalette::Window, menuBarColour());
    Label6->setPalette(p);
    Label6->setAutoFillBackground(true);
}

void Tycst::FormCreate()
{
    // The threshold is the errorTimes of the 200th most-missed question (of
    // the last one in a smaller bank), among the questions of the exam the
    // pupil works on.
    const Tado &ado = app::ado();
    const auto threshold = data::errorTimesAtRank(data::connectionString(), kNominalSize, ado.examSortIds());
    const QString filter =
        data::andFilter(threshold ? u"errorTimes>=%1"_s.arg(*threshold) : QString(), ado.examQuestions());
    if (!filter.isEmpty()) {
        m_subject.setFilter(filter);
        m_subject.setFiltered(true);
    }

    // Every question reaching it, ties included, most-missed first.
    m_subject.setSort(u"errorTimes DESC"_s);
    openQuestions();
    showFirst();
}
