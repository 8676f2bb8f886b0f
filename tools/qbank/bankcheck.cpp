#include "bankcheck.h"

#include "apperror.h"
#include "bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <map>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

constexpr qint64 kTrueFalse = 1;
constexpr qint64 kMultipleChoice = 2;

class Checker {
public:
    Checker(const RawBank &bank, const CheckOptions &options) : m_bank(bank), m_options(options) {}

    std::vector<Finding> run()
    {
        for (const StructureFault &fault : m_bank.structure)
            add(fault.where, fault.what);
        checkSorts();
        checkQuestions();
        for (const RawOption &option : m_bank.strayOptions)
            checkStrayOption(option);
        // Counting questions for papers needs the columns of subject and
        // sort; without them there would only be follow-on findings.
        bool papersReadable = true;
        for (const StructureFault &fault : m_bank.structure) {
            if (fault.hidesValues && (fault.table == u"subject"_s || fault.table == u"sort"_s))
                papersReadable = false;
        }
        if (papersReadable && m_options.papers)
            checkPapers();
        return std::move(m_findings);
    }

private:
    void add(const QString &about, const QString &text) { m_findings.push_back({about, text}); }

    bool fromDatabase() const { return m_bank.source == RawBank::Source::Database; }

    QString fieldName(const QString &name) const
    {
        return fromDatabase() ? u"列 %1 "_s.arg(name) : u"字段“%1”"_s.arg(name);
    }

    // Reports a value that is not there. A column missing from a table is
    // reported once with the table, not again for every row.
    bool reportAbsent(const QString &about, const QString &name, const Value &value)
    {
        if (value.kind == Value::Kind::Missing) {
            if (!fromDatabase())
                add(about, u"缺少字段“%1”"_s.arg(name));
            return true;
        }
        return false;
    }

    // A value the program reads as a whole number.
    bool integer(const QString &about, const QString &name, const Value &value)
    {
        if (value.isInteger())
            return true;
        if (reportAbsent(about, name, value))
            return false;
        if (value.kind == Value::Kind::Null)
            add(about, u"%1为 null，程序把它当整数读"_s.arg(fieldName(name)));
        else
            add(about, u"%1应为整数，却是%2"_s.arg(fieldName(name), value.describe()));
        return false;
    }

    // A text the program reads and that must be there.
    bool text(const QString &about, const QString &name, const Value &value)
    {
        if (value.isText())
            return true;
        if (reportAbsent(about, name, value))
            return false;
        if (value.kind == Value::Kind::Null)
            add(about, u"%1为 null，程序要读它的文字"_s.arg(fieldName(name)));
        else
            add(about, u"%1应为文字，却是%2"_s.arg(fieldName(name), value.describe()));
        return false;
    }

    // A text that may be null, meaning none.
    void optionalText(const QString &about, const QString &name, const Value &value)
    {
        if (value.isText() || value.kind == Value::Kind::Null)
            return;
        if (!reportAbsent(about, name, value))
            add(about, u"%1应为文字或 null，却是%2"_s.arg(fieldName(name), value.describe()));
    }

    void checkSorts()
    {
        QHash<qint64, QString> firstSeen;
        for (const RawSort &sort : m_bank.sorts) {
            if (!sort.readable)
                continue;
            const QString about = sort.name();
            if (integer(about, u"sortId"_s, sort.sortId)) {
                const auto seen = firstSeen.constFind(sort.sortId.integer);
                if (seen != firstSeen.constEnd())
                    add(about,
                        u"sortId %1 重复（另见 %2）；组卷时两行的份额都会抽题"_s.arg(sort.sortId.integer)
                            .arg(seen.value()));
                else
                    firstSeen.insert(sort.sortId.integer, sort.where);
                m_sortIds.insert(sort.sortId.integer);
            }
            text(about, u"sortname"_s, sort.sortname);
            for (size_t k = 0; k < sort.scale.size(); ++k) {
                // A share list that is missing or too short is reported
                // once, with the type.
                if (sort.scale[k].kind == Value::Kind::Missing)
                    continue;
                integer(about, fromDatabase() ? u"scale%1"_s.arg(k) : u"scale[%1]"_s.arg(k), sort.scale[k]);
            }
        }
    }

