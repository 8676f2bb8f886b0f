#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

namespace data {
struct QuestionOption;
}

// The rules of the theory exams, with no window and no table: which answer is
// right, the score and the pass, and how many questions of each kind a paper
// takes from each question type.
namespace exam {

// The kinds of question (subject.typeId).
constexpr int kTrueFalse = 1;   // 判断题: "√" or "×"
constexpr int kOneAnswer = 2;   // 选择题: one of A to D
constexpr int kMultiAnswer = 3; // 多选题: every correct one of A to D
constexpr int kKinds = 3;

// The exams (sort.subject).
constexpr int kSubject1 = 1; // 科目一: road-traffic law
constexpr int kSubject4 = 4; // 科目四: safe and considerate driving

// "科目一", "科目四".
QString examName(int exam);

// Whether an answer is right. `chosen` holds the optids the pupil chose (one
// for a true/false or one-answer question). Kinds 1 and 2: the one chosen
// option has iskey 1. Kind 3: the chosen options are exactly the options
// with iskey 1 (a subset or a superset is wrong, and so is nothing).
bool isRight(int kind, const std::vector<data::QuestionOption> &options, const std::vector<qint64> &chosen);

// A multi-answer answer as a paper row stores it in note.optionids: the
// chosen optids, comma-separated, in the order the options are shown.
std::vector<qint64> chosenOptions(const QString &stored);
QString storedOptions(const std::vector<qint64> &chosen);

// Every theory paper is marked out of 100: a paper of 50 questions counts 2
// points a question, one of 100 questions 1 point. A paper of any other size
// counts 1 point a question.
int pointsPerQuestion(qint64 questions);
qint64 score(qint64 questions, qint64 rightAnswers);
// A score equal to the pass mark passes.
bool passes(qint64 score, int passMark);

// One question type as the paper for a vehicle class sees it.
struct TypeShare {
    qint64 sortId = 0;
    qint64 share = 0;                // scale<k> of the class; 0 or less: not on this paper
    std::array<qint64, kKinds> held{}; // questions the type holds of kinds 1, 2, 3
};

// How many questions of each kind one type gives.
struct TypeLines {
    qint64 sortId = 0;
    std::array<qint64, kKinds> count{};
};

struct PaperPlan {
    std::vector<TypeLines> types;        // the types with a positive share, in the order given
    std::array<qint64, kKinds> wanted{};  // the paper's composition by kind
    std::array<qint64, kKinds> planned{}; // what the types give
    // Some type is asked for more questions of a kind than it holds: the
    // paper repeats a question there.
    bool repeats = false;
    // The paper has its composition, and no question twice.
    bool complete() const { return planned == wanted && !repeats; }
};

// How many true/false questions a 科目一 share of s gives: (4 * s) div 10;
// the rest of the share is one-answer questions.
qint64 trueFalseCount(qint64 share);

// The paper of one exam for one vehicle class, from its question types in
// ascending sortId.
//
// 科目一: each type gives its share, (4 × share) div 10 of it true/false and
// the rest one-answer questions.
//
// 科目四: the paper holds S questions, S the sum of the shares (50): S div 5
// multi-answer, half of the rest true/false and the others one-answer (10,
// 20 and 20). Each kind's number is shared out among the types in proportion
// to their shares, multi-answer, then true/false, then one-answer (largest
// remainders, ties to the lower sortId), never more than a type holds of the
// kind nor more than is left of its share. Where that leaves a kind short,
// questions move between the types along the shortest chain of exchanges
// that ends at a type with share left, for as long as there is one; so a
// bank that can give the composition without repeats gets it. A type that
// still has share left then gives more of its other kinds (true/false,
// one-answer, multi-answer) as far as it holds them, and last repeats
// questions of the kind it holds most of.
PaperPlan planPaper(int exam, const std::vector<TypeShare> &types);

} // namespace exam
