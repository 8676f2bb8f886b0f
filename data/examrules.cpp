#include "examrules.h"

#include "questionoptions.h"

#include <QStringList>

#include <algorithm>
#include <limits>
#include <numeric>

using namespace Qt::StringLiterals;

namespace exam {
namespace {

// Shares come from the bank and may be any 64-bit value: products and sums
// of them are taken in 128 bits.
__extension__ using Wide = __int128;

qint64 narrow(Wide value)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    return value > most ? most : value < 0 ? 0 : static_cast<qint64>(value);
}

// The 科目四 plan: see planPaper().
struct Apportioning {
    struct Type {
        qint64 share;
        std::array<qint64, kKinds> held;
        std::array<qint64, kKinds> count{};
        qint64 used() const { return count[0] + count[1] + count[2]; }
        qint64 left() const { return share - used(); }
        qint64 room(size_t k) const { return std::max<qint64>(0, std::min(held[k] - count[k], left())); }
    };
    std::vector<Type> types;
    std::array<qint64, kKinds> wanted{};
    Wide total = 0;

    qint64 given(size_t k) const
    {
        Wide sum = 0;
        for (const Type &t : types)
            sum += t.count[k];
        return narrow(sum);
    }

    // Shares the kind's number out among the types in proportion to their
    // shares: the whole parts, then one more to the largest remainders
    // (ties to the lower sortId), never beyond a type's room.
    void shareOut(size_t k)
    {
        const size_t n = types.size();
        std::vector<Wide> remainder(n, 0);
        Wide left = wanted[k];
        for (size_t t = 0; t < n; ++t) {
            const Wide exact = Wide(wanted[k]) * types[t].share;
            const qint64 whole = std::min(narrow(exact / total), types[t].room(k));
            types[t].count[k] += whole;
            remainder[t] = exact % total;
            left -= whole;
        }
        std::vector<size_t> order(n);
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return remainder[a] > remainder[b]; });
        for (const size_t t : order) {
            if (left <= 0)
                break;
            if (types[t].room(k) > 0) {
                ++types[t].count[k];
                --left;
            }
        }
    }

    // Where the rooms left a kind short, moves questions between the types
    // along the shortest chain that ends at a type with share left: type A
    // gives one more of the short kind and one fewer of another kind, which
    // type B gives instead, and so on (breadth first; kinds in the order
    // multi-answer, true/false, one-answer; types in ascending sortId).
    // Returns false when no chain is left.
    bool exchange()
    {
        const size_t n = types.size();
        // Nodes: kinds 0..2, then types. from[] holds the node a node was
        // reached from.
        const size_t nodes = kKinds + n;
        std::vector<long> from(nodes, -1);
        std::vector<size_t> queue;
        for (const size_t k : {size_t{2}, size_t{0}, size_t{1}}) {
            if (given(k) < wanted[k]) {
                from[k] = static_cast<long>(k);
                queue.push_back(k);
            }
        }
        for (size_t head = 0; head < queue.size(); ++head) {
            const size_t node = queue[head];
            if (node < kKinds) {
                for (size_t t = 0; t < n; ++t) {
                    const size_t to = kKinds + t;
                    if (from[to] < 0 && types[t].held[node] > types[t].count[node]) {
                        from[to] = static_cast<long>(node);
                        queue.push_back(to);
                    }
                }
                continue;
            }
            const size_t t = node - kKinds;
            if (types[t].left() > 0) {
                apply(node, from);
                return true;
            }
            for (const size_t k : {size_t{2}, size_t{0}, size_t{1}}) {
                if (from[k] < 0 && types[t].count[k] > 0) {
                    from[k] = static_cast<long>(node);
                    queue.push_back(k);
                }
            }
        }
        return false;
    }

    // Moves as many questions as the chain ending at `end` allows.
    void apply(size_t end, const std::vector<long> &from)
    {
        Wide most = types[end - kKinds].left();
        for (size_t node = end; from[node] != static_cast<long>(node);) {
            const size_t previous = static_cast<size_t>(from[node]);
            if (node >= kKinds) { // kind previous -> type node: one more of that kind
                const Type &t = types[node - kKinds];
                most = std::min<Wide>(most, t.held[previous] - t.count[previous]);
            } else if (previous >= kKinds) { // type previous -> kind node: one fewer
                most = std::min<Wide>(most, types[previous - kKinds].count[node]);
            }
            node = previous;
            if (from[node] == static_cast<long>(node)) // the short kind
                most = std::min<Wide>(most, wanted[node] - given(node));
        }
        const qint64 step = narrow(most);
        for (size_t node = end; from[node] != static_cast<long>(node);) {
            const size_t previous = static_cast<size_t>(from[node]);
            if (node >= kKinds)
                types[node - kKinds].count[previous] += step;
            else if (previous >= kKinds)
                types[previous - kKinds].count[node] -= step;
            node = previous;
        }
    }
};
} // namespace

