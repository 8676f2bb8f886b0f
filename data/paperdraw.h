#pragma once

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

// Kinds of question.
constexpr int kTrueFalse = 1;
constexpr int kMultipleChoice = 2;

// How many true/false questions a share of s gives: (4 * s) div 10; the rest
// of the share is multiple choice.
int trueFalseCount(qint64 share);

// Puts `count` random questions of one type and kind on the paper, appending
// them to note. The shared subject table is left filtered on that type and
// kind. A question already on the paper is drawn again up to ten more times.
// Throws AppError when the type holds no question of the kind.
void DrawQuestions(data::Table &subject, data::Table &note, int count, qint64 sortId, int kind,
                   const QString &sortName, const SeedSource &seeds);

// Replaces the paper in note (through the cursor, connection string set) with
// a new one for a vehicle class: every type's true/false questions in
// ascending sortId, then every type's multiple-choice questions, each type
// giving its share of column "scale<classIndex>". One transaction: when the
// paper cannot be completed the old one stays.
void assemblePaper(Tado &ado, data::Table &note, int classIndex, const SeedSource &seeds);

} // namespace exam