    void checkQuestions()
    {
        QHash<qint64, QString> firstSeen;
        for (const RawQuestion &q : m_bank.questions) {
            if (!q.readable)
                continue;
            const QString about = q.name();
            if (integer(about, u"subid"_s, q.subid)) {
                const auto seen = firstSeen.constFind(q.subid.integer);
                if (seen != firstSeen.constEnd())
                    add(about, u"subid %1 重复（另见 %2）"_s.arg(q.subid.integer).arg(seen.value()));
                else
                    firstSeen.insert(q.subid.integer, q.where);
            }
            const bool kindKnown = integer(about, u"typeId"_s, q.typeId);
            if (kindKnown && q.typeId.integer != kTrueFalse && q.typeId.integer != kMultipleChoice)
                add(about, u"typeId 为 %1，应为 1（判断题）或 2（选择题）"_s.arg(q.typeId.integer));
            if (integer(about, u"sortId"_s, q.sortId) && !m_sortIds.contains(q.sortId.integer))
                add(about,
                    u"sortId %1 不是 sort 表里的题型，试卷和浏览都到不了这道题"_s.arg(q.sortId.integer));
            integer(about, u"stid"_s, q.stid);
            text(about, u"subtitle"_s, q.subtitle);
            optionalText(about, u"subpic"_s, q.subpic);
            optionalText(about, u"info"_s, q.info);
            integer(about, u"errorTimes"_s, q.errorTimes);
            checkPicture(about, q.subpic);
            if (q.optionsListed && m_bank.optionsMatched)
                checkOptions(q, kindKnown);
        }
    }