QString examName(int exam)
{
    return exam == kSubject4 ? u"科目四"_s : u"科目一"_s;
}

bool isRight(int kind, const std::vector<data::QuestionOption> &options, const std::vector<qint64> &chosen)
{
    if (kind != kMultiAnswer) {
        if (chosen.size() != 1)
            return false;
        return std::any_of(options.begin(), options.end(), [&](const data::QuestionOption &o) {
            return o.optid == chosen.front() && o.correct();
        });
    }
    std::vector<qint64> correct;
    for (const data::QuestionOption &o : options) {
        if (o.correct())
            correct.push_back(o.optid);
    }
    std::vector<qint64> picked = chosen;
    std::sort(correct.begin(), correct.end());
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    return !correct.empty() && picked == correct;
}

std::vector<qint64> chosenOptions(const QString &stored)
{
    std::vector<qint64> chosen;
    for (const QString &id : stored.split(u',', Qt::SkipEmptyParts))
        chosen.push_back(id.trimmed().toLongLong());
    return chosen;
}

QString storedOptions(const std::vector<qint64> &chosen)
{
    QString stored = u""_s; // empty, never null: the column holds no null
    for (const qint64 id : chosen)
        stored += (stored.isEmpty() ? QString() : u","_s) + QString::number(id);
    return stored;
}

int pointsPerQuestion(qint64 questions)
{
    return questions == 50 ? 2 : 1;
}

qint64 score(qint64 questions, qint64 rightAnswers)
{
    return rightAnswers * pointsPerQuestion(questions);
}

bool passes(qint64 score, int passMark)
{
    return score >= passMark;
}

qint64 trueFalseCount(qint64 share)
{
    // (4 * s) div 10 without forming 4 * s.
    return share <= 0 ? 0 : 4 * (share / 10) + (4 * (share % 10)) / 10;
}

PaperPlan planPaper(int exam, const std::vector<TypeShare> &types)
{
    PaperPlan plan;
    Apportioning work;
    for (const TypeShare &t : types) {
        if (t.share <= 0)
            continue;
        plan.types.push_back({t.sortId, {}});
        work.types.push_back({t.share, t.held, {}});
        work.total += t.share;
    }
    if (exam != kSubject4) {
        for (size_t t = 0; t < plan.types.size(); ++t) {
            const qint64 share = work.types[t].share;
            const qint64 f = trueFalseCount(share);
            plan.types[t].count = {f, share - f, 0};
        }
    } else if (work.total > 0) {
        const qint64 total = narrow(work.total);
        const qint64 multi = total / 5;
        const qint64 trueFalse = (total - multi) / 2;
        plan.wanted = {trueFalse, total - multi - trueFalse, multi};
        work.wanted = plan.wanted;
        for (const size_t k : {size_t{2}, size_t{0}, size_t{1}})
            work.shareOut(k);
        while (work.exchange()) {
        }
        for (Apportioning::Type &type : work.types) {
            // A bank that cannot give the composition: the type's share from
            // its other questions (true/false, one-answer, multi-answer), and
            // last by repeating the kind it holds most of.
            for (const size_t k : {size_t{0}, size_t{1}, size_t{2}})
                type.count[k] += type.room(k);
            if (type.left() > 0) {
                const auto most = std::max_element(type.held.begin(), type.held.end());
                type.count[static_cast<size_t>(most - type.held.begin())] += type.left();
            }
        }
        for (size_t t = 0; t < plan.types.size(); ++t)
            plan.types[t].count = work.types[t].count;
    }
    Wide planned[kKinds] = {0, 0, 0};
    for (size_t t = 0; t < plan.types.size(); ++t) {
        for (size_t k = 0; k < kKinds; ++k) {
            planned[k] += plan.types[t].count[k];
            if (plan.types[t].count[k] > work.types[t].held[k])
                plan.repeats = true;
        }
    }
    for (size_t k = 0; k < kKinds; ++k)
        plan.planned[k] = narrow(planned[k]);
    if (exam != kSubject4)
        plan.wanted = plan.planned;
    return plan;
}

} // namespace exam
