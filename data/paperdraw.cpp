#include "paperdraw.h"

#include "apperror.h"
#include "paper.h"
#include "tado.h"

#include <chrono>

using namespace Qt::StringLiterals;

namespace exam {

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

int trueFalseCount(qint64 share)
{
    return static_cast<int>((4 * share) / 10);
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
                           .arg(sortName, kind == kTrueFalse ? u"判断题"_s : u"选择题"_s)
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
    ado.sort.setFiltered(false);
    const QString share = u"scale%1"_s.arg(classIndex);
    data::writePaper(note, [&] {
        for (const int kind : {kTrueFalse, kMultipleChoice}) {
            for (ado.sort.first(); !ado.sort.eof(); ado.sort.next()) {
                const qint64 s = ado.sort.asInt(share);
                if (s <= 0)
                    continue;
                const int f = trueFalseCount(s);
                const int count = kind == kTrueFalse ? f : static_cast<int>(s) - f;
                DrawQuestions(ado.subject, note, count, ado.sort.asInt(u"sortId"_s), kind,
                              ado.sort.asText(u"sortname"_s), seeds);
            }
        }
    });
}

} // namespace exam
