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
        QString out = m_sorts == 0 ? u"\n"_s : u",\n"_s;
        ++m_sorts;
        QStringList shares;
        for (const qint64 share : s.scale)
            shares << QString::number(share);
        // Concatenated, not arg()ed: a name may hold "%1".
        out += u"    {\"sortId\": "_s + QString::number(s.sortId) + u", \"sortname\": "_s +
                   jsonString(s.sortname) + u", \"scale\": ["_s + shares.join(u", "_s) + u"]"_s;
        if (const QString subject = subjectKey(s.subject); !subject.isEmpty())
            out += u", "_s + subject;
        m_out += (out + u'}').toUtf8();
        m_subjects.insert(s.sortId, s.subject);
    }

    void question(const Question &q, const RawQuestion &raw) override
    {
        closeSorts();
        QString out = m_questions == 0 ? u"\n"_s : u",\n"_s;
        ++m_questions;
        out += u"    {\n"_s;
        out += u"      \"subid\": %1,\n"_s.arg(q.subid);
        out += u"      \"typeId\": %1,\n"_s.arg(q.typeId);
        out += u"      \"sortId\": %1,\n"_s.arg(q.sortId);
        out += u"      \"stid\": %1,\n"_s.arg(q.stid);
        out += u"      \"subtitle\": "_s + jsonString(q.subtitle) + u",\n"_s;
        out += u"      \"subpic\": "_s +
                       jsonText(raw.subpic.isText() ? std::optional(raw.subpic.text) : std::nullopt) + u",\n"_s;
        out += u"      \"info\": "_s + jsonText(q.info) + u",\n"_s;
        out += u"      \"errorTimes\": %1,\n"_s.arg(q.errorTimes);
        out += u"      \"options\": ["_s;
        for (size_t j = 0; j < q.options.size(); ++j) {
            const Option &o = q.options[j];
            out += j == 0 ? u"\n"_s : u",\n"_s;
            out += u"        {\"optid\": "_s + QString::number(o.optid) + u", \"optcontent\": "_s +
                           jsonString(o.optcontent) + u", \"iskey\": "_s + QString::number(o.iskey) + u'}';
        }
        out += q.options.empty() ? u"]"_s : u"\n      ]"_s;
        const QString subject = subjectKey(m_subjects.value(q.sortId, 1));
        out += subject.isEmpty() ? u"\n"_s : u",\n      "_s + subject + u"\n"_s;
        m_out += (out + u"    }"_s).toUtf8();
    }

    QByteArray finish()
    {
        closeSorts();
        m_out += m_questions == 0 ? "]\n}\n" : "\n  ]\n}\n";
        return std::move(m_out);
    }

private:
    // Only 科目四 says which exam it is: a bank without it exports as before.
    static QString subjectKey(qint64 subject)
    {
        return subject == 1 ? QString() : u"\"subject\": %1"_s.arg(subject);
    }

    // Closes the list of types and opens that of the questions, once.
    void closeSorts()
    {
        if (m_questionsOpen)
            return;
        m_questionsOpen = true;
        m_out += m_sorts == 0 ? "],\n" : "\n  ],\n";
        m_out += "  \"questions\": [";
    }

    QByteArray m_out = "{\n  \"sorts\": ["; // UTF-8, as it will be written
    qint64 m_sorts = 0;
    qint64 m_questions = 0;
    bool m_questionsOpen = false;
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
