#include "paperdraw.h"

#include "apperror.h"
#include "connection.h"
#include "dbmessages.h"
#include "filter.h"
#include "paper.h"
#include "tado.h"

#include <QSqlError>
#include <QSqlQuery>
#include <chrono>
#include <limits>

using namespace Qt::StringLiterals;

namespace exam {
namespace {

// More lines than a paper can ever be drawn with stand for "all it can".
constexpr qint64 kMaxLines = std::numeric_limits<int>::max();

// How many questions each type holds of each kind, counted up to the type's
// share: a plan is the same for any count from the share upwards, and
// counting stops there, however large the bank.
void countQuestionsByKind(const QString &connection, std::vector<TypeShare> &types)
{
    QSqlQuery query(data::database(connection));
    query.setForwardOnly(true);
    if (!query.prepare(u"SELECT count(*) FROM (SELECT 1 FROM subject WHERE sortId = ? AND typeId = ? LIMIT ?)"_s))
        throw AppError(u"表 subject："_s
                       + data::dbMessage(u"无法读取"_s, data::databaseFile(connection), query.lastError()));
    for (TypeShare &t : types) {
        for (int kind = kTrueFalse; kind <= kMultiAnswer; ++kind) {
            query.addBindValue(t.sortId);
            query.addBindValue(kind);
            query.addBindValue(t.share);
            if (!query.exec() || !query.next())
                throw AppError(u"表 subject："_s
                               + data::dbMessage(u"无法读取"_s, data::databaseFile(connection), query.lastError()));
            t.held[static_cast<size_t>(kind - 1)] = query.value(0).toLongLong();
            query.finish();
        }
    }
}

} // namespace

SeedSource counterSeed()
{
    return [] {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        return static_cast<quint32>(static_cast<quint64>(ticks) & 0xFFFFFFFFu);
    };
}

quint32 Random::next(quint32 range)
{
    m_seed = m_seed * 134775813u + 1u;
    return static_cast<quint32>((static_cast<quint64>(m_seed) * range) >> 32);
}

void DrawQuestions(data::Table &subject, data::Table &note, int count, qint64 sortId, int kind,
                   const QString &sortName, const SeedSource &seeds)
{
    subject.setFiltered(false);
    subject.setFilter(u"(sortid=%1) and (typeId=%2)"_s.arg(sortId).arg(kind));
    subject.setFiltered(true);
    subject.first();
    if (count <= 0)
        return;
    subject.readRows(); // every line moves through them by position
    const int n = subject.recordCount();
    if (n == 0) {
        throw AppError(u"题型 %1（%2）中没有%3，无法组成试卷（需要 %4 道）"_s.arg(sortId)
                           .arg(sortName, kind == kTrueFalse  ? u"判断题"_s
                                          : kind == kOneAnswer ? u"选择题"_s
                                                               : u"多选题"_s)
                           .arg(count));
    }
    Random random;
    for (int line = 0; line < count; ++line) {
        int tries = 0;
        qint64 q = 0;
        for (;;) {
            random.setSeed(seeds());
            subject.first();
            random.next(static_cast<quint32>(n)); // the first value after a reseed is discarded
            const quint32 p = random.next(static_cast<quint32>(n));
            subject.moveBy(static_cast<int>(p));
            q = subject.asInt(u"subid"_s);
            ++tries;
            if (note.locate(u"subId"_s, q) && tries <= 10)
                continue;
            break;
        }
        note.append();
        note.setValue(u"subid"_s, q);
    }
}

void assemblePaper(Tado &ado, data::Table &note, int classIndex, const SeedSource &seeds)
{
    ado.subject.setFiltered(false);
    ado.keepExamTypes();
    const int exam = ado.exam();
    const QString share = u"scale%1"_s.arg(classIndex);
    std::vector<TypeShare> shares;
    QStringList names;
    for (ado.sort.first(); !ado.sort.eof(); ado.sort.next()) {
        const qint64 s = ado.sort.asInt(share);
        if (s <= 0)
            continue;
        shares.push_back({ado.sort.asInt(u"sortId"_s), s, {}});
        names << ado.sort.asText(u"sortname"_s);
    }
    ado.sort.setFiltered(false);
    if (exam == kSubject4)
        countQuestionsByKind(ado.subject.connectionString(), shares);
    const PaperPlan plan = planPaper(exam, shares);
    const int kinds = exam == kSubject4 ? kMultiAnswer : kOneAnswer;
    data::writePaper(note, [&] {
        for (int kind = kTrueFalse; kind <= kinds; ++kind) {
            for (size_t t = 0; t < plan.types.size(); ++t) {
                const qint64 count = plan.types[t].count[static_cast<size_t>(kind - 1)];
                DrawQuestions(ado.subject, note, static_cast<int>(std::min<qint64>(count, kMaxLines)),
                              plan.types[t].sortId, kind, names.at(static_cast<qsizetype>(t)), seeds);
            }
        }
    });
}

void assembleStudySet(Tado &ado, data::Table &note, int set)
{
    ado.subject.setFiltered(false);
    ado.sort.setFiltered(false);
    data::writePaper(note, [&] {
        ado.subject.setFilter(data::andFilter(u"(stid=%1)"_s.arg(set), ado.examQuestions()));
        ado.subject.setFiltered(true);
        ado.subject.setSort(u"typeId"_s);
        for (ado.subject.first(); !ado.subject.eof(); ado.subject.next()) {
            const qint64 subid = ado.subject.asInt(u"subid"_s);
            note.append();
            note.setValue(u"subid"_s, subid);
        }
    });
}

PaperScore scorePaper(data::Table &note)
{
    note.setFiltered(false);
    PaperScore result;
    for (note.first(); !note.eof(); note.next()) {
        ++result.questions;
        // Right is 1; whatever else a row holds counts nothing.
        if (note.asInt(u"isright"_s) == 1)
            ++result.rightAnswers;
    }
    result.score = score(result.questions, result.rightAnswers);
    return result;
}

} // namespace exam
