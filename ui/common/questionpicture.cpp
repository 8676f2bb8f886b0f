#include "questionpicture.h"

#include "bankplace.h"

#include <QVariant>

using namespace Qt::StringLiterals;

QPixmap questionPicture(const QVariant &subpic)
{
    if (subpic.isNull())
        return {};
    const QString name = subpic.toString();
    if (name == u"NULL"_s || name.trimmed().isEmpty())
        return {};
    QString relative = name;
    relative.replace(u'\\', u'/');
    if (relative.startsWith(u'/') || relative.split(u'/').contains(u".."_s))
        return {};
    // The format follows the file's contents, whatever its extension says.
    return QPixmap(app::pictureFolder() + relative);
}
