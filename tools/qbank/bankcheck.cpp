#include "bankcheck.h"

#include "bankfiles.h"

#include "apperror.h"
#include "examrules.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

using Level = Finding::Level;

constexpr qint64 kTrueFalse = exam::kTrueFalse;
constexpr qint64 kOneAnswer = exam::kOneAnswer;
constexpr qint64 kMultiAnswer = exam::kMultiAnswer;
constexpr qint64 kExamOne = exam::kSubject1;
constexpr qint64 kExamFour = exam::kSubject4;
// Far more question types than any bank has; a table of more is not read on.
constexpr int kMaxTypes = 10000;

// Sums of values read from a bank, whatever they are.
__extension__ using Wide = __int128;

qint64 narrow(Wide value)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    return value > most ? most : value < -most ? -most : static_cast<qint64>(value);
}

// The one place the bank's rules live. The reader hands it the bank piece
// by piece; it keeps of each piece only what a later rule needs.
class Validator : public RawSink {
public:
    explicit Validator(const CheckOptions &options) : m_options(options) {}

    void begin(Format format, const QString &file) override
    {
        m_format = format;
        m_report.file = file;
    }

    void structure(const StructureFault &fault) override
    {
        m_where = fault.position;
        // The paper (note) is not part of the bank the commands carry.
        add(fault.hidesValues && fault.table != u"note"_s ? Level::Value : Level::Rule, fault.where, fault.what);
        if (fault.hidesValues && (fault.table == u"subject"_s || fault.table == u"sort"_s))
            m_papersReadable = false; // counting for papers would only give follow-on findings
    }

    void sort(const RawSort &sort) override
    {
        const qint64 index = m_sorts++;
        if (!sort.readable)
            return;
        m_where = sort.where;
        const QString about = sort.name();
        qint64 subject = kExamOne; // when not given
        if (sort.subject.kind != Value::Kind::Missing) {
            subject = 0;
            if (integer(about, u"subject"_s, sort.subject)) {
                if (sort.subject.integer == kExamOne || sort.subject.integer == kExamFour)
                    subject = sort.subject.integer;
                else
                    add(Level::Rule, about,
                        u"subject 为 %1，应为 1（科目一）或 4（科目四）"_s.arg(sort.subject.integer));
            }
        }
        std::optional<qint64> sharesTo; // the type whose first row takes the shares of its others
        if (integer(about, u"sortId"_s, sort.sortId)) {
            const auto seen = m_types.constFind(sort.sortId.integer);
            if (seen != m_types.constEnd()) {
                add(Level::Value, about,
                    u"sortId %1 重复（另见 %2）；组卷时两行的份额都会抽题"_s.arg(sort.sortId.integer)
                        .arg(whereOf(u"sort"_s, seen->index)));
                sharesTo = seen.key();
            } else if (m_types.size() < kMaxTypes) {
                m_types.insert(sort.sortId.integer, {index, subject, -1});
                sharesTo = sort.sortId.integer;
            } else if (!m_tooManyTypes) {
                m_tooManyTypes = true;
                add(Level::Value, about, u"题型多于 %1 个，这一行和后面的题型不再读取"_s.arg(kMaxTypes));
            }
        }
        text(about, u"sortname"_s, sort.sortname);
        for (size_t k = 0; k < sort.scale.size(); ++k) {
            // A share list that is missing or too short is reported once,
            // with the type.
            const Value &share = sort.scale[k];
            const QString name = fromDatabase() ? u"scale%1"_s.arg(k) : u"scale[%1]"_s.arg(k);
            if (share.kind == Value::Kind::Missing || !integer(about, name, share))
                continue;
            if (share.integer < 0)
                add(Level::Rule, about,
                    u"%1为 %2：份额不能为负（车型 %3（%4）的试卷会因此少题，永远达不到及格分）"_s.arg(fieldName(name))
                        .arg(share.integer)
                        .arg(k)
                        .arg(vehicleClassName(static_cast<int>(k))));
            if (share.integer <= 0 || !sharesTo)
                continue;
            Type &t = m_types[*sharesTo];
            if (t.demand < 0) {
                t.demand = static_cast<qsizetype>(m_demands.size());
                m_demands.push_back({*sharesTo, t.subject, about, {}});
            }
            m_demands[static_cast<size_t>(t.demand)].shares[k] += share.integer;
        }
    }

