#pragma once

#include "banksupport.h"

#include <QString>
#include <vector>

namespace testing {

// A question type for a test bank: its shares and how many questions of
// each kind it holds. Questions are numbered per type: sortId * 1000 + i,
// true/false first (correct answer "√" for even i), then multiple choice
// (correct option A, B, C, D in turn).
struct TypeSpec {
    qint64 sortId;
    std::array<qint64, 5> scale;
    int trueFalse;
    int choice;
    int multi = 0;   // multi-answer questions, correct A and C (then A, B and D alternately)
    int subject = 1; // 科目一 or 科目四
};

qbank::Bank bankOf(const std::vector<TypeSpec> &types);

// Seeds that cycle through a fixed list.
std::function<quint32()> cyclingSeeds(std::vector<quint32> seeds);

} // namespace testing
