#include "filter.h"

#include "apperror.h"

using namespace Qt::StringLiterals;

namespace data {
namespace {

const QString kOperators = u"“=”或“>=”，或者“in”"_s;

class Parser {
public:
    explicit Parser(const QString &text) : m_text(text) {}

    Filter parse()
    {
        Filter filter;
        skipBlanks();
        if (atEnd())
            return filter;
        filter.comparisons.push_back(term());
        skipBlanks();
        while (!atEnd()) {
            const QString word = identifier(u"“and”"_s);
            if (word.compare(u"and"_s, Qt::CaseInsensitive) != 0)
                fail(u"应为“and”，却是“%1”"_s.arg(word), m_pos - word.size());
            filter.comparisons.push_back(term());
            skipBlanks();
        }
        return filter;
    }

private:
    Comparison term()
    {
        skipBlanks();
        if (peek() == u'(') {
            ++m_pos;
            Comparison c = comparison();
            skipBlanks();
            if (peek() != u')')
                fail(u"应为“)”"_s, m_pos);
            ++m_pos;
            return c;
        }
        return comparison();
    }

    Comparison comparison()
    {
        Comparison c;
        skipBlanks();
        c.column = identifier(u"列名"_s);
        if (c.column.compare(u"and"_s, Qt::CaseInsensitive) == 0)
            fail(u"应为列名"_s, m_pos - c.column.size());
        skipBlanks();
        if (isAsciiLetter(peek())) {
            const qsizetype at = m_pos;
            const QString word = identifier(kOperators);
            if (word.compare(u"in"_s, Qt::CaseInsensitive) != 0)
                fail(u"应为"_s + kOperators, at);
            skipBlanks();
            if (peek() != u'(')
                fail(u"应为“(”"_s, m_pos);
            do {
                ++m_pos;
                skipBlanks();
                c.among.push_back(number());
                skipBlanks();
            } while (peek() == u',');
            if (peek() != u')')
                fail(u"应为“,”或“)”"_s, m_pos);
            ++m_pos;
            return c;
        }
        if (peek() == u'=') {
            ++m_pos;
        } else if (peek() == u'>' && peek(1) == u'=') {
            m_pos += 2;
            c.atLeast = true;
        } else {
            fail(u"应为"_s + kOperators, m_pos);
        }
        skipBlanks();
        c.value = number();
        return c;
    }

    QString identifier(const QString &expected)
    {
        skipBlanks();
        const qsizetype start = m_pos;
        if (atEnd() || !(isAsciiLetter(peek()) || peek() == u'_'))
            fail(u"应为%1"_s.arg(expected), m_pos);
        while (!atEnd() && (isAsciiLetter(peek()) || peek().isDigit() || peek() == u'_'))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    qint64 number()
    {
        const qsizetype start = m_pos;
        if (peek() == u'-')
            ++m_pos;
        const qsizetype digits = m_pos;
        while (!atEnd() && peek() >= u'0' && peek() <= u'9')
            ++m_pos;
        if (m_pos == digits)
            fail(u"应为整数"_s, start);
        bool ok = false;
        const qint64 value = m_text.mid(start, m_pos - start).toLongLong(&ok);
        if (!ok)
            fail(u"整数超出范围"_s, start);
        return value;
    }

    static bool isAsciiLetter(QChar c)
    {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    }

    void skipBlanks()
    {
        while (!atEnd() && peek().isSpace())
            ++m_pos;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text.at(m_pos + ahead) : QChar();
    }

    [[noreturn]] void fail(const QString &what, qsizetype at) const
    {
        throw AppError(u"筛选条件“%1”有误：第 %2 个字符处%3"_s.arg(m_text).arg(at + 1).arg(what));
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

Filter parseFilter(const QString &expression)
{
    return Parser(expression).parse();
}

SortOrder parseSortOrder(const QString &text)
{
    SortOrder order;
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return order;
    const auto bad = [&text] {
        return AppError(u"排序方式“%1”有误：应为列名，后面可跟 ASC 或 DESC"_s.arg(text));
    };
    if (words.size() > 2)
        throw bad();
    for (const QChar c : words.first()) {
        if (!(c.isLetterOrNumber() || c == u'_') || c.unicode() > 127)
            throw bad();
    }
    if (words.first().front().isDigit())
        throw bad();
    order.column = words.first();
    if (words.size() == 2) {
        if (words[1].compare(u"DESC"_s, Qt::CaseInsensitive) == 0)
            order.descending = true;
        else if (words[1].compare(u"ASC"_s, Qt::CaseInsensitive) != 0)
            throw bad();
    }
    return order;
}

QString andFilter(const QString &first, const QString &second)
{
    if (first.trimmed().isEmpty())
        return second;
    if (second.trimmed().isEmpty())
        return first;
    return first + u" and "_s + second;
}

} // namespace data