    void question(const RawQuestion &q) override
    {
        const qint64 index = m_questions++;
        if (!q.readable)
            return;
        m_where = q.where;
        const QString about = q.name();
        // Duplicates are told at the end, from a list of the numbers.
        if (integer(about, u"subid"_s, q.subid))
            m_subids.push_back({q.subid.integer, index});
        const bool kindKnown = integer(about, u"typeId"_s, q.typeId);
        if (kindKnown && q.typeId.integer != kTrueFalse && q.typeId.integer != kOneAnswer &&
            q.typeId.integer != kMultiAnswer)
            add(Level::Rule, about,
                u"typeId 为 %1，应为 1（判断题）、2（选择题）或 3（多选题，只用于科目四）"_s.arg(q.typeId.integer));
        qint64 typeExam = 0; // not known
        bool typeKnown = false;
        if (integer(about, u"sortId"_s, q.sortId)) {
            const auto type = m_types.constFind(q.sortId.integer);
            typeKnown = type != m_types.constEnd();
            if (!typeKnown)
                add(Level::Rule, about,
                    u"sortId %1 不是 sort 表里的题型，试卷和浏览都到不了这道题"_s.arg(q.sortId.integer));
            else
                typeExam = type->subject;
        }
        if (kindKnown && q.typeId.integer == kMultiAnswer && typeExam == kExamOne)
            add(Level::Rule, about,
                u"typeId 为 3（多选题），但题型 sortId %1 属于科目一；多选题只能放在科目四的题型里"_s.arg(
                    q.sortId.integer));
        if (q.subject.kind != Value::Kind::Missing && integer(about, u"subject"_s, q.subject, Level::Rule) &&
            typeExam != 0 && q.subject.integer != typeExam)
            add(Level::Rule, about,
                u"subject 为 %1，但它的题型 sortId %2 属于%3（subject %4）"_s.arg(q.subject.integer)
                    .arg(q.sortId.integer)
                    .arg(exam::examName(static_cast<int>(typeExam)))
                    .arg(typeExam));
        integer(about, u"stid"_s, q.stid);
        text(about, u"subtitle"_s, q.subtitle);
        optionalText(about, u"subpic"_s, q.subpic);
        optionalText(about, u"info"_s, q.info);
        integer(about, u"errorTimes"_s, q.errorTimes);
        checkPicture(about, q.subpic);
        if (q.optionsListed)
            checkOptions(q, kindKnown);
        if (kindKnown && typeKnown)
            ++m_supply[{q.sortId.integer, q.typeId.integer}];
    }

    void strayOption(const RawOption &option) override
    {
        m_where = option.where;
        const QString about = u"选项（%1）"_s.arg(option.where);
        if (integer(about, u"subid"_s, option.subid))
            add(Level::Value, about, u"subid %1 不是 subject 表里任何试题的 subid"_s.arg(option.subid.integer));
        integer(about, u"optid"_s, option.optid);
        text(about, u"optcontent"_s, option.optcontent);
        integer(about, u"iskey"_s, option.iskey);
    }

    void end() override
    {
        checkSubids();
        m_where.clear();
        if (m_questions == 0)
            add(Level::Rule, u"题库"_s, u"没有试题"_s);
        if (m_sorts == 0)
            add(Level::Rule, u"题库"_s, u"没有题型（sort 为空），试卷和浏览都无从组起"_s);
        if (m_papersReadable && counts(Level::Paper))
            checkPapers();
    }

    // Whether a finding counts so far.
    bool clean() const { return m_report.count == 0; }

    CheckReport report() const
    {
        CheckReport report = m_report;
        report.questions = static_cast<size_t>(m_questions);
        report.sorts = static_cast<size_t>(m_sorts);
        return report;
    }

private:
    struct Type {
        qint64 index = 0;      // its entry, for messages
        qint64 subject = 0;    // 0: not known
        qsizetype demand = -1; // its shares in m_demands, once it has one
    };
    // A type with a positive share for some class (a sortId's rows together).
    struct Demand {
        qint64 sortId = 0;
        qint64 subject = 0;
        QString name;
        std::array<Wide, kVehicleClasses> shares{};
    };

