#include "bankstats.h"

#include "bankcheck.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

struct Kinds {
    qint64 trueFalse = 0;
    qint64 choice = 0;
    qint64 other = 0;

    void count(qint64 typeId)
    {
        if (typeId == 1)
            ++trueFalse;
        else if (typeId == 2)
            ++choice;
        else
            ++other;
    }
    qint64 all() const { return trueFalse + choice + other; }
};

QString row(const QStringList &cells)
{
    return u"| "_s + cells.join(u" | "_s) + u" |\n"_s;
}

QString num(qint64 n)
{
    return QString::number(n);
}

QString studySetName(qint64 stid)
{
    static const char16_t *const names[] = {u"第一套",       u"第二套",      u"第三套", u"第四套",
                                            u"第五套",       u"第六套",      u"第七套", u"第八套",
                                            u"货车专用试题", u"客车专用试题"};
    if (stid >= 1 && stid <= 10)
        return QString::fromUtf16(names[stid - 1]);
    return u"(no study set)"_s;
}

// "|" would end a table cell.
QString cell(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'|', u"\\|"_s);
    return escaped;
}

bool hasPicture(const Question &q)
{
    return q.subpic != u"NULL"_s && !q.subpic.trimmed().isEmpty();
}

bool hasExplanation(const Question &q)
{
    return q.info && *q.info != u"NULL"_s && !q.info->trimmed().isEmpty();
}

// What a bank holds, counted as it is read.
class Tally : public BankUser {
public:
    void sort(const Sort &s) override { m_sorts.push_back(s); }

    void question(const Question &q, const RawQuestion &) override { add(q); }

    void add(const Question &q)
    {
        ++m_questions;
        perType[q.sortId].count(q.typeId);
        perSet[q.stid].count(q.typeId);
        all.count(q.typeId);
        ++kindCount[q.typeId];
        if (hasPicture(q)) {
            ++withPicture;
            ++perKind[q.typeId].first;
            if (!pictureFiles.contains(q.subpic)) {
                pictureFiles.insert(q.subpic);
                ++pictureTypes[QFileInfo(q.subpic).suffix().toLower()];
            }
        }
        if (hasExplanation(q)) {
            ++withExplanation;
            ++perKind[q.typeId].second;
        }
        errors.push_back(q.errorTimes);
    }

    QString text(const QString &title);

private:
    std::vector<Sort> m_sorts;
    size_t m_questions = 0;
    std::map<qint64, Kinds> perType;
    std::map<qint64, Kinds> perSet;
    std::map<qint64, std::pair<qint64, qint64>> perKind; // typeId -> (with picture, with explanation)
    std::map<qint64, qint64> kindCount;
    Kinds all;
    QSet<QString> pictureFiles;
    std::map<QString, qint64> pictureTypes;
    qint64 withPicture = 0;
    qint64 withExplanation = 0;
    std::vector<qint64> errors;
};

