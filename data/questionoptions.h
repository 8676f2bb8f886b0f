#pragma once

#include <QString>
#include <vector>

namespace data {

class Table;

// One option of a question as the windows show it.
struct QuestionOption {
    QString text; // optcontent
    qint64 optid = 0;
    qint64 iskey = 0; // 1 for a correct option

    bool correct() const { return iskey == 1; }
};

// A question shows at most four options, A to D (or "√" and "×").
constexpr int kShownOptions = 4;

// The options of question `subid` in the order the table delivers them, at
// most the four a question shows. `options` is filtered on the question
// ("subid=<n>") and stays so afterwards.
std::vector<QuestionOption> readQuestionOptions(Table &options, qint64 subid);

} // namespace data