    // Every subid once: the later ones of a number are named with the first.
    void checkSubids()
    {
        std::sort(m_subids.begin(), m_subids.end());
        for (size_t i = 1; i < m_subids.size(); ++i) {
            const auto &[subid, index] = m_subids[i];
            if (subid != m_subids[i - 1].first)
                continue;
            size_t first = i - 1;
            while (first > 0 && m_subids[first - 1].first == subid)
                --first;
            m_where = whereOf(u"subject"_s, index);
            add(Level::Value, u"试题 subid %1"_s.arg(subid),
                u"subid %1 重复（另见 %2）"_s.arg(subid).arg(whereOf(u"subject"_s, m_subids[first].second)));
        }
        m_subids = {};
    }

    bool counts(Level level) const { return level <= m_options.upTo; }

    void add(Level level, const QString &about, const QString &text)
    {
        if (!counts(level))
            return;
        ++m_report.count;
        if (m_report.findings.size() < static_cast<size_t>(kListedFindings))
            m_report.findings.push_back({level, about, text, m_where});
    }

    bool fromDatabase() const { return m_format == Format::Database; }

    // An earlier entry of the file: sorts[2], subject 表第 3 行.
    QString whereOf(const QString &table, qint64 index) const
    {
        if (fromDatabase())
            return u"%1 表第 %2 行"_s.arg(table).arg(index + 1);
        return u"%1[%2]"_s.arg(table == u"sort"_s ? u"sorts"_s : u"questions"_s).arg(index);
    }

    QString fieldName(const QString &name) const
    {
        return fromDatabase() ? u"列 %1 "_s.arg(name) : u"字段“%1”"_s.arg(name);
    }

    // Reports a value that is not there. A column missing from a table is
    // reported once with the table, not again for every row.
    bool reportAbsent(const QString &about, const QString &name, const Value &value, Level level)
    {
        if (value.kind == Value::Kind::Missing) {
            if (!fromDatabase())
                add(level, about, u"缺少字段“%1”"_s.arg(name));
            return true;
        }
        return false;
    }

    // A value the program reads as a whole number.
    bool integer(const QString &about, const QString &name, const Value &value, Level level = Level::Value)
    {
        if (value.isInteger())
            return true;
        if (reportAbsent(about, name, value, level))
            return false;
        if (value.kind == Value::Kind::Null)
            add(level, about, u"%1为 null，程序把它当整数读"_s.arg(fieldName(name)));
        else
            add(level, about, u"%1应为整数，却是%2"_s.arg(fieldName(name), value.describe()));
        return false;
    }

    // A NUL character ends a text where the program shows it.
    void noNul(const QString &about, const QString &name, const Value &value)
    {
        if (value.text.contains(QChar(u'\0')))
            add(Level::Rule, about, u"%1里有 NUL 字符（\\u0000），程序显示到那里就截断了"_s.arg(fieldName(name)));
    }

    // A text the program reads and that must be there.
    bool text(const QString &about, const QString &name, const Value &value)
    {
        if (value.isText()) {
            noNul(about, name, value);
            return true;
        }
        if (reportAbsent(about, name, value, Level::Value))
            return false;
        if (value.kind == Value::Kind::Null)
            add(Level::Value, about, u"%1为 null，程序要读它的文字"_s.arg(fieldName(name)));
        else
            add(Level::Value, about, u"%1应为文字，却是%2"_s.arg(fieldName(name), value.describe()));
        return false;
    }

    // A text that may be null, meaning none.
    void optionalText(const QString &about, const QString &name, const Value &value)
    {
        if (value.isText())
            noNul(about, name, value);
        if (value.isText() || value.kind == Value::Kind::Null)
            return;
        if (!reportAbsent(about, name, value, Level::Value))
            add(Level::Value, about, u"%1应为文字或 null，却是%2"_s.arg(fieldName(name), value.describe()));
    }

