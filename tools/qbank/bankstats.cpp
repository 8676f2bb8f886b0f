#include "bankstats.h"

#include "bankcheck.h"
#include "examrules.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <limits>
#include <map>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

__extension__ using Wide = __int128; // sums of shares, whatever they are

struct Kinds {
    qint64 trueFalse = 0;
    qint64 choice = 0;
    qint64 multi = 0;
    qint64 other = 0;

    void count(qint64 typeId)
    {
        if (typeId == exam::kTrueFalse)
            ++trueFalse;
        else if (typeId == exam::kOneAnswer)
            ++choice;
        else if (typeId == exam::kMultiAnswer)
            ++multi;
        else
            ++other;
    }
    qint64 all() const { return trueFalse + choice + multi + other; }
    std::array<qint64, exam::kKinds> held() const { return {trueFalse, choice, multi}; }
};

QString row(const QStringList &cells)
{
    return u"| "_s + cells.join(u" | "_s) + u" |\n"_s;
}

QString num(qint64 n)
{
    return QString::number(n);
}

QString num(Wide n)
{
    if (n >= std::numeric_limits<qint64>::min() && n <= std::numeric_limits<qint64>::max())
        return QString::number(static_cast<qint64>(n));
    QString digits;
    for (Wide rest = n < 0 ? -n : n; rest > 0; rest /= 10)
        digits.prepend(QChar(u'0' + static_cast<int>(rest % 10)));
    return n < 0 ? u"-"_s + digits : digits;
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
        perType[q.sortId].count(q.typeId);
        perSet[q.stid].count(q.typeId);
        all.count(q.typeId);
        ++kindCount[q.typeId];
        if (namesPicture(q.subpic)) {
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
        errors[q.sortId].push_back(q.errorTimes);
    }

    QString text(const QString &title);

private:
    std::vector<Sort> m_sorts;
    std::map<qint64, Kinds> perType;
    std::map<qint64, Kinds> perSet;
    std::map<qint64, std::pair<qint64, qint64>> perKind; // typeId -> (with picture, with explanation)
    std::map<qint64, qint64> kindCount;
    Kinds all;
    QSet<QString> pictureFiles;
    std::map<QString, qint64> pictureTypes;
    qint64 withPicture = 0;
    qint64 withExplanation = 0;
    std::map<qint64, std::vector<qint64>> errors; // per sortId
};

// The paper of one exam for one vehicle class, as its types' shares and
// the questions they hold make it up.
struct ClassPaper {
    qint64 types = 0;
    qint64 questions = 0;
    Wide size = 0;
    std::array<Wide, exam::kKinds> kinds{};
    std::map<qint64, std::array<qint64, exam::kKinds>> perType; // sortId -> its questions on the paper
};

