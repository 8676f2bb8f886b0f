// Drawing a mock-exam paper, without windows: the program's assemblePaper
// beside the best plain SQLite that finds the same rows (the covering index,
// statements prepared once, one transaction).
//
//   bench_draw            the bundled bank, generated banks of 1,000, 10,000
//                         and 100,000 questions, and the real public bank
//                         when ../shared/data/realbank.json is there
//   bench_draw N [N ...]  generated banks of N questions only
#include "benchcore.h"
#include "connection.h"
#include "paperdraw.h"
#include "tado.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The floor: the paper drawn in plain SQL with the program's generator and
// seeds, every statement prepared once for the whole run.
class DirectDraw {
public:
    DirectDraw(QSqlDatabase db, int exam)
        : m_db(db), m_exam(exam), m_clear(db), m_types(db), m_held(db), m_group(db), m_onPaper(db), m_insert(db)
    {
        for (QSqlQuery *q : {&m_clear, &m_types, &m_held, &m_group, &m_onPaper, &m_insert})
            q->setForwardOnly(true);
        m_clear.prepare(u"DELETE FROM note"_s);
        m_types.prepare(u"SELECT sortId, scale0 FROM sort WHERE subject = ? ORDER BY sortId"_s);
        m_held.prepare(u"SELECT count(*) FROM (SELECT 1 FROM subject WHERE sortId = ? AND typeId = ? LIMIT ?)"_s);
        m_group.prepare(u"SELECT subid FROM subject WHERE sortId = ? AND typeId = ? ORDER BY subid"_s);
        m_onPaper.prepare(u"SELECT 1 FROM note WHERE subid = ? LIMIT 1"_s);
        m_insert.prepare(u"INSERT INTO note (subid) VALUES (?)"_s);
    }

    int draw(const exam::SeedSource &seeds)
    {
        m_db.transaction();
        m_clear.exec();
        std::vector<exam::TypeShare> types;
        m_types.bindValue(0, m_exam);
        m_types.exec();
        while (m_types.next())
            types.push_back({m_types.value(0).toLongLong(), m_types.value(1).toLongLong(), {}});
        m_types.finish();
        if (m_exam == exam::kSubject4) {
            for (exam::TypeShare &t : types) {
                for (int kind = 1; kind <= 3; ++kind) {
                    m_held.bindValue(0, t.sortId);
                    m_held.bindValue(1, kind);
                    m_held.bindValue(2, t.share);
                    m_held.exec();
                    m_held.next();
                    t.held[static_cast<size_t>(kind - 1)] = m_held.value(0).toLongLong();
                    m_held.finish();
                }
            }
        }
        const exam::PaperPlan plan = exam::planPaper(m_exam, types);
        int lines = 0;
        exam::Random random;
        std::vector<qint64> ids;
        for (int kind = exam::kTrueFalse; kind <= exam::kMultiAnswer; ++kind) {
            for (const exam::TypeLines &type : plan.types) {
                const qint64 sortId = type.sortId;
                const int count = static_cast<int>(type.count[static_cast<size_t>(kind - 1)]);
                if (count <= 0)
                    continue;
                m_group.bindValue(0, sortId);
                m_group.bindValue(1, kind);
                m_group.exec();
                ids.clear();
                while (m_group.next())
                    ids.push_back(m_group.value(0).toLongLong());
                m_group.finish();
                if (ids.empty())
                    continue;
                const auto n = static_cast<quint32>(ids.size());
                for (int line = 0; line < count; ++line) {
                    qint64 subid = 0;
                    for (int tries = 1;; ++tries) {
                        random.setSeed(seeds());
                        random.next(n);
                        subid = ids[random.next(n)];
                        m_onPaper.bindValue(0, subid);
                        m_onPaper.exec();
                        const bool found = m_onPaper.next();
                        m_onPaper.finish();
                        if (!found || tries > 10)
                            break;
                    }
                    m_insert.bindValue(0, subid);
                    m_insert.exec();
                    ++lines;
                }
            }
        }
        m_db.commit();
        return lines;
    }

private:
    QSqlDatabase m_db;
    int m_exam;
    QSqlQuery m_clear, m_types, m_held, m_group, m_onPaper, m_insert;
};

void run(const QString &, const bench::BankFolder &folder)
{
    Tado ado;
    ado.FormCreate(folder.path());
    data::Table note(u"note"_s);
    note.setConnectionString(data::connectionString());
    note.setSort(u"noteId"_s);
    const exam::SeedSource seeds = exam::counterSeed();

    // Each exam the bank holds: 科目一's paper of 100, 科目四's of 50.
    for (const int exam : ado.exams()) {
        ado.setExam(exam);
        const int size = exam == exam::kSubject4 ? 50 : 100;
        int lines = 0;
        double floor = 0;
        {
            DirectDraw direct(data::database(data::connectionString()), exam);
            floor = bench::medianMicros(31, [&] { lines = direct.draw(seeds); });
        }
        const double draw = bench::medianMicros(31, [&] { exam::assemblePaper(ado, note, 0, seeds); });
        bench::report(exam == exam::kSubject4 ? u"draw a 科目四 paper of 50 questions"_s
                                              : u"draw a paper of 100 questions"_s,
                      draw, floor);
        if (lines != size)
            bench::note(u"(the paper of this bank holds %1 questions)"_s.arg(lines));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return bench::forEachBank(argc, argv, run);
}