    void checkOptions(const RawQuestion &q, bool kindKnown)
    {
        const QString about = q.name();
        const qsizetype count = q.optionCount;
        const qint64 kind = kindKnown ? q.typeId.integer : 0;
        if (count > kKeptOptions)
            add(Level::Value, about, u"有 %1 个选项，远远超过程序能用的 4 个；只读了前 %2 个"_s.arg(count).arg(kKeptOptions));
        if (kind == kTrueFalse && count != 2)
            add(Level::Rule, about, u"判断题应有 2 个选项（先“√”后“×”），却有 %1 个"_s.arg(count));
        if (kind == kOneAnswer && (count < 2 || count > 4))
            add(Level::Rule, about, u"选择题应有 2 到 4 个选项，却有 %1 个"_s.arg(count));
        if (kind == kMultiAnswer && count != 4)
            add(Level::Rule, about, u"多选题应有 4 个选项，却有 %1 个"_s.arg(count));

        int correct = 0;
        bool keysKnown = true;
        QHash<qint64, int> optids;
        for (qsizetype i = 0; i < static_cast<qsizetype>(q.options.size()); ++i) {
            const RawOption &option = q.options[static_cast<size_t>(i)];
            m_where = option.where;
            const QString optionAbout = fromDatabase() ? u"%1 的选项（%2）"_s.arg(about, option.where)
                                                       : u"%1 的 options[%2]"_s.arg(about).arg(i);
            if (integer(optionAbout, u"optid"_s, option.optid)) {
                if (option.optid.integer == 0)
                    add(Level::Rule, optionAbout, u"optid 为 0；0 表示未作答，选了这个选项的回答会被当成未答"_s);
                else if (optids.contains(option.optid.integer))
                    add(Level::Rule, optionAbout,
                        u"optid %1 与同一题的第 %2 个选项重复"_s.arg(option.optid.integer)
                            .arg(optids.value(option.optid.integer) + 1));
                else
                    optids.insert(option.optid.integer, static_cast<int>(i));
            }
            text(optionAbout, u"optcontent"_s, option.optcontent);
            if (integer(optionAbout, u"iskey"_s, option.iskey))
                correct += option.iskey.integer == 1 ? 1 : 0;
            else
                keysKnown = false;
        }
        m_where = q.where;
        if (!keysKnown)
            return;
        if (kind == kMultiAnswer && correct < 2)
            add(Level::Rule, about, u"多选题应至少有 2 个正确选项（iskey 为 1），却有 %1 个"_s.arg(correct));
        else if (kind != kMultiAnswer && correct != 1)
            add(Level::Rule, about, u"应恰有 1 个正确选项（iskey 为 1），却有 %1 个"_s.arg(correct));
    }

    void checkPicture(const QString &about, const Value &subpic)
    {
        if (!namesPicture(subpic))
            return;
        if (!isPictureName(subpic.text)) {
            add(Level::Value, about, u"subpic“%1”不是 upload 文件夹里的文件名"_s.arg(subpic.text));
            return;
        }
        if (m_options.pictures.isEmpty() || !counts(Level::Picture))
            return;
        // The program looks for exactly this name: upload\ + subpic.
        QString relative = subpic.text;
        relative.replace(u'\\', u'/');
        const QString file = QDir(m_options.pictures).filePath(relative);
        // Either the picture or its 2x partner (name@2x.jpg), or both, which
        // the program shows above 100 %.
        const QString partnerName = data::twoTimesFile(relative);
        const QString partner = QDir(m_options.pictures).filePath(partnerName);
        const bool hasPartner = QFileInfo(partner).isFile();
        if (!QFileInfo(file).isFile() && !hasPartner) {
            QString hint;
            const QString near = nameInOtherCase(relative);
            if (!near.isEmpty())
                hint = u"（有 %1，大小写不同）"_s.arg(near);
            add(Level::Picture, about, u"图片 upload/%1 不存在%2"_s.arg(relative, hint));
            return;
        }
        const QSize size = pictureSize(about, relative, file);
        const QSize twice = hasPartner ? pictureSize(about, partnerName, partner) : QSize();
        if (size.isValid() && twice.isValid() && twice != size * 2)
            add(Level::Picture, about, u"图片 upload/%1 是 %2 × %3，应是 upload/%4 的两倍：%5 × %6"_s.arg(partnerName)
                           .arg(twice.width()).arg(twice.height()).arg(relative)
                           .arg(size.width() * 2).arg(size.height() * 2));
    }

