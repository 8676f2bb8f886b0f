#include "systemini.h"

#include <QFile>
#include <optional>

using namespace Qt::StringLiterals;

namespace data {
namespace {

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

ExamSettings readSystemIni(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::optional<QString> durationLine;
    std::optional<QString> markLine;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        if (line.contains(u"alltime"_s))
            durationLine = line;
        if (line.contains(u"mark"_s))
            markLine = line;
    }
    if (file.error() != QFile::NoError || !durationLine || !markLine)
        return {};
    const auto duration = wholeNumber(durationLine->mid(8));
    const auto mark = wholeNumber(markLine->mid(5));
    if (!duration || !mark)
        return {};
    return ExamSettings{*duration, *mark};
}

} // namespace data
