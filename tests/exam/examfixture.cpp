#include "examfixture.h"

using namespace Qt::StringLiterals;

namespace testing {

qbank::Bank bankOf(const std::vector<TypeSpec> &types)
{
    qbank::Bank bank;
    for (const TypeSpec &t : types) {
        bank.sorts.push_back(sortOf(t.sortId, t.scale));
        bank.sorts.back().subject = t.subject;
        for (int i = 0; i < t.trueFalse; ++i)
            bank.questions.push_back(trueFalse(t.sortId * 1000 + i, t.sortId, i % 8 + 1, i % 2 == 0));
        for (int i = 0; i < t.choice; ++i)
            bank.questions.push_back(choice(t.sortId * 1000 + 500 + i, t.sortId, i % 8 + 1, i % 4));
        for (int i = 0; i < t.multi; ++i)
            bank.questions.push_back(multiAnswer(t.sortId * 1000 + 800 + i, t.sortId, i % 8 + 1, i % 2 ? u"ABD"_s : u"AC"_s));
    }
    return bank;
}

std::function<quint32()> cyclingSeeds(std::vector<quint32> seeds)
{
    auto position = std::make_shared<size_t>(0);
    return [seeds = std::move(seeds), position] {
        const quint32 seed = seeds[*position % seeds.size()];
        ++*position;
        return seed;
    };
}

} // namespace testing
