// What a pupil waits for while browsing the question bank: the browse
// selection counting the questions of each type, the browser of one type and
// the error-prone browser opening, and one step to the next question. Each
// figure stands beside the same SQLite work done directly. The windows are
// shown and painted inside the measured step, as a pupil would see them.
//
//   bench_browse            the bundled bank, generated banks of 1,000, 10,000
//                           and 100,000 questions, and the real public bank
//                           when ../shared/data/realbank.json is there
//   bench_browse N [N ...]  generated banks of N questions only
#include "benchsupport.h"
#include "connection.h"
#include "roster.h"
#include "tado.h"
#include "tllst.h"
#include "tlxxc.h"
#include "tmain.h"
#include "tycst.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Reading one question in plain SQL: its row, then its options.
void showDirectly(QSqlDatabase &db, qint64 rowid)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(u"SELECT subid, subtitle, subpic, info, typeId FROM subject WHERE rowid = ?"_s);
    q.addBindValue(rowid);
    q.exec();
    q.next();
    const qint64 subid = q.value(0).toLongLong();
    q.prepare(u"SELECT optcontent, optid, iskey FROM options WHERE subid = ? ORDER BY rowid"_s);
    q.addBindValue(subid);
    q.exec();
    while (q.next()) {
    }
}

QList<qint64> rowids(QSqlQuery &q)
{
    QList<qint64> ids;
    while (q.next())
        ids << q.value(0).toLongLong();
    return ids;
}

// The browse selection in plain SQL: the types of class 0 and the number of
// questions of each.
int countTypesDirectly(QSqlDatabase &db)
{
    QSqlQuery types(db);
    types.exec(u"SELECT sortId, sortname, scale0 FROM sort ORDER BY sortId"_s);
    QSqlQuery count(db);
    count.prepare(u"SELECT COUNT(*) FROM subject WHERE sortId = ?"_s);
    int listed = 0;
    while (types.next()) {
        if (types.value(2).toLongLong() <= 0)
            continue;
        count.addBindValue(types.value(0));
        count.exec();
        count.next();
        ++listed;
    }
    return listed;
}

// Opening the set of one type in plain SQL: its size and its first question.
int openTypeDirectly(QSqlDatabase &db, qint64 sortId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(u"SELECT count(*) FROM subject WHERE sortId = ?"_s);
    q.addBindValue(sortId);
    q.exec();
    q.next();
    const int count = q.value(0).toInt();
    q.prepare(u"SELECT rowid FROM subject WHERE sortId = ? ORDER BY subid LIMIT 1"_s);
    q.addBindValue(sortId);
    q.exec();
    if (q.next())
        showDirectly(db, q.value(0).toLongLong());
    return count;
}

// The set of one type, every row id in order (to step through it).
QList<qint64> typeSetDirectly(QSqlDatabase &db, qint64 sortId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(u"SELECT rowid FROM subject WHERE sortId = ? ORDER BY subid"_s);
    q.addBindValue(sortId);
    q.exec();
    return rowids(q);
}

// The error-prone set in plain SQL: the 200th count, the questions reaching
// it, the first of them.
QList<qint64> openErrorProneDirectly(QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(u"SELECT errorTimes FROM subject ORDER BY errorTimes DESC "
           "LIMIT 1 OFFSET (SELECT MIN(199, COUNT(*) - 1) FROM subject)"_s);
    q.next();
    const qint64 threshold = q.value(0).toLongLong();
    q.finish();
    q.prepare(u"SELECT rowid FROM subject WHERE errorTimes >= ? ORDER BY errorTimes DESC, subid"_s);
    q.addBindValue(threshold);
    q.exec();
    const QList<qint64> ids = rowids(q);
    if (!ids.isEmpty())
        showDirectly(db, ids.first());
    return ids;
}

bool errorsEmpty(QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.exec(u"SELECT COUNT(*) FROM subject"_s);
    return !q.next() || q.value(0).toLongLong() == 0;
}

void shown(QWidget *window)
{
    app::showWindow(window);
    window->repaint();
}

// One step forward through a browser, back to the first question at the end.
void step(QuestionBrowser *browser)
{
    (browser->Button3->isEnabled() || browser->position() == 1 ? browser->Button3 : browser->Button1)
        ->click();
    browser->repaint();
}

void run(const QString &, const bench::BankFolder &folder)
{
    auto *ado = new Tado;
    app::roster().put(app::Slot::ado, ado);
    ado->FormCreate(folder.path());
    app::showWindow(app::build<Tmain>());
    QSqlDatabase db = data::database(data::connectionString());

    int types = 0;
    const double floorSelection = bench::medianMicros(15, [&] { types = countTypesDirectly(db); });
    const double selection = bench::medianMicros(15, [] { shown(app::build<Tlxxc>()); });
    bench::report(u"open the browse selection"_s, selection, floorSelection);
    bench::note(u"(%1 types counted)"_s.arg(types));

    // The browser of the type with the most questions.
    Tlxxc *lxxc = app::build<Tlxxc>();
    shown(lxxc);
    int largest = 0;
    int largestCount = -1;
    for (int i = 0; i < lxxc->rgp->count(); ++i) {
        const int count = lxxc->rgp->itemText(i).section(u'(', -1).section(u' ', 0, 0).toInt();
        if (count > largestCount) {
            largest = i;
            largestCount = count;
        }
    }
    lxxc->rgp->setItemIndex(largest);
    const qint64 sortId = lxxc->typeTable().at(static_cast<size_t>(largest));
    int typeSize = 0;
    const double floorType = bench::medianMicros(15, [&] { typeSize = openTypeDirectly(db, sortId); });
    const double type = bench::medianMicros(15, [&] {
        lxxc->Button1->click();
        app::roster().get<Tllst>()->repaint();
    });
    bench::report(u"open the browser of one type"_s, type, floorType);
    bench::note(u"(%1 questions, the largest type)"_s.arg(typeSize));
    const QList<qint64> typeSet = typeSetDirectly(db, sortId);

    if (typeSet.isEmpty() || errorsEmpty(db))
        return;
    Tllst *llst = app::roster().get<Tllst>();
    int n = 0;
    const double floorTypeStep = bench::medianMicros(200, [&] {
        n = (n + 1) % static_cast<int>(typeSet.size());
        showDirectly(db, typeSet[n]);
    });
    const double typeStep = bench::medianMicros(200, [&] { step(llst); });
    bench::report(u"  next question in the browser of one type"_s, typeStep, floorTypeStep);

    QList<qint64> errorSet;
    const double floorErrors = bench::medianMicros(15, [&] { errorSet = openErrorProneDirectly(db); });
    const double errors = bench::medianMicros(15, [] { shown(app::build<Tycst>()); });
    bench::report(u"open the error-prone browser"_s, errors, floorErrors);
    bench::note(u"(%1 questions)"_s.arg(errorSet.size()));

    Tycst *ycst = app::roster().get<Tycst>();
    n = 0;
    const double floorErrorStep = bench::medianMicros(200, [&] {
        n = (n + 1) % static_cast<int>(errorSet.size());
        showDirectly(db, errorSet[n]);
    });
    const double errorStep = bench::medianMicros(200, [&] { step(ycst); });
    bench::report(u"  next question in the error-prone browser"_s, errorStep, floorErrorStep);
}

} // namespace

int main(int argc, char **argv)
{
    // The browsers read both exams' questions alike: 科目一 banks only, so
    // that the growth table holds their figures.
    return bench::runOnBanks(argc, argv, run, {exam::kSubject1});
}
