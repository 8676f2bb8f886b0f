#include "systemini.h"

#include "examrules.h"

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

int ExamSettings::durationOf(int exam) const
{
    return exam == exam::kSubject4 ? subject4Duration : duration;
}

ExamSettings readSystemIni(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::optional<QString> durationLine;
    std::optional<QString> markLine;
    std::optional<QString> subject4Line;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        if (line.contains(u"alltime"_s))
            durationLine = line;
        if (line.contains(u"mark"_s))
            markLine = line;
        if (line.contains(u"km4time"_s))
            subject4Line = line;
    }
    if (file.error() != QFile::NoError)
        return {};
    ExamSettings settings;
    if (subject4Line) {
        if (const auto subject4 = wholeNumber(subject4Line->mid(8)))
            settings.subject4Duration = *subject4;
    }
    if (!durationLine || !markLine)
        return settings;
    const auto duration = wholeNumber(durationLine->mid(8));
    const auto mark = wholeNumber(markLine->mid(5));
    if (!duration || !mark)
        return settings;
    settings.duration = *duration;
    settings.passMark = *mark;
    return settings;
}

} // namespace data
