#include "bankexport.h"

#include "apperror.h"

#include <QHash>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

// Reads the values of a raw bank as import would, stopping at the first that
// does not fit.
class Strict {
public:
    explicit Strict(const RawBank &raw) : m_raw(raw)
    {
        for (const StructureFault &fault : raw.structure) {
            // The paper (note) is not part of the bank.
            if (fault.hidesValues && fault.table != u"note"_s)
                fail(fault.where, fault.what);
        }
        for (const RawOption &option : raw.strayOptions)
            fail(option.where, option.subid.isInteger()
                                   ? u"选项的 subid %1 不是任何试题的 subid"_s.arg(option.subid.integer)
                                   : u"选项的 subid 应为整数，却是%1"_s.arg(option.subid.describe()));
    }

    [[noreturn]] void fail(const QString &about, const QString &what) const
    {
        throw AppError(u"%1：%2：%3"_s.arg(m_raw.file, about, what));
    }

    QString field(const QString &name) const
    {
        return m_raw.source == RawBank::Source::Database ? u"列 %1 "_s.arg(name) : u"字段“%1”"_s.arg(name);
    }

    qint64 integer(const QString &about, const QString &name, const Value &value) const
    {
        if (!value.isInteger())
            fail(about, u"%1应为整数，却是%2"_s.arg(field(name), value.describe()));
        return value.integer;
    }

    QString text(const QString &about, const QString &name, const Value &value) const
    {
        if (!value.isText())
            fail(about, u"%1应为文字，却是%2"_s.arg(field(name), value.describe()));
        return value.text;
    }

    std::optional<QString> optionalText(const QString &about, const QString &name, const Value &value) const
    {
        if (value.kind == Value::Kind::Null)
            return std::nullopt;
        return text(about, name, value);
    }

    // Every question and type once, pictures inside upload/.
    void checkKeys() const
    {
        QSet<qint64> sortIds;
        for (const RawSort &sort : m_raw.sorts) {
            const qint64 id = integer(sort.name(), u"sortId"_s, sort.sortId);
            if (sortIds.contains(id))
                fail(sort.name(), u"sortId %1 重复"_s.arg(id));
            sortIds.insert(id);
        }
        QSet<qint64> subids;
        for (const RawQuestion &q : m_raw.questions) {
            const qint64 id = integer(q.name(), u"subid"_s, q.subid);
            if (subids.contains(id))
                fail(q.name(), u"subid %1 重复"_s.arg(id));
            subids.insert(id);
            if (q.subpic.isText() && !isPictureName(q.subpic.text))
                fail(q.name(), u"subpic“%1”不是 upload 文件夹里的文件名"_s.arg(q.subpic.text));
        }
    }

private:
    const RawBank &m_raw;
};

QString jsonString(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += u"\\\""_s; break;
        case u'\\': out += u"\\\\"_s; break;
        case u'\n': out += u"\\n"_s; break;
        case u'\r': out += u"\\r"_s; break;
        case u'\t': out += u"\\t"_s; break;
        case u'\b': out += u"\\b"_s; break;
        case u'\f': out += u"\\f"_s; break;
        default:
            if (c.unicode() < 0x20)
                out += u"\\u%1"_s.arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

QString jsonText(const std::optional<QString> &text)
{
    return text ? jsonString(*text) : u"null"_s;
}

} // namespace

