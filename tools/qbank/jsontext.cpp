#include "jsontext.h"

#include "apperror.h"

#include <QStringList>
#include <algorithm>
#include <cctype>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

__extension__ using Magnitude = unsigned __int128;

QString hexBytes(const char *data, qsizetype count)
{
    QStringList bytes;
    for (qsizetype i = 0; i < count; ++i)
        bytes << u"0x"_s + QString::number(static_cast<unsigned char>(data[i]), 16).toUpper().rightJustified(2, u'0');
    return bytes.join(u' ');
}

// Four hex digits at `at`, as one UTF-16 unit.
bool hexUnit(const char *data, qsizetype size, qsizetype at, char16_t &unit)
{
    unit = 0;
    for (qsizetype k = at; k < at + 4; ++k) {
        const char h = k < size ? data[k] : 0;
        const int digit = isDigit(h) ? h - '0' : (h >= 'a' && h <= 'f') ? h - 'a' + 10 : (h >= 'A' && h <= 'F') ? h - 'A' + 10 : -1;
        if (digit < 0)
            return false;
        unit = static_cast<char16_t>(unit * 16 + digit);
    }
    return true;
}

// A number literal of JSON as a whole number when it is one, exactly, and
// otherwise as written.
Value numberValue(const QByteArray &literal)
{
    Value v;
    v.kind = Value::Kind::Number;
    v.text = QString::fromLatin1(literal);
    v.number = literal.toDouble();
    qsizetype i = 0;
    const bool negative = literal.startsWith('-');
    if (negative)
        ++i;
    QByteArray digits;
    qsizetype fraction = 0;
    for (; i < literal.size() && isDigit(literal[i]); ++i)
        digits += literal[i];
    if (i < literal.size() && literal[i] == '.') {
        for (++i; i < literal.size() && isDigit(literal[i]); ++i, ++fraction)
            digits += literal[i];
    }
    qint64 exponent = 0;
    if (i < literal.size() && (literal[i] == 'e' || literal[i] == 'E')) {
        ++i;
        const bool down = i < literal.size() && literal[i] == '-';
        if (i < literal.size() && (literal[i] == '-' || literal[i] == '+'))
            ++i;
        for (; i < literal.size(); ++i)
            exponent = std::min<qint64>(exponent * 10 + (literal[i] - '0'), 100000); // far beyond any digits
        if (down)
            exponent = -exponent;
    }
    // digits × 10^scale, without zeros at either end.
    qint64 scale = exponent - fraction;
    while (digits.startsWith('0'))
        digits.remove(0, 1);
    if (digits.isEmpty()) {
        v.kind = Value::Kind::Integer;
        v.integer = 0;
        v.text.clear();
        return v;
    }
    while (digits.endsWith('0')) {
        digits.chop(1);
        ++scale;
    }
    if (scale < 0 || digits.size() + scale > 19)
        return v; // a fraction, or beyond 64 bits
    Magnitude magnitude = 0;
    for (const char c : digits)
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    for (qint64 s = 0; s < scale; ++s)
        magnitude *= 10;
    const Magnitude limit = static_cast<Magnitude>(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    if (magnitude > limit)
        return v;
    v.kind = Value::Kind::Integer;
    v.integer = negative ? static_cast<qint64>(0 - static_cast<quint64>(magnitude)) : static_cast<qint64>(magnitude);
    v.text.clear();
    return v;
}

Value other(const QString &what)
{
    Value v;
    v.kind = Value::Kind::Other;
    v.text = what;
    return v;
}

} // namespace

JsonText::JsonText(const QByteArray &bytes, const QString &source)
    : m_bytes(bytes), m_source(source), m_data(m_bytes.constData()), m_size(m_bytes.size())
{
    checkEncoding();
}

void JsonText::checkEncoding()
{
    const auto *b = reinterpret_cast<const unsigned char *>(m_data);
    // UTF-16 puts a NUL beside every ASCII character, or starts with its mark.
    if (m_size >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF) || b[0] == 0 || b[1] == 0))
        fail(0, u"文件是 UTF-16 编码，不是 UTF-8；请把它另存为 UTF-8 编码的文本"_s);
    if (m_size >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        m_pos = m_start = 3; // the byte-order mark of UTF-8 says nothing
    for (qsizetype i = m_pos; i < m_size;) {
        const unsigned char c = b[i];
        if (c == 0)
            fail(i, u"文件里有 NUL 字节（0x00），JSON 文本里不能有它（它会截断后面的文字）"_s);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // The lengths and second bytes UTF-8 allows: no overlong forms, no
        // surrogates, nothing beyond U+10FFFF.
        const int length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        const unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
        bool valid = length > 0 && i + length <= m_size && b[i + 1] >= low && b[i + 1] <= high;
        for (int k = 2; valid && k < length; ++k)
            valid = b[i + k] >= 0x80 && b[i + k] <= 0xBF;
        if (!valid) {
            qsizetype shown = 1; // the byte and what follows it as if part of it
            while (shown < 4 && i + shown < m_size && (b[i + shown] & 0xC0) == 0x80)
                ++shown;
            fail(i, u"这里的字节 %1 不是 UTF-8 编码的文字；请把文件另存为 UTF-8 编码（GBK 等编码的文件要先转换）"_s.arg(
                        hexBytes(m_data + i, shown)));
        }
        i += length;
    }
}

