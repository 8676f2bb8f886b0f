#include "bank.h"

#include "apperror.h"
#include "bankcheck.h"
#include "rawbank.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

// Where a value stands, for messages: "questions[3]（subid 17）.options[1]".
class Reader {
public:
    Reader(const QString &source, const QString &where) : m_source(source), m_where(where) {}

    Reader at(const QString &part) const { return Reader(m_source, m_where + part); }

    [[noreturn]] void fail(const QString &what) const
    {
        throw AppError(u"%1：%2：%3"_s.arg(m_source, m_where, what));
    }

    QJsonValue field(const QJsonObject &object, const QString &name) const
    {
        const auto found = object.constFind(name);
        if (found == object.constEnd())
            fail(u"缺少字段“%1”"_s.arg(name));
        return found.value();
    }

    qint64 integer(const QJsonObject &object, const QString &name) const
    {
        return integerValue(field(object, name), name);
    }

    qint64 integerValue(const QJsonValue &value, const QString &name) const
    {
        if (!value.isDouble())
            fail(u"字段“%1”应为整数，却是%2"_s.arg(name, kindOf(value)));
        // Whole numbers of 64 bits are read exactly as written.
        const QVariant number = value.toVariant();
        if (number.typeId() != QMetaType::LongLong)
            fail(u"字段“%1”应为整数，却是 %2"_s.arg(name, numberText(value.toDouble())));
        return number.toLongLong();
    }

    QString text(const QJsonObject &object, const QString &name) const
    {
        const QJsonValue value = field(object, name);
        if (!value.isString())
            fail(u"字段“%1”应为字符串，却是%2"_s.arg(name, kindOf(value)));
        return value.toString();
    }

    std::optional<QString> optionalText(const QJsonObject &object, const QString &name) const
    {
        const QJsonValue value = field(object, name);
        if (value.isNull())
            return std::nullopt;
        if (!value.isString())
            fail(u"字段“%1”应为字符串或 null，却是%2"_s.arg(name, kindOf(value)));
        return value.toString();
    }

    QJsonArray array(const QJsonObject &object, const QString &name) const
    {
        const QJsonValue value = field(object, name);
        if (!value.isArray())
            fail(u"字段“%1”应为数组，却是%2"_s.arg(name, kindOf(value)));
        return value.toArray();
    }

    QJsonObject object(const QJsonValue &value) const
    {
        if (!value.isObject())
            fail(u"应为对象，却是%1"_s.arg(kindOf(value)));
        return value.toObject();
    }

    static QString kindOf(const QJsonValue &value)
    {
        switch (value.type()) {
        case QJsonValue::Null: return u" null"_s;
        case QJsonValue::Bool: return u"布尔值"_s;
        case QJsonValue::Double: return u"数字"_s;
        case QJsonValue::String: return u"字符串"_s;
        case QJsonValue::Array: return u"数组"_s;
        case QJsonValue::Object: return u"对象"_s;
        default: return u"未定义的值"_s;
        }
    }

private:
    QString m_source;
    QString m_where;
};

Option readOption(const Reader &r, const QJsonValue &value)
{
    const QJsonObject o = r.object(value);
    Option option;
    option.optid = r.integer(o, u"optid"_s);
    option.optcontent = r.text(o, u"optcontent"_s);
    option.iskey = r.integer(o, u"iskey"_s);
    return option;
}

Question readQuestion(const Reader &base, const QJsonValue &value)
{
    const QJsonObject o = base.object(value);
    // Name the question by its subid in every later message, when it has one.
    Question q;
    q.subid = base.integer(o, u"subid"_s);
    const Reader r = base.at(u"（subid %1）"_s.arg(q.subid));
    q.typeId = r.integer(o, u"typeId"_s);
    q.sortId = r.integer(o, u"sortId"_s);
    q.stid = r.integer(o, u"stid"_s);
    q.subtitle = r.text(o, u"subtitle"_s);
    const std::optional<QString> subpic = r.optionalText(o, u"subpic"_s);
    q.subpic = subpic.value_or(u"NULL"_s);
    if (!isPictureName(q.subpic))
        r.fail(u"字段“subpic”应为 upload 文件夹里的文件名，却是“%1”"_s.arg(q.subpic));
    q.info = r.optionalText(o, u"info"_s);
    q.errorTimes = r.integer(o, u"errorTimes"_s);
    const QJsonArray options = r.array(o, u"options"_s);
    for (qsizetype i = 0; i < options.size(); ++i)
        q.options.push_back(readOption(r.at(u".options[%1]"_s.arg(i)), options.at(i)));
    return q;
}

Sort readSort(const Reader &r, const QJsonValue &value)
{
    const QJsonObject o = r.object(value);
    Sort sort;
    sort.sortId = r.integer(o, u"sortId"_s);
    const Reader named = r.at(u"（sortId %1）"_s.arg(sort.sortId));
    sort.sortname = named.text(o, u"sortname"_s);
    const QJsonArray scale = named.array(o, u"scale"_s);
    if (scale.size() != 5)
        named.fail(u"字段“scale”应有 5 个数（每个车型一个），却有 %1 个"_s.arg(scale.size()));
    for (qsizetype k = 0; k < 5; ++k)
        sort.scale[static_cast<size_t>(k)] = named.integerValue(scale.at(k), u"scale[%1]"_s.arg(k));
    return sort;
}

} // namespace

Bank parseBank(const QByteArray &json, const QString &source)
{
    const QJsonObject root = parseJsonObject(json, source);
    const Reader top(source, u"顶层"_s);

    Bank bank;
    const QJsonArray sorts = top.array(root, u"sorts"_s);
    QSet<qint64> sortIds;
    for (qsizetype i = 0; i < sorts.size(); ++i) {
        const Reader r(source, u"sorts[%1]"_s.arg(i));
        Sort sort = readSort(r, sorts.at(i));
        if (sortIds.contains(sort.sortId))
            r.fail(u"题型编号 sortId %1 重复"_s.arg(sort.sortId));
        sortIds.insert(sort.sortId);
        bank.sorts.push_back(std::move(sort));
    }

    const QJsonArray questions = top.array(root, u"questions"_s);
    QSet<qint64> subids;
    bank.questions.reserve(static_cast<size_t>(questions.size()));
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const Reader r(source, u"questions[%1]"_s.arg(i));
        Question q = readQuestion(r, questions.at(i));
        if (subids.contains(q.subid))
            r.fail(u"字段“subid”：试题编号 %1 重复"_s.arg(q.subid));
        subids.insert(q.subid);
        bank.questions.push_back(std::move(q));
    }
    return bank;
}

Bank readBankFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(u"无法读取 %1：%2"_s.arg(path, file.errorString()));
    const QByteArray json = file.readAll();
    // A bank with a question the program could not reach or answer is not
    // imported: every such finding is named, as check names it.
    const std::vector<Finding> findings = importFindings(parseRawJson(json, path));
    if (!findings.empty()) {
        QStringList lines{u"%1：有 %2 处问题，未导入："_s.arg(path).arg(findings.size())};
        for (const Finding &finding : findings)
            lines << finding.line();
        throw AppError(lines.join(u'\n'));
    }
    return parseBank(json, path);
}

} // namespace qbank
