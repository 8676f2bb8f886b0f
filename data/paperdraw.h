#pragma once

#include "examrules.h"

#include <QString>
#include <QtGlobal>
#include <functional>

class Tado;
namespace data {
class Table;
}

namespace exam {

// Where the random generator takes a fresh seed from before every draw: the
// low 32 bits of a high-resolution counter. Tests inject a fixed sequence.
using SeedSource = std::function<quint32()>;
SeedSource counterSeed();

// The program's random generator: 32-bit linear congruential,
// seed <- seed * 134775813 + 1 (mod 2^32); a value in [0, m) is the upper 32
// bits of the 64-bit product of the new seed and m.
class Random {
public:
    explicit Random(quint32 seed = 0) : m_seed(seed) {}
    void setSeed(quint32 seed) { m_seed = seed; }
    quint32 seed() const { return m_seed; }
    quint32 next(quint32 range);

private:
    quint32 m_seed;
};

// Puts `count` random questions of one type and kind on the paper, appending
// them to note. The shared subject table is left filtered on that type and
// kind. A question already on the paper is drawn again up to ten more times.
// Throws AppError when the type holds no question of the kind.
void DrawQuestions(data::Table &subject, data::Table &note, int count, qint64 sortId, int kind,
                   const QString &sortName, const SeedSource &seeds);

// Replaces the paper in note (through the cursor, connection string set) with
// a new one of the chosen exam (Tado::exam()) for a vehicle class: every
// type's true/false questions in ascending sortId, then every type's
// one-answer questions, then (科目四) every type's multi-answer questions,
// each type giving its share of column "scale<classIndex>" split by kind as
// planPaper() says. One transaction: when the paper cannot be completed the
// old one stays.
void assemblePaper(Tado &ado, data::Table &note, int classIndex, const SeedSource &seeds);

// Replaces the paper in note with study set `set` of the chosen exam: every
// question of the set, true/false before one-answer before multi-answer,
// each kind in the order of the question numbers. The shared subject table
// is left filtered on the set and sorted by typeId.
void assembleStudySet(Tado &ado, data::Table &note, int set);

// The score of the paper a cursor on note holds: every row in the cursor's
// order, filter switched off; the cursor ends past its last row.
struct PaperScore {
    qint64 questions = 0;
    qint64 rightAnswers = 0;
    qint64 score = 0; // out of 100 on a paper of 50 or 100 questions
};
PaperScore scorePaper(data::Table &note);

} // namespace exam