void JsonText::fail(qsizetype at, const QString &what) const
{
    qint64 line = 1;
    qint64 column = 1;
    for (qsizetype i = m_start; i < at && i < m_size; ++i) {
        if (m_data[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(m_data[i]) & 0xC0) != 0x80) {
            ++column; // count characters, not UTF-8 continuation bytes
        }
    }
    throw AppError(u"%1：第 %2 行第 %3 列：%4"_s.arg(m_source).arg(line).arg(column).arg(what));
}

void JsonText::syntax(qsizetype at, const QString &what) const
{
    fail(at, u"JSON 格式错误："_s + what);
}

QString JsonText::shown(qsizetype at) const
{
    if (at >= m_size)
        return u"文件末尾"_s;
    qsizetype length = 1;
    while (at + length < m_size && (static_cast<unsigned char>(m_data[at + length]) & 0xC0) == 0x80)
        ++length;
    const QString c = QString::fromUtf8(m_data + at, length);
    if (c.at(0).unicode() < 0x20)
        return u"控制字符 U+%1"_s.arg(c.at(0).unicode(), 4, 16, QChar(u'0'));
    return u"“%1”"_s.arg(c);
}

char JsonText::next()
{
    while (m_pos < m_size) {
        const char c = m_data[m_pos];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return c;
        ++m_pos;
    }
    return 0;
}

void JsonText::expect(char c, const QString &instead)
{
    if (next() != c)
        syntax(m_pos, instead.arg(shown(m_pos)));
    ++m_pos;
}

void JsonText::end()
{
    if (next() != 0)
        syntax(m_pos, u"JSON 已经结束，后面却还有%1"_s.arg(shown(m_pos)));
}

QString JsonText::key()
{
    const char c = next();
    if (c == '}')
        syntax(m_pos, u"“}”前面多了一个逗号"_s);
    if (c != '"')
        syntax(m_pos, u"这里应为用双引号括起来的字段名，却是%1"_s.arg(shown(m_pos)));
    const QString name = string();
    expect(':', u"字段名“"_s + name + u"”后面应为冒号“:”，却是%1"_s);
    return name;
}

void JsonText::skipString()
{
    const qsizetype start = m_pos;
    for (++m_pos; m_pos < m_size; ++m_pos) {
        const char c = m_data[m_pos];
        if (c == '"') {
            ++m_pos;
            return;
        }
        if (c != '\\')
            continue;
        const qsizetype at = m_pos;
        const char e = m_pos + 1 < m_size ? m_data[m_pos + 1] : 0;
        ++m_pos;
        if (e == 'u') {
            // \uXXXX; a surrogate only as a pair, high then low.
            char16_t unit = 0;
            char16_t low = 0;
            if (!hexUnit(m_data, m_size, at + 2, unit))
                syntax(at, u"“\\u”后面应为 4 个十六进制数字"_s);
            m_pos = at + 5;
            if (QChar::isHighSurrogate(unit) && m_pos + 2 < m_size && m_data[m_pos + 1] == '\\' &&
                m_data[m_pos + 2] == 'u' && hexUnit(m_data, m_size, m_pos + 3, low) && QChar::isLowSurrogate(low))
                m_pos += 6;
            else if (QChar::isSurrogate(unit))
                syntax(at, u"“\\u%1”是半个字符（缺少与它配对的代理项），不是 UTF-8 能写出的文字"_s.arg(
                               QString::number(unit, 16).toUpper()));
        } else if (!e || !QByteArrayView("\"\\/bfnrt").contains(e)) {
            syntax(at, u"字符串里反斜杠“\\”后面是%1，不是有效的转义（可用 \\\" \\\\ \\/ \\b \\f \\n \\r \\t \\uXXXX）"_s.arg(
                           shown(at + 1)));
        }
    }
    syntax(start, u"这个字符串直到文件末尾都没有结束（缺少右引号“\"”）"_s);
}

QString JsonText::string()
{
    const qsizetype start = m_pos;
    skipString(); // checks it; the text is read only when it is sound
    const QByteArrayView raw(m_data + start + 1, m_pos - start - 2);
    if (!raw.contains('\\'))
        return QString::fromUtf8(raw);
    QString text;
    qsizetype chunk = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\')
            continue;
        text += QString::fromUtf8(raw.sliced(chunk, i - chunk));
        const char e = raw[++i];
        switch (e) {
        case 'b': text += u'\b'; break;
        case 'f': text += u'\f'; break;
        case 'n': text += u'\n'; break;
        case 'r': text += u'\r'; break;
        case 't': text += u'\t'; break;
        case 'u': text += QChar(static_cast<char16_t>(raw.sliced(i + 1, 4).toUShort(nullptr, 16))); i += 4; break;
        default: text += QLatin1Char(e); break;
        }
        chunk = i + 1;
    }
    return text + QString::fromUtf8(raw.sliced(chunk));
}

