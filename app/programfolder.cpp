#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace app {
namespace {

QString &overridden()
{
    static QString folder;
    return folder;
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString programFolder()
{
    if (!overridden().isEmpty())
        return overridden();
    return withSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder)
{
    overridden() = folder.isEmpty() ? QString() : withSeparator(QDir::fromNativeSeparators(folder));
}

QString programFile(const QString &relative)
{
    QString name = relative;
    name.replace(u'\\', u'/');
    return programFolder() + name;
}

} // namespace app