    void checkOptions(const RawQuestion &q, bool kindKnown)
    {
        const QString about = q.name();
        const auto count = static_cast<qsizetype>(q.options.size());
        if (kindKnown && q.typeId.integer == kTrueFalse && count != 2)
            add(about, u"判断题应有 2 个选项（先“√”后“×”），却有 %1 个"_s.arg(count));
        if (kindKnown && q.typeId.integer == kMultipleChoice && (count < 2 || count > 4))
            add(about, u"选择题应有 2 到 4 个选项，却有 %1 个"_s.arg(count));

        int correct = 0;
        bool keysKnown = true;
        QHash<qint64, int> optids;
        for (qsizetype i = 0; i < count; ++i) {
            const RawOption &option = q.options[static_cast<size_t>(i)];
            const QString optionAbout = fromDatabase() ? u"%1 的选项（%2）"_s.arg(about, option.where)
                                                       : u"%1 的 options[%2]"_s.arg(about).arg(i);
            if (integer(optionAbout, u"optid"_s, option.optid)) {
                if (option.optid.integer == 0)
                    add(optionAbout, u"optid 为 0；0 表示未作答，选了这个选项的回答会被当成未答"_s);
                else if (optids.contains(option.optid.integer))
                    add(optionAbout, u"optid %1 与同一题的第 %2 个选项重复"_s.arg(option.optid.integer)
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
        if (keysKnown && correct != 1)
            add(about, u"应恰有 1 个正确选项（iskey 为 1），却有 %1 个"_s.arg(correct));
    }

    void checkStrayOption(const RawOption &option)
    {
        const QString about = u"选项（%1）"_s.arg(option.where);
        if (integer(about, u"subid"_s, option.subid))
            add(about, u"subid %1 不是 subject 表里任何试题的 subid"_s.arg(option.subid.integer));
        integer(about, u"optid"_s, option.optid);
        text(about, u"optcontent"_s, option.optcontent);
        integer(about, u"iskey"_s, option.iskey);
    }

    void checkPicture(const QString &about, const Value &subpic)
    {
        if (!namesPicture(subpic))
            return;
        if (!isPictureName(subpic.text)) {
            add(about, u"subpic“%1”不是 upload 文件夹里的文件名"_s.arg(subpic.text));
            return;
        }
        if (m_options.pictures.isEmpty())
            return;
        // The program looks for exactly this name: upload\ + subpic.
        QString relative = subpic.text;
        relative.replace(u'\\', u'/');
        const QString file = QDir(m_options.pictures).filePath(relative);
        // Either the picture or its 2x partner (name@2x.jpg), or both, which
        // the program shows above 100 %.
        const QString partnerName = twoTimesName(relative);
        const QString partner = QDir(m_options.pictures).filePath(partnerName);
        const bool hasPartner = QFileInfo(partner).isFile();
        if (!QFileInfo(file).isFile() && !hasPartner) {
            QString hint;
            const QString near = nameInOtherCase(relative);
            if (!near.isEmpty())
                hint = u"（有 %1，大小写不同）"_s.arg(near);
            add(about, u"图片 upload/%1 不存在%2"_s.arg(relative, hint));
            return;
        }
        const QSize size = pictureSize(about, relative, file);
        const QSize twice = hasPartner ? pictureSize(about, partnerName, partner) : QSize();
        if (size.isValid() && twice.isValid() && twice != size * 2)
            add(about, u"图片 upload/%1 是 %2 × %3，应是 upload/%4 的两倍：%5 × %6"_s.arg(partnerName)
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
            add(about, u"图片 upload/%1 不是能读出的图片：%2"_s.arg(relative, reader.errorString()));
            return QSize();
        }
        return reader.size();
    }

    static QString twoTimesName(const QString &relative)
    {
        const qsizetype slash = relative.lastIndexOf(u'/');
        const qsizetype dot = relative.lastIndexOf(u'.');
        const qsizetype at = dot > slash ? dot : relative.size();
        return relative.left(at) + u"@2x"_s + relative.mid(at);
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

    // For every class, what each question type's shares ask of it.
    void checkPapers()
    {
        struct Supply {
            QSet<qint64> trueFalse;
            QSet<qint64> choice;
        };
        std::map<qint64, Supply> supply;
        for (const RawQuestion &q : m_bank.questions) {
            if (!q.subid.isInteger() || !q.sortId.isInteger() || !q.typeId.isInteger())
                continue;
            if (q.typeId.integer == kTrueFalse)
                supply[q.sortId.integer].trueFalse.insert(q.subid.integer);
            else if (q.typeId.integer == kMultipleChoice)
                supply[q.sortId.integer].choice.insert(q.subid.integer);
        }
        for (int k = 0; k < kVehicleClasses; ++k) {
            // sortId -> (true/false, multiple choice) asked for, and the
            // sort row that names it.
            std::map<qint64, std::pair<qint64, qint64>> demand;
            std::map<qint64, const RawSort *> named;
            std::map<qint64, qint64> shares;
            for (const RawSort &sort : m_bank.sorts) {
                const Value &share = sort.scale[static_cast<size_t>(k)];
                if (!sort.sortId.isInteger() || !share.isInteger() || share.integer <= 0)
                    continue;
                const qint64 s = share.integer;
                const qint64 f = (4 * s) / 10;
                auto &d = demand[sort.sortId.integer];
                d.first += f;
                d.second += s - f;
                shares[sort.sortId.integer] += s;
                named.emplace(sort.sortId.integer, &sort);
            }
            for (const auto &[sortId, asked] : demand) {
                const Supply &have = supply[sortId];
                const QString about = named[sortId]->name();
                const QString share =
                    u"车型 %1（%2）的份额 %3"_s.arg(k).arg(vehicleClassName(k)).arg(shares[sortId]);
                if (have.trueFalse.size() < asked.first)
                    add(about, u"%1 要 %2 道判断题，题库只有 %3 道"_s.arg(share)
                                   .arg(asked.first)
                                   .arg(have.trueFalse.size()));
                if (have.choice.size() < asked.second)
                    add(about, u"%1 要 %2 道选择题，题库只有 %3 道"_s.arg(share)
                                   .arg(asked.second)
                                   .arg(have.choice.size()));
            }
        }
    }

    const RawBank &m_bank;
    const CheckOptions &m_options;
    std::vector<Finding> m_findings;
    QSet<qint64> m_sortIds;
    bool m_folderListed = false;
    QHash<QString, QString> m_filesByLowerName;
};

} // namespace

QString vehicleClassName(int classIndex)
{
    static const char16_t *const names[kVehicleClasses] = {u"C1、C2、C3、C4", u"A2、B2", u"A1、A3、B1",
                                                           u"E1_摩托车", u"F1_恢复性驾驶证"};
    return classIndex >= 0 && classIndex < kVehicleClasses ? QString::fromUtf16(names[classIndex])
                                                           : QString();
}

std::vector<Finding> checkBank(const RawBank &bank, const CheckOptions &options)
{
    return Checker(bank, options).run();
}

std::vector<Finding> importFindings(const RawBank &bank)
{
    CheckOptions options;
    options.papers = false;
    return checkBank(bank, options);
}

CheckReport checkBankFile(const QString &path, const CheckOptions &options)
{
    if (!options.pictures.isEmpty() && !QFileInfo(options.pictures).isDir())
        throw AppError(u"图片文件夹不存在：%1"_s.arg(options.pictures));
    const RawBank bank = readRawBank(path);
    CheckReport report;
    report.findings = checkBank(bank, options);
    report.questions = bank.questions.size();
    report.sorts = bank.sorts.size();
    if (report.findings.empty() && bank.source == RawBank::Source::Json) {
        try {
            readBankFile(path);
        } catch (const AppError &e) {
            report.findings.push_back({u"导入"_s, e.text()});
        }
    }
    return report;
}

} // namespace qbank