    // The size of a picture that is there, a finding when it cannot be read.
    QSize pictureSize(const QString &about, const QString &relative, const QString &file)
    {
        if (!QFileInfo(file).isFile())
            return QSize();
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        if (!reader.canRead()) {
            add(Level::Picture, about, u"图片 upload/%1 不是能读出的图片：%2"_s.arg(relative, reader.errorString()));
            return QSize();
        }
        return reader.size();
    }


    QString nameInOtherCase(const QString &relative)
    {
        if (!m_folderListed) {
            m_folderListed = true;
            const QStringList files = QDir(m_options.pictures).entryList(QDir::Files);
            for (const QString &f : files)
                m_filesByLowerName.insert(f.toLower(), f);
        }
        return m_filesByLowerName.value(relative.toLower());
    }

    qint64 supply(qint64 sortId, qint64 kind) const
    {
        const auto found = m_supply.find({sortId, kind});
        return found == m_supply.end() ? 0 : found->second;
    }

    // For every exam and class, the paper its types' shares ask for, and
    // whether the bank gives it without a question twice.
    void checkPapers()
    {
        for (const qint64 exam : {kExamOne, kExamFour}) {
            for (int k = 0; k < kVehicleClasses; ++k) {
                // The exam's types with a share for the class, a sortId's
                // rows together, and the row that names it.
                std::map<qint64, std::pair<Wide, const Demand *>> shares;
                for (const Demand &d : m_demands) {
                    const Wide s = d.shares[static_cast<size_t>(k)];
                    if (s <= 0 || d.subject != exam)
                        continue;
                    shares[d.sortId] = {s, &d};
                }
                if (shares.empty())
                    continue;
                std::vector<exam::TypeShare> types;
                for (const auto &[sortId, share] : shares)
                    types.push_back({sortId, narrow(share.first),
                                     {supply(sortId, kTrueFalse), supply(sortId, kOneAnswer),
                                      supply(sortId, kMultiAnswer)}});
                const exam::PaperPlan plan = exam::planPaper(static_cast<int>(exam), types);
                m_where.clear();
                if (exam == kExamOne)
                    reportShortTypes(k, types, plan, shares);
                else if (!plan.complete())
                    reportShortPaper(k, types, plan);
            }
        }
    }

    // 科目一: every type gives its own share.
    void reportShortTypes(int k, const std::vector<exam::TypeShare> &types, const exam::PaperPlan &plan,
                          const std::map<qint64, std::pair<Wide, const Demand *>> &shares)
    {
        for (size_t t = 0; t < types.size(); ++t) {
            const QString about = shares.at(types[t].sortId).second->name;
            const QString share = u"车型 %1（%2）的份额 %3"_s.arg(k).arg(vehicleClassName(k)).arg(types[t].share);
            const auto &asked = plan.types[t].count;
            const auto &held = types[t].held;
            if (held[0] < asked[0])
                add(Level::Paper, about, u"%1 要 %2 道判断题，题库只有 %3 道"_s.arg(share).arg(asked[0]).arg(held[0]));
            if (held[1] < asked[1])
                add(Level::Paper, about, u"%1 要 %2 道选择题，题库只有 %3 道"_s.arg(share).arg(asked[1]).arg(held[1]));
        }
    }

    // 科目四: the types share the paper's kinds out among them.
    void reportShortPaper(int k, const std::vector<exam::TypeShare> &types, const exam::PaperPlan &plan)
    {
        Wide share = 0;
        std::array<qint64, exam::kKinds> drawn{}; // without a question twice
        for (size_t t = 0; t < types.size(); ++t) {
            for (size_t kind = 0; kind < drawn.size(); ++kind)
                drawn[kind] += std::min(plan.types[t].count[kind], types[t].held[kind]);
            share += types[t].share;
        }
        add(Level::Paper, u"科目四 车型 %1（%2）"_s.arg(k).arg(vehicleClassName(k)),
            u"份额合计 %1，试卷应有判断题 %2 道、选择题 %3 道、多选题 %4 道；题库按份额只能不重复地抽出判断题 "
            "%5 道、选择题 %6 道、多选题 %7 道"_s.arg(narrow(share))
                .arg(plan.wanted[0])
                .arg(plan.wanted[1])
                .arg(plan.wanted[2])
                .arg(drawn[0])
                .arg(drawn[1])
                .arg(drawn[2]));
    }