Bank toBank(const RawBank &raw)
{
    const Strict strict(raw);
    strict.checkKeys();
    Bank bank;
    for (const RawSort &s : raw.sorts) {
        Sort sort;
        sort.sortId = strict.integer(s.name(), u"sortId"_s, s.sortId);
        sort.sortname = strict.text(s.name(), u"sortname"_s, s.sortname);
        for (size_t k = 0; k < 5; ++k)
            sort.scale[k] = strict.integer(s.name(), u"scale%1"_s.arg(k), s.scale[k]);
        bank.sorts.push_back(std::move(sort));
    }
    bank.questions.reserve(raw.questions.size());
    for (const RawQuestion &r : raw.questions) {
        const QString about = r.name();
        Question q;
        q.subid = strict.integer(about, u"subid"_s, r.subid);
        q.typeId = strict.integer(about, u"typeId"_s, r.typeId);
        q.sortId = strict.integer(about, u"sortId"_s, r.sortId);
        q.stid = strict.integer(about, u"stid"_s, r.stid);
        q.subtitle = strict.text(about, u"subtitle"_s, r.subtitle);
        q.subpic = strict.optionalText(about, u"subpic"_s, r.subpic).value_or(u"NULL"_s);
        q.info = strict.optionalText(about, u"info"_s, r.info);
        q.errorTimes = strict.integer(about, u"errorTimes"_s, r.errorTimes);
        for (const RawOption &o : r.options) {
            const QString optionAbout = about + u"（"_s + o.where + u"）"_s;
            q.options.push_back({strict.integer(optionAbout, u"optid"_s, o.optid),
                                 strict.text(optionAbout, u"optcontent"_s, o.optcontent),
                                 strict.integer(optionAbout, u"iskey"_s, o.iskey)});
        }
        bank.questions.push_back(std::move(q));
    }
    return bank;
}

QByteArray exportJson(const RawBank &raw)
{
    // Everything but subpic goes through the model import fills; subpic is
    // written as stored, a database null as null.
    const Bank bank = toBank(raw);
    const Strict strict(raw);

    QString out;
    out.reserve(static_cast<qsizetype>(raw.questions.size()) * 600);
    out += u"{\n  \"sorts\": ["_s;
    for (size_t i = 0; i < bank.sorts.size(); ++i) {
        const Sort &s = bank.sorts[i];
        out += i == 0 ? u"\n"_s : u",\n"_s;
        QStringList shares;
        for (const qint64 share : s.scale)
            shares << QString::number(share);
        // Concatenated, not arg()ed: a name may hold "%1".
        out += u"    {\"sortId\": "_s + QString::number(s.sortId) + u", \"sortname\": "_s +
               jsonString(s.sortname) + u", \"scale\": ["_s + shares.join(u", "_s) + u"]}"_s;
    }
    out += bank.sorts.empty() ? u"],\n"_s : u"\n  ],\n"_s;
    out += u"  \"questions\": ["_s;
    for (size_t i = 0; i < bank.questions.size(); ++i) {
        const Question &q = bank.questions[i];
        const RawQuestion &r = raw.questions[i];
        out += i == 0 ? u"\n"_s : u",\n"_s;
        out += u"    {\n"_s;
        out += u"      \"subid\": %1,\n"_s.arg(q.subid);
        out += u"      \"typeId\": %1,\n"_s.arg(q.typeId);
        out += u"      \"sortId\": %1,\n"_s.arg(q.sortId);
        out += u"      \"stid\": %1,\n"_s.arg(q.stid);
        out += u"      \"subtitle\": "_s + jsonString(q.subtitle) + u",\n"_s;
        out += u"      \"subpic\": "_s + jsonText(strict.optionalText(r.name(), u"subpic"_s, r.subpic)) +
               u",\n"_s;
        out += u"      \"info\": "_s + jsonText(q.info) + u",\n"_s;
        out += u"      \"errorTimes\": %1,\n"_s.arg(q.errorTimes);
        out += u"      \"options\": ["_s;
        for (size_t j = 0; j < q.options.size(); ++j) {
            const Option &o = q.options[j];
            out += j == 0 ? u"\n"_s : u",\n"_s;
            out += u"        {\"optid\": "_s + QString::number(o.optid) + u", \"optcontent\": "_s +
                   jsonString(o.optcontent) + u", \"iskey\": "_s + QString::number(o.iskey) + u'}';
        }
        out += q.options.empty() ? u"]\n"_s : u"\n      ]\n"_s;
        out += u"    }"_s;
    }
    out += bank.questions.empty() ? u"]\n}\n"_s : u"\n  ]\n}\n"_s;
    return out.toUtf8();
}

void writeFileAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(u"无法写入 %1：%2"_s.arg(path, file.errorString()));
    if (file.write(content) != content.size() || !file.commit())
        throw AppError(u"无法写入 %1：%2"_s.arg(path, file.errorString()));
}

} // namespace qbank
