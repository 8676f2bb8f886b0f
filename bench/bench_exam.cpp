// What a pupil waits for in a mock exam once the paper is drawn (bench_draw
// times the draw): opening the exam window on the fresh paper, showing a
// question and storing an answer. Each figure stands beside the same SQLite
// work done directly (for the window, also an empty window of its size).
//
//   bench_exam            the bundled bank, generated banks of 1,000, 10,000
//                         and 100,000 questions, and the real public bank
//                         when ../shared/data/realbank.json is there
//   bench_exam N [N ...]  generated banks of N questions only
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
void storeDirectly(QSqlDatabase &db, int n, int option)
{
    QSqlQuery q(db);
    q.prepare(u"UPDATE note SET optionid = ?, isright = ? WHERE noteId = "
              "(SELECT noteId FROM note ORDER BY noteId LIMIT 1 OFFSET ?)"_s);
    q.addBindValue(option);
    q.addBindValue(option == 1 ? 1 : 0);
    q.addBindValue(n - 1);
    q.exec();
}

// Choosing an option of a multi-answer question in plain SQL: the chosen set,
// its first option and whether it is right, in one row of note.
void chooseDirectly(QSqlDatabase &db, int n, bool chosen)
{
    QSqlQuery q(db);
    q.prepare(u"UPDATE note SET optionids = ?, optionid = ?, isright = 0 WHERE noteId = "
              "(SELECT noteId FROM note ORDER BY noteId LIMIT 1 OFFSET ?)"_s);
    q.addBindValue(chosen ? u"1"_s : u""_s);
    q.addBindValue(chosen ? 1 : 0);
    q.addBindValue(n - 1);
    q.exec();
}

void runExam(Tado *ado);

void run(const QString &, const bench::BankFolder &folder)
{
    auto *ado = new Tado;
    app::roster().put(app::Slot::ado, ado);
    ado->FormCreate(folder.path());
    app::build<Tmain>()->setTag(2);
    // Each exam the bank holds, 科目四's figures named so.
    for (const int exam : ado->exams()) {
        ado->setExam(exam);
        runExam(ado);
        app::roster().dispose(app::Slot::mnks);
    }
}

void runExam(Tado *ado)
{
    const QString of = ado->exam() == exam::kSubject4 ? u" (科目四)"_s : QString();
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.setSort(u"noteId"_s);
    const exam::SeedSource seeds = exam::counterSeed();
    QSqlDatabase db = data::database(data::connectionString());
    const auto drawPaper = [&] { exam::assemblePaper(*ado, note, 0, seeds); };

    // The first opening after a draw: what a pupil waits for after "确定".
    const double floorOpen = bench::medianMicros(15, drawPaper, [&] {
        QWidget window;
        window.resize(792, 576);
        QSqlQuery q(db);
        q.exec(u"SELECT count(*) FROM note"_s);
        q.next();
        showDirectly(db, 1);
    });
    const double open = bench::medianMicros(15, drawPaper, [] { app::build<Tmnks>(); });
    bench::report(u"open the exam window (build, read the paper, question 1)"_s + of, open, floorOpen);

    drawPaper();
    Tmnks *exam = app::build<Tmnks>();
    const int lines = exam->questionCount();
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
    bench::report(u"show the next question"_s + of, show, floorShow);

    n = 1;
    const double floorStore = bench::medianMicros(60, [&] {
        n = n % lines + 1;
        storeDirectly(db, n, n % 2 + 1);
        showDirectly(db, n % lines + 1);
    });
    // Every answer changes its row (the first and second options in turn), so
    // that every one is written: an answer given again unchanged writes nothing.
    bool second = false;
    const double store = bench::medianMicros(60, [&] {
        if (exam->currentQuestion() == exam->questionCount())
            exam->bt_Prior->click();
        second = !second;
        (second ? exam->opt2 : exam->opt1)->click();
    });
    bench::report(u"store an answer and show the next question"_s + of, store, floorStore);

    if (ado->exam() != exam::kSubject4 || lines < 50)
        return;
    // 科目四's last ten questions are multi-answer: option A chosen and given
    // up in turn, each change stored.
    bool chosen = false;
    const double floorChoose = bench::medianMicros(60, [&] {
        chosen = !chosen;
        chooseDirectly(db, 41, chosen);
    });
    exam->FormKeyDown(app::vk::Numpad8); // question 41
    const double choose = bench::medianMicros(60, [&] { exam->opt1->click(); });
    bench::report(u"choose or give up an option of a multi-answer question"_s, choose, floorChoose);
}

} // namespace

int main(int argc, char **argv)
{
    return bench::runOnBanks(argc, argv, run);
}
