#include "decipher.h"

#include "apperror.h"

#include <QByteArray>
#include <QStringDecoder>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<unsigned char, 8> kKey = {0x3A, 0xC5, 0x17, 0x8E, 0x62, 0xD9, 0x4B, 0xF0};

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

} // namespace

QString decipher(const QString &hex)
{
    const qsizetype n = hex.size() / 2;
    QByteArray bytes;
    bytes.reserve(n);
    size_t k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            throw AppError(u"“%1”不是有效的十六进制数"_s.arg(hex.mid(2 * i, 2)));
        bytes.append(static_cast<char>((high * 16 + low) ^ kKey[k]));
        k = (k + 1) % kKey.size();
    }
    QStringDecoder gbk("GBK");
    if (!gbk.isValid())
        throw AppError(u"本机不支持 GBK 编码，无法显示文字"_s);
    return gbk.decode(bytes);
}