Value JsonText::number()
{
    const qsizetype start = m_pos;
    const auto digits = [&] {
        const qsizetype from = m_pos;
        while (m_pos < m_size && isDigit(m_data[m_pos]))
            ++m_pos;
        return m_pos > from;
    };
    if (m_data[m_pos] == '-')
        ++m_pos;
    bool sound = m_pos < m_size && m_data[m_pos] == '0' ? (++m_pos, true) : digits();
    if (sound && m_pos < m_size && m_data[m_pos] == '.') {
        ++m_pos;
        sound = digits();
    }
    if (sound && m_pos < m_size && (m_data[m_pos] == 'e' || m_data[m_pos] == 'E')) {
        ++m_pos;
        if (m_pos < m_size && (m_data[m_pos] == '+' || m_data[m_pos] == '-'))
            ++m_pos;
        sound = digits();
    }
    // A number runs into the next delimiter: "01", "1.", "1x" are wrong.
    if (!sound || (m_pos < m_size && (isDigit(m_data[m_pos]) || std::isalpha(static_cast<unsigned char>(m_data[m_pos])) ||
                                      m_data[m_pos] == '.'))) {
        qsizetype end = m_pos;
        while (end < m_size && !QByteArrayView(" \t\r\n,]}").contains(m_data[end]))
            ++end;
        syntax(start, u"数字“%1”的写法不对"_s.arg(QString::fromUtf8(m_data + start, end - start).left(40)));
    }
    return numberValue(QByteArray(m_data + start, m_pos - start));
}

void JsonText::literal(const char *word)
{
    const QByteArrayView expected(word);
    if (QByteArrayView(m_data + m_pos, std::min(m_size - m_pos, expected.size())) != expected)
        syntax(m_pos, u"这里应为一个值（对象、数组、字符串、数字、true、false 或 null），却是%1"_s.arg(shown(m_pos)));
    m_pos += expected.size();
}

Value JsonText::value()
{
    const char c = next();
    switch (c) {
    case '"': {
        Value v;
        v.kind = Value::Kind::Text;
        v.text = string();
        return v;
    }
    case '{': skip(); return other(u"对象"_s);
    case '[': skip(); return other(u"数组"_s);
    case 't': literal("true"); return other(u"布尔值 true"_s);
    case 'f': literal("false"); return other(u"布尔值 false"_s);
    case 'n': {
        literal("null");
        Value v;
        v.kind = Value::Kind::Null;
        return v;
    }
    default:
        if (c == '-' || isDigit(c))
            return number();
        if (c == 0)
            syntax(m_pos, m_pos == m_start || QByteArrayView(m_data + m_start, m_pos - m_start).trimmed().isEmpty()
                              ? u"文件是空的，没有 JSON 内容"_s
                              : u"文件在这里意外结束，这里应为一个值"_s);
        syntax(m_pos, u"这里应为一个值（对象、数组、字符串、数字、true、false 或 null），却是%1"_s.arg(shown(m_pos)));
    }
}

void JsonText::skip()
{
    // The closing brackets still to come, innermost last: no recursion, so
    // no nesting is too deep.
    std::vector<char> open;
    for (;;) {
        const char c = next();
        if (c == '{' || c == '[') {
            ++m_pos;
            const char close = c == '{' ? '}' : ']';
            if (next() == close) {
                ++m_pos;
            } else {
                open.push_back(close);
                if (c == '{')
                    key();
                continue;
            }
        } else if (c == '"') {
            skipString();
        } else {
            value(); // a scalar
        }
        // After a value: closes, then a comma and the next member or element.
        for (;;) {
            if (open.empty())
                return;
            if (closes(open.back())) {
                open.pop_back();
                continue;
            }
            if (open.back() == '}')
                key();
            break;
        }
    }
}

void JsonText::members(const std::function<void(const QString &key)> &member)
{
    expect('{', u"这里应为对象，却是%1"_s);
    if (next() == '}') {
        ++m_pos;
        return;
    }
    do {
        member(key());
    } while (!closes('}'));
}

void JsonText::elements(const std::function<void(qsizetype index)> &element)
{
    expect('[', u"这里应为数组，却是%1"_s);
    if (next() == ']') {
        ++m_pos;
        return;
    }
    for (qsizetype index = 0;; ++index) {
        element(index);
        if (closes(']'))
            return;
    }
}

bool JsonText::closes(char close)
{
    const char c = next();
    if (c == close) {
        ++m_pos;
        return true;
    }
    if (c != ',')
        syntax(m_pos, c == 0 ? u"文件在这里意外结束，缺少“%1”"_s.arg(QLatin1Char(close))
                             : u"这里应为逗号“,”或“%1”，却是%2"_s.arg(QLatin1Char(close)).arg(shown(m_pos)));
    ++m_pos;
    if (close == ']' && next() == ']')
        syntax(m_pos, u"“]”前面多了一个逗号"_s);
    return false;
}

} // namespace qbank