QString Tally::text(const QString &title)
{
    // Question types, in sortId order as the program walks them.
    std::vector<const Sort *> sorts;
    for (const Sort &s : m_sorts)
        sorts.push_back(&s);
    std::stable_sort(sorts.begin(), sorts.end(),
                     [](const Sort *a, const Sort *b) { return a->sortId < b->sortId; });
    // A bank of 科目一 alone is shown as it always was; with 科目四 the
    // tables gain its exam and the multi-answer questions.
    const bool examFour = all.multi > 0 || std::any_of(sorts.begin(), sorts.end(), [](const Sort *s) {
                              return s->subject == exam::kSubject4;
                          });
    const auto kindCells = [&](const Kinds &k) {
        QStringList cells = {num(k.trueFalse), num(k.choice)};
        if (examFour)
            cells << num(k.multi);
        return cells << num(k.all());
    };
    const QStringList kindHead = examFour ? QStringList{u"true/false"_s, u"multiple choice"_s, u"multi-answer"_s, u"all"_s}
                                          : QStringList{u"true/false"_s, u"multiple choice"_s, u"all"_s};
    const QString kindAlign = examFour ? u"---:|---:|---:|---:|"_s : u"---:|---:|---:|"_s;
    const auto typeKinds = [&](qint64 sortId) {
        const auto found = perType.find(sortId);
        return found == perType.end() ? Kinds{} : found->second;
    };
    const auto paperOf = [&](int exam, int k) {
        ClassPaper paper;
        std::vector<exam::TypeShare> types;
        for (const Sort *s : sorts) {
            const qint64 share = s->scale[static_cast<size_t>(k)];
            if (share <= 0 || s->subject != exam)
                continue;
            ++paper.types;
            paper.questions += typeKinds(s->sortId).all();
            paper.size += share;
            types.push_back({s->sortId, share, typeKinds(s->sortId).held()});
        }
        const exam::PaperPlan plan = exam::planPaper(exam, types);
        for (const exam::TypeLines &lines : plan.types) {
            paper.perType[lines.sortId] = lines.count;
            for (size_t kind = 0; kind < paper.kinds.size(); ++kind)
                paper.kinds[kind] += lines.count[kind];
        }
        return paper;
    };

    QString out = u"### %1\n\n"_s.arg(title);
    out +=
        u"%1 questions in %2 question types: %3 true/false, %4 multiple choice"_s.arg(all.all())
            .arg(m_sorts.size())
            .arg(all.trueFalse)
            .arg(all.choice);
    if (examFour)
        out += u", %1 multi-answer"_s.arg(all.multi);
    if (all.other > 0)
        out += u", %1 of another kind"_s.arg(all.other);
    out += u".\n\n"_s;

    if (examFour) {
        out += u"Questions per exam and kind:\n\n"_s;
        out += row(QStringList{u"exam"_s, u"question types"_s} + kindHead) + u"|---|---:|"_s + kindAlign + u"\n"_s;
        for (const int exam : {exam::kSubject1, exam::kSubject4}) {
            Kinds k;
            qint64 types = 0;
            for (const Sort *s : sorts) {
                if (s->subject != exam)
                    continue;
                ++types;
                const Kinds held = typeKinds(s->sortId);
                k.trueFalse += held.trueFalse;
                k.choice += held.choice;
                k.multi += held.multi;
                k.other += held.other;
            }
            out += row(QStringList{exam::examName(exam), num(types)} + kindCells(k));
        }
        out += u"\n"_s;
    }

    QSet<qint64> listed;
    out += u"Questions per question type:\n\n"_s;
    out += row(QStringList{u"sortId"_s, u"question type"_s} + (examFour ? QStringList{u"exam"_s} : QStringList()) +
               kindHead);
    out += (examFour ? u"|---:|---|---|"_s : u"|---:|---|"_s) + kindAlign + u"\n"_s;
    for (const Sort *s : sorts) {
        listed.insert(s->sortId);
        out += row(QStringList{num(s->sortId), cell(s->sortname)} +
                   (examFour ? QStringList{exam::examName(static_cast<int>(s->subject))} : QStringList()) +
                   kindCells(typeKinds(s->sortId)));
    }
    for (const auto &[sortId, k] : perType) {
        if (!listed.contains(sortId))
            out += row(QStringList{num(sortId), u"(not in sort)"_s} + (examFour ? QStringList{QString()} : QStringList()) +
                       kindCells(k));
    }
    out += row(QStringList{QString(), u"all"_s} + (examFour ? QStringList{QString()} : QStringList()) + kindCells(all));
    out += u"\n"_s;

    out += u"Questions per kind:\n\n"_s;
    out += row({u"typeId"_s, u"kind"_s, u"questions"_s, u"with a picture"_s, u"with an explanation"_s});
    out += u"|---:|---|---:|---:|---:|\n"_s;
    for (const auto &[typeId, n] : kindCount) {
        const QString kind = typeId == exam::kTrueFalse    ? u"true/false (判断题)"_s
                             : typeId == exam::kOneAnswer   ? u"multiple choice (选择题)"_s
                             : typeId == exam::kMultiAnswer ? u"multi-answer (多选题)"_s
                                                            : u"(unknown)"_s;
        out += row({num(typeId), kind, num(n), num(perKind[typeId].first), num(perKind[typeId].second)});
    }
    out += row({QString(), u"all"_s, num(all.all()), num(withPicture), num(withExplanation)});
    out += u"\n"_s;

    out += u"Questions per study set:\n\n"_s;
    out += row(QStringList{u"stid"_s, u"study set"_s} + kindHead) + u"|---:|---|"_s + kindAlign + u"\n"_s;
    for (qint64 stid = 1; stid <= 10; ++stid) {
        const auto found = perSet.find(stid);
        out += row(QStringList{num(stid), studySetName(stid)} + kindCells(found == perSet.end() ? Kinds{} : found->second));
    }
    for (const auto &[stid, k] : perSet) {
        if (stid < 1 || stid > 10)
            out += row(QStringList{num(stid), studySetName(stid)} + kindCells(k));
    }
    out += u"\n"_s;

    // A class draws from the types of the exam with a positive share in
    // its column.
    for (const int exam : {exam::kSubject1, exam::kSubject4}) {
        const bool one = exam == exam::kSubject1;
        if (examFour && std::none_of(sorts.begin(), sorts.end(), [&](const Sort *s) { return s->subject == exam; }))
            continue;
        if (!one && !examFour)
            break;
        // "Questions ..." alone, or "科目四: questions ..." beside the other exam.
        const auto heading = [&](const QString &text) {
            return examFour ? exam::examName(exam) + u": "_s + text.left(1).toLower() + text.mid(1) : text;
        };
        QStringList head = {u"class"_s, u"vehicle class"_s, u"question types"_s, u"questions"_s,
                            u"paper: true/false"_s, u"paper: multiple choice"_s};
        if (!one)
            head << u"paper: multi-answer"_s;
        out += heading(
            u"Questions per vehicle class (in the question types with a share for the class) and the paper size:\n\n"_s);
        out += row(head << u"paper size"_s) + (one ? u"|---:|---|---:|---:|---:|---:|---:|\n"_s
                                                   : u"|---:|---|---:|---:|---:|---:|---:|---:|\n"_s);
        std::array<ClassPaper, kVehicleClasses> papers;
        for (int k = 0; k < kVehicleClasses; ++k) {
            const ClassPaper &p = papers[static_cast<size_t>(k)] = paperOf(exam, k);
            QStringList cells = {num(qint64{k}), vehicleClassName(k), num(p.types), num(p.questions), num(p.kinds[0]),
                                 num(p.kinds[1])};
            if (!one)
                cells << num(p.kinds[2]);
            out += row(cells << num(one ? p.size : p.kinds[0] + p.kinds[1] + p.kinds[2]));
        }
        out += u"\n"_s;

        out += heading(u"Paper make-up: each type's share per vehicle class, as share = true/false + multiple choice"_s +
                       (one ? u":\n\n"_s : u" + multi-answer:\n\n"_s));
        QStringList makeUp = {u"sortId"_s, u"question type"_s};
        QString align = u"|---:|---|"_s;
        for (int k = 0; k < kVehicleClasses; ++k) {
            makeUp << vehicleClassName(k);
            align += u"---:|"_s;
        }
        out += row(makeUp) + align + u"\n"_s;
        for (const Sort *s : sorts) {
            if (s->subject != exam)
                continue;
            QStringList cells = {num(s->sortId), cell(s->sortname)};
            for (int k = 0; k < kVehicleClasses; ++k) {
                const auto &onPaper = papers[static_cast<size_t>(k)].perType;
                const auto lines = onPaper.find(s->sortId);
                if (lines == onPaper.end()) {
                    cells << u"–"_s;
                    continue;
                }
                const auto &c = lines->second;
                cells << (one ? u"%1 = %2 + %3"_s.arg(s->scale[static_cast<size_t>(k)]).arg(c[0]).arg(c[1])
                              : u"%1 = %2 + %3 + %4"_s.arg(s->scale[static_cast<size_t>(k)]).arg(c[0]).arg(c[1]).arg(c[2]));
            }
            out += row(cells);
        }
        out += u"\n"_s;
    }

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
        u"- Explanations: %1 of %2 questions have one.\n"_s.arg(withExplanation).arg(all.all());
    // The error-prone browser ranks the questions of one exam, so with
    // 科目四 each exam has its own line.
    for (const int exam : {exam::kSubject1, exam::kSubject4}) {
        std::vector<qint64> counts;
        for (const auto &[sortId, times] : errors) {
            const auto type = std::find_if(sorts.begin(), sorts.end(),
                                           [&](const Sort *s) { return s->sortId == sortId; });
            const int of = type == sorts.end() ? exam::kSubject1 : static_cast<int>((*type)->subject);
            if (of == exam)
                counts.insert(counts.end(), times.begin(), times.end());
        }
        if (counts.empty())
            continue;
        std::sort(counts.begin(), counts.end(), std::greater<>());
        out += u"- Error counts (errorTimes)%1: %2 to %3"_s
                   .arg(examFour ? u", "_s + exam::examName(exam) : QString())
                   .arg(counts.back())
                   .arg(counts.front());
        if (counts.size() >= 200) {
            const qint64 threshold = counts[199];
            const auto atLeast =
                std::count_if(counts.begin(), counts.end(), [&](qint64 e) { return e >= threshold; });
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