    const CheckOptions &m_options;
    Format m_format = Format::Json;
    CheckReport m_report;
    QString m_where; // where the piece being judged stands
    qint64 m_sorts = 0;
    qint64 m_questions = 0;
    bool m_papersReadable = true;
    QHash<qint64, Type> m_types;                   // sortId -> its first row
    bool m_tooManyTypes = false;
    // (subid, its question), in blocks: no copy of it all while it grows.
    std::deque<std::pair<qint64, qint64>> m_subids;
    std::vector<Demand> m_demands;
    std::map<std::pair<qint64, qint64>, qint64> m_supply; // (sortId, typeId) -> questions
    bool m_folderListed = false;
    QHash<QString, QString> m_filesByLowerName;
};

Sort sortOf(const RawSort &raw)
{
    Sort sort;
    sort.sortId = raw.sortId.integer;
    sort.sortname = raw.sortname.text;
    for (size_t k = 0; k < sort.scale.size(); ++k)
        sort.scale[k] = raw.scale[k].integer;
    sort.subject = raw.subject.isInteger() ? raw.subject.integer : kExamOne;
    return sort;
}

Question questionOf(const RawQuestion &raw)
{
    Question q;
    q.subid = raw.subid.integer;
    q.typeId = raw.typeId.integer;
    q.sortId = raw.sortId.integer;
    q.stid = raw.stid.integer;
    q.subtitle = raw.subtitle.text;
    q.subpic = raw.subpic.isText() ? raw.subpic.text : u"NULL"_s;
    if (raw.info.isText())
        q.info = raw.info.text;
    q.errorTimes = raw.errorTimes.integer;
    q.options.reserve(raw.options.size());
    for (const RawOption &o : raw.options)
        q.options.push_back({o.optid.integer, o.optcontent.text, o.iskey.integer});
    return q;
}

// Feeds the validator and, while nothing counts against the bank, the user.
class Reading : public RawSink {
public:
    Reading(Validator &validator, BankUser *user) : m_validator(validator), m_user(user) {}

    void begin(Format format, const QString &file) override { m_validator.begin(format, file); }
    void structure(const StructureFault &fault) override { m_validator.structure(fault); }
    void sort(const RawSort &sort) override
    {
        m_validator.sort(sort);
        if (m_user && m_validator.clean() && sort.readable)
            m_user->sort(sortOf(sort));
    }
    void question(const RawQuestion &question) override
    {
        m_validator.question(question);
        if (m_user && m_validator.clean() && question.readable)
            m_user->question(questionOf(question), question);
    }
    void strayOption(const RawOption &option) override { m_validator.strayOption(option); }
    void end() override { m_validator.end(); }

private:
    Validator &m_validator;
    BankUser *m_user;
};

} // namespace

QString Finding::placed() const
{
    if (where.isEmpty() || about.contains(where))
        return line();
    return about + u"，"_s + where + u"："_s + text;
}

void CheckReport::refuse(const QString &refused) const
{
    QStringList lines{u"%1：有 %2 处问题，%3："_s.arg(file).arg(count).arg(refused)};
    for (const Finding &finding : findings)
        lines << finding.placed();
    if (count > static_cast<qint64>(findings.size()))
        lines << u"……另有 %1 处问题未列出"_s.arg(count - static_cast<qint64>(findings.size()));
    throw AppError(lines.join(u'\n'));
}

QString vehicleClassName(int classIndex)
{
    static const char16_t *const names[kVehicleClasses] = {u"C1、C2、C3、C4", u"A2、B2", u"A1、A3、B1",
                                                           u"E1_摩托车", u"F1_恢复性驾驶证"};
    return classIndex >= 0 && classIndex < kVehicleClasses ? QString::fromUtf16(names[classIndex])
                                                           : QString();
}

CheckReport readBank(const BankSource &source, const CheckOptions &options, BankUser *user, bool databaseOnly)
{
    if (!options.pictures.isEmpty() && !QFileInfo(options.pictures).isDir())
        throw AppError(u"图片文件夹不存在：%1"_s.arg(options.pictures));
    Validator validator(options);
    Reading reading(validator, user);
    readRawBank(source, reading, databaseOnly);
    return validator.report();
}

CheckReport checkBankFile(const QString &path, const CheckOptions &options)
{
    return readBank(BankSource::path(path), options);
}

} // namespace qbank
