// What a pupil waits for in a mock exam: drawing the paper, opening the exam
// window, showing a question and storing an answer. Each figure stands beside
// the same SQLite work done directly (or, for the window, an empty window).
//
//   bench_exam            the bundled bank, generated banks of 1,000, 10,000
//                         and 100,000 questions, and the real public bank
//                         when ../shared/data/realbank.json is there
//   bench_exam N [N ...]  generated banks of N questions only
#include "bank.h"
#include "benchsupport.h"
#include "connection.h"
#include "paperdraw.h"
#include "roster.h"
#include "tado.h"
#include "tmain.h"
#include "tmnks.h"

#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The paper drawing in plain SQL: per type and kind the questions of that
// type and kind, one picked at random per line, checked against the paper,
// inserted; one transaction.
int drawDirectly(QSqlDatabase &db, exam::Random &random)
{
    db.transaction();
    QSqlQuery q(db);
    q.exec(u"DELETE FROM note"_s);
    QList<std::array<qint64, 2>> types; // sortId, share
    q.exec(u"SELECT sortId, scale0 FROM sort ORDER BY sortId"_s);
    while (q.next())
        types.append({q.value(0).toLongLong(), q.value(1).toLongLong()});
    QSqlQuery rows(db);
    rows.prepare(u"SELECT subid FROM subject WHERE sortId = ? AND typeId = ? ORDER BY subid"_s);
    QSqlQuery onPaper(db);
    onPaper.prepare(u"SELECT 1 FROM note WHERE subid = ? LIMIT 1"_s);
    QSqlQuery insert(db);
    insert.prepare(u"INSERT INTO note (subid) VALUES (?)"_s);
    int lines = 0;
    for (const int kind : {1, 2}) {
        for (const auto &[sortId, share] : types) {
            if (share <= 0)
                continue;
            const int f = exam::trueFalseCount(share);
            const int count = kind == 1 ? f : static_cast<int>(share) - f;
            rows.addBindValue(sortId);
            rows.addBindValue(kind);
            rows.exec();
            QList<qint64> ids;
            while (rows.next())
                ids << rows.value(0).toLongLong();
            if (ids.isEmpty())
                continue;
            for (int line = 0; line < count; ++line) {
                qint64 subid = 0;
                for (int tries = 1;; ++tries) {
                    random.next(static_cast<quint32>(ids.size()));
                    subid = ids[random.next(static_cast<quint32>(ids.size()))];
                    onPaper.addBindValue(subid);
                    onPaper.exec();
                    const bool found = onPaper.next();
                    onPaper.finish();
                    if (!found || tries > 10)
                        break;
                }
                insert.addBindValue(subid);
                insert.exec();
                ++lines;
            }
        }
    }
    db.commit();
    return lines;
}

// Showing question n in plain SQL: its paper row, its question, its options.
void showDirectly(QSqlDatabase &db, int n)
{
    QSqlQuery q(db);
    q.prepare(u"SELECT subid FROM note ORDER BY noteId LIMIT 1 OFFSET ?"_s);
    q.addBindValue(n - 1);
    q.exec();
    q.next();
    const qint64 subid = q.value(0).toLongLong();
    q.prepare(u"SELECT subtitle, subpic, typeId FROM subject WHERE subid = ?"_s);
    q.addBindValue(subid);
    q.exec();
    q.next();
    q.prepare(u"SELECT optcontent, optid, iskey FROM options WHERE subid = ? ORDER BY rowid"_s);
    q.addBindValue(subid);
    q.exec();
    while (q.next()) {
    }
}

// Storing an answer in plain SQL: one row of note updated and committed.
void storeDirectly(QSqlDatabase &db, int n)
{
    QSqlQuery q(db);
    q.prepare(u"UPDATE note SET optionid = 1, isright = 1 WHERE noteId = "
              "(SELECT noteId FROM note ORDER BY noteId LIMIT 1 OFFSET ?)"_s);
    q.addBindValue(n - 1);
    q.exec();
}

void run(const QString &label, bench::BenchFolder &folder)
{
    std::printf("\n== %s\n", label.toUtf8().constData());
    auto *ado = new Tado;
    app::roster().put(app::Slot::ado, ado);
    ado->FormCreate(folder.path());
    app::build<Tmain>()->setTag(2);

    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.setSort(u"noteId"_s);
    const exam::SeedSource seeds = exam::counterSeed();
    QSqlDatabase db = data::database(data::connectionString());

    exam::Random random(1);
    int lines = 0;
    const double floorDraw = bench::medianMicros(15, [&] { lines = drawDirectly(db, random); });
    const double draw = bench::medianMicros(15, [&] { exam::assemblePaper(*ado, note, 0, seeds); });
    bench::report(u"draw a paper of %1 questions"_s.arg(lines), draw, floorDraw);

    const double floorOpen = bench::medianMicros(15, [] {
        QWidget window;
        window.resize(792, 576);
    });
    const double open = bench::medianMicros(15, [] { app::build<Tmnks>(); });
    bench::report(u"open the exam window (build, read the paper, question 1)"_s, open, floorOpen);

    Tmnks *exam = app::build<Tmnks>();
    int n = 1;
    const double floorShow = bench::medianMicros(200, [&] {
        n = n % lines + 1;
        showDirectly(db, n);
    });
    bool forward = true;
    const double show = bench::medianMicros(200, [&] {
        if (!exam->bt_next->isEnabled())
            forward = false;
        if (!exam->bt_Prior->isEnabled())
            forward = true;
        (forward ? exam->bt_next : exam->bt_Prior)->click();
    });
    bench::report(u"show the next question"_s, show, floorShow);

    n = 1;
    const double floorStore = bench::medianMicros(60, [&] {
        n = n % lines + 1;
        storeDirectly(db, n);
        showDirectly(db, n % lines + 1);
    });
    const double store = bench::medianMicros(60, [&] {
        if (exam->currentQuestion() == exam->questionCount())
            exam->bt_Prior->click();
        exam->opt1->click();
    });
    bench::report(u"store an answer and show the next question"_s, store, floorStore);
    app::roster().clear();
}

} // namespace

int main(int argc, char **argv)
{
    return bench::runOnBanks(argc, argv, run);
}