QString Tally::text(const QString &title)
{
    QString out = u"### %1\n\n"_s.arg(title);
    out +=
        u"%1 questions in %2 question types: %3 true/false, %4 multiple choice"_s.arg(m_questions)
            .arg(m_sorts.size())
            .arg(all.trueFalse)
            .arg(all.choice);
    if (all.other > 0)
        out += u", %1 of another kind"_s.arg(all.other);
    out += u".\n\n"_s;

    // Question types, in sortId order as the program walks them.
    std::vector<const Sort *> sorts;
    for (const Sort &s : m_sorts)
        sorts.push_back(&s);
    std::stable_sort(sorts.begin(), sorts.end(),
                     [](const Sort *a, const Sort *b) { return a->sortId < b->sortId; });
    QSet<qint64> listed;

    out += u"Questions per question type:\n\n"_s;
    out += row({u"sortId"_s, u"question type"_s, u"true/false"_s, u"multiple choice"_s, u"all"_s});
    out += u"|---:|---|---:|---:|---:|\n"_s;
    for (const Sort *s : sorts) {
        const Kinds k = perType.count(s->sortId) ? perType[s->sortId] : Kinds{};
        listed.insert(s->sortId);
        out += row({num(s->sortId), cell(s->sortname), num(k.trueFalse), num(k.choice), num(k.all())});
    }
    for (const auto &[sortId, k] : perType) {
        if (!listed.contains(sortId))
            out += row({num(sortId), u"(not in sort)"_s, num(k.trueFalse), num(k.choice), num(k.all())});
    }
    out += row({QString(), u"all"_s, num(all.trueFalse), num(all.choice), num(all.all())});
    out += u"\n"_s;

    out += u"Questions per kind:\n\n"_s;
    out += row({u"typeId"_s, u"kind"_s, u"questions"_s, u"with a picture"_s, u"with an explanation"_s});
    out += u"|---:|---|---:|---:|---:|\n"_s;
    for (const auto &[typeId, n] : kindCount) {
        const QString kind = typeId == 1   ? u"true/false (判断题)"_s
                             : typeId == 2 ? u"multiple choice (选择题)"_s
                                           : u"(unknown)"_s;
        out += row({num(typeId), kind, num(n), num(perKind[typeId].first), num(perKind[typeId].second)});
    }
    out += row({QString(), u"all"_s, num(all.all()), num(withPicture), num(withExplanation)});
    out += u"\n"_s;

    out += u"Questions per study set:\n\n"_s;
    out += row({u"stid"_s, u"study set"_s, u"true/false"_s, u"multiple choice"_s, u"all"_s});
    out += u"|---:|---|---:|---:|---:|\n"_s;
    for (qint64 stid = 1; stid <= 10; ++stid) {
        const Kinds k = perSet.count(stid) ? perSet[stid] : Kinds{};
        out += row({num(stid), studySetName(stid), num(k.trueFalse), num(k.choice), num(k.all())});
    }
    for (const auto &[stid, k] : perSet) {
        if (stid < 1 || stid > 10)
            out += row({num(stid), studySetName(stid), num(k.trueFalse), num(k.choice), num(k.all())});
    }
    out += u"\n"_s;

    // A class draws from the types with a positive share in its column.
    out +=
        u"Questions per vehicle class (in the question types with a share for the class) and the paper size:\n\n"_s;
    out += row({u"class"_s, u"vehicle class"_s, u"question types"_s, u"questions"_s, u"paper: true/false"_s,
                u"paper: multiple choice"_s, u"paper size"_s});
    out += u"|---:|---|---:|---:|---:|---:|---:|\n"_s;
    for (int k = 0; k < kVehicleClasses; ++k) {
        qint64 types = 0;
        qint64 questions = 0;
        qint64 f = 0;
        qint64 m = 0;
        QSet<qint64> counted;
        for (const Sort *s : sorts) {
            const qint64 share = s->scale[static_cast<size_t>(k)];
            if (share <= 0)
                continue;
            ++types;
            if (!counted.contains(s->sortId)) {
                counted.insert(s->sortId);
                questions += perType.count(s->sortId) ? perType[s->sortId].all() : 0;
            }
            f += (4 * share) / 10;
            m += share - (4 * share) / 10;
        }
        out += row({num(k), vehicleClassName(k), num(types), num(questions), num(f), num(m), num(f + m)});
    }
    out += u"\n"_s;

    out +=
        u"Paper make-up: each type's share per vehicle class, as share = true/false + multiple choice:\n\n"_s;
    QStringList head = {u"sortId"_s, u"question type"_s};
    QString align = u"|---:|---|"_s;
    for (int k = 0; k < kVehicleClasses; ++k) {
        head << vehicleClassName(k);
        align += u"---:|"_s;
    }
    out += row(head) + align + u"\n"_s;
    for (const Sort *s : sorts) {
        QStringList cells = {num(s->sortId), cell(s->sortname)};
        for (const qint64 share : s->scale) {
            const qint64 f = (4 * share) / 10;
            cells << (share > 0 ? u"%1 = %2 + %3"_s.arg(share).arg(f).arg(share - f) : u"–"_s);
        }
        out += row(cells);
    }
    out += u"\n"_s;

    out += u"- Pictures: %1 questions name a picture, %2 different files"_s.arg(withPicture)
               .arg(pictureFiles.size());
    if (!pictureTypes.empty()) {
        QStringList types;
        for (const auto &[suffix, n] : pictureTypes)
            types << u"%1 .%2"_s.arg(n).arg(suffix.isEmpty() ? u"(none)"_s : suffix);
        out += u" (%1)"_s.arg(types.join(u", "_s));
    }
    out += u".\n"_s;
    out +=
        u"- Explanations: %1 of %2 questions have one.\n"_s.arg(withExplanation).arg(m_questions);
    if (!errors.empty()) {
        std::sort(errors.begin(), errors.end(), std::greater<>());
        out += u"- Error counts (errorTimes): %1 to %2"_s.arg(errors.back()).arg(errors.front());
        if (errors.size() >= 200) {
            const qint64 threshold = errors[199];
            const auto atLeast =
                std::count_if(errors.begin(), errors.end(), [&](qint64 e) { return e >= threshold; });
            out +=
                u"; the 200th highest is %1, and %2 questions have at least that many"_s.arg(threshold).arg(
                    atLeast);
        } else {
            out += u"; fewer than 200 questions"_s;
        }
        out += u".\n"_s;
    }
    return out;
}

} // namespace

QString statsText(const Bank &bank, const QString &title)
{
    Tally tally;
    for (const Sort &sort : bank.sorts)
        tally.sort(sort);
    for (const Question &question : bank.questions)
        tally.add(question);
    return tally.text(title);
}

QString statsText(const BankSource &source, const QString &title)
{
    Tally tally;
    CheckOptions options;
    options.upTo = Finding::Level::Value;
    const CheckReport report = readBank(source, options, &tally);
    if (report.count > 0)
        report.refuse(u"无法统计"_s);
    return tally.text(title);
}

} // namespace qbank
