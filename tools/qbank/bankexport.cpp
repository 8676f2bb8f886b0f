#include "bankexport.h"

#include "apperror.h"
#include "bankcheck.h"

#include <QHash>
#include <QSaveFile>
#include <QStringList>
#include <optional>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

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

// Writes the bank as it is read; subpic as stored, a database null as null.
class Writer : public BankUser {
public:
    void sort(const Sort &s) override
    {
        m_sorts += m_sorts.isEmpty() ? u"\n"_s : u",\n"_s;
        QStringList shares;
        for (const qint64 share : s.scale)
            shares << QString::number(share);
        // Concatenated, not arg()ed: a name may hold "%1".
        m_sorts += u"    {\"sortId\": "_s + QString::number(s.sortId) + u", \"sortname\": "_s +
                   jsonString(s.sortname) + u", \"scale\": ["_s + shares.join(u", "_s) + u"]"_s;
        if (const QString subject = subjectKey(s.subject); !subject.isEmpty())
            m_sorts += u", "_s + subject;
        m_sorts += u'}';
        m_subjects.insert(s.sortId, s.subject);
    }

    void question(const Question &q, const RawQuestion &raw) override
    {
        m_questions += m_questions.isEmpty() ? u"\n"_s : u",\n"_s;
        m_questions += u"    {\n"_s;
        m_questions += u"      \"subid\": %1,\n"_s.arg(q.subid);
        m_questions += u"      \"typeId\": %1,\n"_s.arg(q.typeId);
        m_questions += u"      \"sortId\": %1,\n"_s.arg(q.sortId);
        m_questions += u"      \"stid\": %1,\n"_s.arg(q.stid);
        m_questions += u"      \"subtitle\": "_s + jsonString(q.subtitle) + u",\n"_s;
        m_questions += u"      \"subpic\": "_s +
                       jsonText(raw.subpic.isText() ? std::optional(raw.subpic.text) : std::nullopt) + u",\n"_s;
        m_questions += u"      \"info\": "_s + jsonText(q.info) + u",\n"_s;
        m_questions += u"      \"errorTimes\": %1,\n"_s.arg(q.errorTimes);
        m_questions += u"      \"options\": ["_s;
        for (size_t j = 0; j < q.options.size(); ++j) {
            const Option &o = q.options[j];
            m_questions += j == 0 ? u"\n"_s : u",\n"_s;
            m_questions += u"        {\"optid\": "_s + QString::number(o.optid) + u", \"optcontent\": "_s +
                           jsonString(o.optcontent) + u", \"iskey\": "_s + QString::number(o.iskey) + u'}';
        }
        m_questions += q.options.empty() ? u"]"_s : u"\n      ]"_s;
        const QString subject = subjectKey(m_subjects.value(q.sortId, 1));
        m_questions += subject.isEmpty() ? u"\n"_s : u",\n      "_s + subject + u"\n"_s;
        m_questions += u"    }"_s;
    }

    QByteArray finish() const
    {
        QString out = u"{\n  \"sorts\": ["_s + m_sorts;
        out += m_sorts.isEmpty() ? u"],\n"_s : u"\n  ],\n"_s;
        out += u"  \"questions\": ["_s + m_questions;
        out += m_questions.isEmpty() ? u"]\n}\n"_s : u"\n  ]\n}\n"_s;
        return out.toUtf8();
    }

private:
    // Only 科目四 says which exam it is: a bank without it exports as before.
    static QString subjectKey(qint64 subject)
    {
        return subject == 1 ? QString() : u"\"subject\": %1"_s.arg(subject);
    }

    QString m_sorts;
    QString m_questions;
    QHash<qint64, qint64> m_subjects; // sortId -> its exam
};

} // namespace

QByteArray exportJson(const QString &database)
{
    Writer writer;
    CheckOptions options;
    options.upTo = Finding::Level::Value;
    const CheckReport report = readBank(BankSource::path(database), options, &writer, true);
    if (report.count > 0)
        report.refuse(u"未导出"_s);
    return writer.finish();
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
